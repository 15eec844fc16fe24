#include "platform/report/FontMap.h"

#include <QFontDatabase>
#include <QSet>
#include <QStringList>

namespace report {

namespace {

const QStringList& kaiFaces()
{
    static const QStringList f{"AR PL UKai CN", "AR PL UKai TW", "AR PL UKai HK"};
    return f;
}

const QStringList& songFaces()
{
    static const QStringList f{"AR PL UMing CN", "AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK SC"};
    return f;
}

const QStringList& heiFaces()
{
    static const QStringList f{"Noto Sans CJK SC", "WenQuanYi Zen Hei", "Droid Sans Fallback", "AR PL UMing CN"};
    return f;
}

bool isInstalled(const QString& family)
{
    static const QSet<QString> installed = [] {
        QSet<QString> s;
        for (const QString& f : QFontDatabase::families())
            s.insert(f.toLower());
        return s;
    }();
    return installed.contains(family.toLower());
}

const QStringList* candidatesFor(const QString& faceName)
{
    const QString n = faceName.trimmed().toLower();
    if (n.contains(QStringLiteral("楷")) || n.startsWith(QStringLiteral("kaiti")) || n == QStringLiteral("stkaiti"))
        return &kaiFaces();
    if (n.contains(QStringLiteral("宋")) || n.contains(QStringLiteral("仿宋")) || n == QStringLiteral("simsun") ||
        n == QStringLiteral("nsimsun") || n.startsWith(QStringLiteral("fangsong")))
        return &songFaces();
    if (n.contains(QStringLiteral("黑")) || n == QStringLiteral("simhei"))
        return &heiFaces();
    return nullptr;
}

}  // namespace

QString installedFamily(const QString& faceName)
{
    if (const QStringList* candidates = candidatesFor(faceName)) {
        for (const QString& c : *candidates)
            if (isInstalled(c))
                return c;
    }
    return faceName;
}

QFont makeFont(const FontSpec& style)
{
    QFont f;
    const QString family = installedFamily(style.name);
    QStringList families{family};
    for (const QString& c : songFaces()) {
        if (c != family && isInstalled(c)) {
            families << c;
            break;
        }
    }
    f.setFamilies(families);
    f.setPointSizeF(style.size > 0 ? style.size : 1);
    f.setBold(style.bold);
    f.setUnderline(style.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

}  // namespace report
