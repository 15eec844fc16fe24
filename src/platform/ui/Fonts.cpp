#include "platform/ui/Fonts.h"

#include <QFont>

namespace ui {

QStringList kaiFaces()
{
    return {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL KaitiM GB"),
            QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")};
}

QStringList songFaces()
{
    return {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL SungtiL GB"),
            QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UKai CN")};
}

void installFontSubstitutions()
{
    const QStringList kaiNames = {QStringLiteral("楷体_GB2312"), QStringLiteral("楷体"), QStringLiteral("KaiTi_GB2312"),
                                  QStringLiteral("KaiTi"), QStringLiteral("Kai")};
    const QStringList songNames = {QStringLiteral("宋体"), QStringLiteral("新宋体"), QStringLiteral("SimSun"),
                                   QStringLiteral("NSimSun"), QStringLiteral("Song")};
    for (const QString& n : kaiNames)
        QFont::insertSubstitutions(n, kaiFaces());
    for (const QString& n : songNames)
        QFont::insertSubstitutions(n, songFaces());
}

}  // namespace ui
