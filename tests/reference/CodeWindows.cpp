#include "CodeWindows.h"

#include "app/Main.h"
#include "app/Openers.h"
#include "session/DMRegion.h"
#include "session/ToolbarSync.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QtTest>

namespace codetest {

namespace {

QString tableOf(const CodeTableConfig& cfg)
{
    return qobject_cast<data::Table*>(DM->dataSet(cfg.dataSet))->tableName();
}

}  // namespace

CodeTableEditor* openByKey(const QString& key)
{
    const OpenerDef* o = findOpener(key);
    runOpener(*o, mdiForm);
    return qobject_cast<CodeTableEditor*>(openWindow(o->windowClass));
}

void seed(data::Connection& c, const CodeTableConfig& cfg, const QStringList& codes)
{
    const QString sql = QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(tableOf(cfg), cfg.codeField, cfg.nameField);
    for (int i = 0; i < codes.size(); ++i) {
        bool number = false;
        const int n = codes[i].toInt(&number);
        const bool textCode = cfg.codeField == QStringLiteral("fixsysId");
        c.exec(sql, {number && !textCode ? QVariant(n) : QVariant(codes[i]), QStringLiteral("名%1").arg(i + 1)});
    }
    DM->dataSet(cfg.dataSet)->requery();
}

QStringList stored(data::Connection& c, const CodeTableConfig& cfg)
{
    QStringList out;
    QSqlQuery q = c.exec(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY rid").arg(cfg.codeField, cfg.nameField, tableOf(cfg)));
    while (q.next())
        out << data::variantToText(q.value(0)).trimmed() + u':' + data::variantToText(q.value(1));
    return out;
}

void typeIntoMemo(QPlainTextEdit* memo, const QString& text)
{
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClicks(memo, text);
}

QString enabled(const QList<QList<QWidget*>>& groups)
{
    QStringList out;
    for (const auto& g : groups) {
        QString s;
        for (QWidget* w : g)
            s += w && w->isEnabled() ? u'1' : u'0';
        out << s;
    }
    return out.join(u' ');
}

}  // namespace codetest
