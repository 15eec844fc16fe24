// Dates typed through a mask: stored zero-padded, bad dates never stored.

#include "platform/data/Error.h"
#include "platform/data/Table.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/MaskedDate.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QVBoxLayout>

using ui::Msg;
using ui::MsgKind;

namespace {

// An owner with a text birth date, behind a window with the date and the name.
struct OwnerWindow {
    std::unique_ptr<data::Connection> conn;
    data::Table table;
    data::DataSource source;
    QWidget window;
    ui::DBMaskDateEdit* birth;
    ui::DBEdit* name;

    OwnerWindow() : conn(testsupport::freshDatabase()), table(conn.get()), source(&table)
    {
        conn->exec(QStringLiteral("INSERT INTO Owner (ownerId, ownerName, Birth) VALUES ('1', '张三', '1999-1-30')"));
        table.setTableName(QStringLiteral("Owner"));
        table.open();
        auto* l = new QVBoxLayout(&window);
        l->addWidget(birth = new ui::DBMaskDateEdit(&source, QStringLiteral("Birth")));
        l->addWidget(name = new ui::DBEdit(&source, QStringLiteral("ownerName")));
    }

    QString storedBirth() { return conn->scalar(QStringLiteral("SELECT Birth FROM Owner")).toString(); }

    void typeDate(const QString& digits)
    {
        uitest::clickInto(birth);
        birth->selectAll();
        QTest::keyClick(birth, Qt::Key_Delete);
        birth->setCursorPosition(0);
        QTest::keyClicks(birth, digits);
    }
};

}  // namespace

class TestDBMaskDateEdit : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void masksAndTypedTextConvert()
    {
        QCOMPARE(ui::qtInputMask(QStringLiteral("!9999/99/99;1")), QStringLiteral("0000-00-00;_"));
        QCOMPARE(ui::qtInputMask(QStringLiteral("!0000/90/90;1")), QStringLiteral("9999-09-09;_"));

        QCOMPARE(ui::normalizeMaskedDate(QStringLiteral("2024-03-05")), QStringLiteral("2024-03-05"));
        QCOMPARE(ui::normalizeMaskedDate(QStringLiteral("2024- 3- 5")), QStringLiteral("2024-03-05"));
        QCOMPARE(ui::normalizeMaskedDate(QStringLiteral("2024-3-5")), QStringLiteral("2024-03-05"));
        QCOMPARE(ui::normalizeMaskedDate(QStringLiteral("    -  -  ")), QString());
        QCOMPARE(ui::normalizeMaskedDate(QStringLiteral("--")), QString());
        for (const char* bad : {"2024-13-01", "2023-02-29", "2024-00-10", "24-03-05", "2024--05", "2024-03-"}) {
            bool refused = false;
            try {
                ui::normalizeMaskedDate(QString::fromLatin1(bad));
            } catch (const data::Error& e) {
                refused = e.message() == data::dateErrorText();
            }
            QVERIFY2(refused, bad);
        }
    }

    void showsStoredDatesZeroPaddedAndStoresTypedOnesSo()
    {
        OwnerWindow w;
        QCOMPARE(w.birth->displayText(), QStringLiteral("1999-01-30"));
        QVERIFY(uitest::showActive(&w.window));
        w.typeDate(QStringLiteral("20240305"));
        QCOMPARE(w.table.state(), data::DataSetState::Edit);
        QCOMPARE(w.table.fieldByName(QStringLiteral("Birth"))->asString(), QStringLiteral("2024-03-05"));
        uitest::clickInto(w.name);
        QVERIFY(Msg::log().isEmpty());
        w.table.post();
        QCOMPARE(w.storedBirth(), QStringLiteral("2024-03-05"));
        QCOMPARE(w.birth->dateText(), QStringLiteral("2024-03-05"));
    }

    void aBadDateIsRefusedOnLeavingAndNeverStored()
    {
        OwnerWindow w;
        QVERIFY(uitest::showActive(&w.window));
        w.typeDate(QStringLiteral("20241301"));
        QVERIFY(!w.birth->isValidDate());
        QCOMPARE(w.table.fieldByName(QStringLiteral("Birth"))->asString(), QString());
        uitest::clickInto(w.name);
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{data::dateErrorText()});
        // The edit is emptied and has the focus again.
        QVERIFY(w.birth->hasFocus());
        QVERIFY(w.birth->isBlank());
        w.table.post();
        QCOMPARE(w.storedBirth(), QString());
    }

    void aBadDateStopsThePost()
    {
        OwnerWindow w;
        QVERIFY(uitest::showActive(&w.window));
        w.typeDate(QStringLiteral("20241301"));
        // Save pressed on a tool button: the focus stays in the edit.
        bool refused = false;
        try {
            w.table.post();
        } catch (const data::Error& e) {
            refused = e.message() == data::dateErrorText();
        }
        QVERIFY(refused);
        QCOMPARE(w.table.state(), data::DataSetState::Edit);
        QCOMPARE(w.storedBirth(), QStringLiteral("1999-1-30"));
        QCOMPARE(w.birth->displayText(), QStringLiteral("2024-13-01"));
        w.table.cancel();
        QCOMPARE(w.birth->displayText(), QStringLiteral("1999-01-30"));
    }

    void blanksAreStoredEmptyUnlessRefusedOnLeaving()
    {
        OwnerWindow w;
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.birth);
        w.birth->selectAll();
        QTest::keyClick(w.birth, Qt::Key_Delete);
        QCOMPARE(w.table.fieldByName(QStringLiteral("Birth"))->asString(), QString());
        uitest::clickInto(w.name);
        QVERIFY(Msg::log().isEmpty());

        w.birth->setBlankAllowed(false);
        uitest::clickInto(w.birth);
        uitest::clickInto(w.name);
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{data::dateErrorText()});
        QVERIFY(w.birth->hasFocus());
        // Not while browsing: leaving a blank edit of a stored row says nothing.
        w.table.post();
        Msg::clearLog();
        uitest::clickInto(w.name);
        QVERIFY(Msg::log().isEmpty());
    }

    void aDateTimeFieldTakesTheDateToo()
    {
        uitest::RegionData d(0);  // only for the database
        d.conn->exec(QStringLiteral("INSERT INTO inputs (ioputID) VALUES ('V1')"));
        data::Table t(d.conn.get());
        t.setTableName(QStringLiteral("inputs"));
        t.open();
        data::DataSource s(&t);
        ui::DBMaskDateEdit date(&s, QStringLiteral("ioDate"), QStringLiteral("!0000/90/90;1"));
        QCOMPARE(date.inputMask(), QStringLiteral("9999-09-09;_"));
        t.edit();
        date.setText(QStringLiteral("2024-03-05"));
        t.post();
        QCOMPARE(t.fieldByName(QStringLiteral("ioDate"))->asDateTime(), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
        QCOMPARE(date.displayText(), QStringLiteral("2024-03-05"));
    }
};

WYGL_TEST(TestDBMaskDateEdit)
#include "tst_DBMaskDateEdit.moc"
