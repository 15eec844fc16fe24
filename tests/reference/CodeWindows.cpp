#include "CodeWindows.h"

#include "app/DMRegion.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "app/ToolbarSync.h"
#include "platform/data/Connection.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QtTest>

namespace codetest {

CodeTableEditor* openByKey(const QString& key)
{
    const OpenerDef* o = findOpener(key);
    if (!o)
        return nullptr;
    runOpener(*o, mdiForm);
    return qobject_cast<CodeTableEditor*>(openWindow(o->windowClass));
}

namespace {

QString tableOf(const CodeTableConfig& cfg)
{
    return qobject_cast<data::Table*>(DM->dataSet(cfg.dataSet))->tableName();
}

}  // namespace

void seed(data::Connection& c, const CodeTableConfig& cfg, const QStringList& codes)
{
    const QString table = tableOf(cfg);
    for (int i = 0; i < codes.size(); ++i) {
        bool number = false;
        const int n = codes[i].toInt(&number);
        c.exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(table, cfg.codeField, cfg.nameField),
               {number && cfg.codeField != "fixsysId" ? QVariant(n) : QVariant(codes[i]),
                QStringLiteral("名%1").arg(i + 1)});
    }
    DM->dataSet(cfg.dataSet)->requery();
}

int stored(data::Connection& c, const CodeTableConfig& cfg, const QString& code, const QString& name)
{
    const QString table = tableOf(cfg);
    int n = 0;
    QSqlQuery q = c.exec(QStringLiteral("SELECT %1, %2 FROM %3").arg(cfg.codeField, cfg.nameField, table));
    while (q.next())
        n += q.value(0).toString().trimmed() == code && q.value(1).toString() == name;
    return n;
}

int rowCount(data::Connection& c, const CodeTableConfig& cfg)
{
    const QString table = tableOf(cfg);
    return c.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}

void typeIntoMemo(QPlainTextEdit* memo, const QString& text)
{
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Backspace);
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(memo, &press);
        QApplication::sendEvent(memo, &release);
    }
}

QStringList itemsOf(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
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
