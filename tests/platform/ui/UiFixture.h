#pragma once
// Shared pieces of the user-interface tests: a Region table with a few rows
// behind a data source, and helpers to show windows and type as a user would.

#include "platform/data/Connection.h"
#include "platform/data/DataSource.h"
#include "platform/data/Table.h"
#include "platform/ui/Msg.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QtTest>
#include <memory>

namespace uitest {

struct RegionData {
    std::unique_ptr<data::Connection> conn;
    data::Table table;
    data::DataSource source;

    // Districts R01.. with names 小区1.., site areas 100.50, 200.50, ... and
    // building counts 1, 2, ...
    explicit RegionData(int rows = 3) : conn(testsupport::freshDatabase()), table(conn.get()), source(&table)
    {
        for (int i = 1; i <= rows; ++i)
            conn->exec(QStringLiteral("INSERT INTO Region (RegionId, RegionName, ZDm, ZDSum) VALUES (?, ?, ?, ?)"),
                       {QStringLiteral("R%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("小区%1").arg(i),
                        QStringLiteral("%1.50").arg(i * 100), i});
        table.setObjectName(QStringLiteral("AT_Region"));
        table.setTableName(QStringLiteral("Region"));
        table.open();
    }

    QString stored(const QString& column, const QString& regionId)
    {
        return data::variantToText(conn->scalar(
            QStringLiteral("SELECT %1 FROM Region WHERE RegionId = ?").arg(column), {regionId}));
    }
};

// Shows a window and makes it the active one, so that focus moves as for a user.
inline bool showActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Clicks a widget so that it takes the focus as a mouse click would give it.
inline void clickInto(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, w->height() / 2));
}

// Types text into the focused control: keys for plain ASCII, an input-method
// commit (as a Chinese input method delivers it) for anything else.
inline void typeText(QWidget* w, const QString& text)
{
    QString ascii;
    auto flush = [&] {
        if (!ascii.isEmpty())
            QTest::keyClicks(w, ascii);
        ascii.clear();
    };
    for (QChar c : text) {
        if (c.unicode() < 128) {
            ascii += c;
            continue;
        }
        flush();
        QInputMethodEvent e;
        e.setCommitString(QString(c));
        QApplication::sendEvent(w, &e);
    }
    flush();
}

inline void resetMessages()
{
    ui::Msg::clearLog();
    ui::Msg::clearQueue();
}

}  // namespace uitest
