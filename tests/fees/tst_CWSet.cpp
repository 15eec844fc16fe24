// The charging settings window, driven as a user would.

#include "app/Main.h"
#include "app/Openers.h"
#include "fees/CWSet.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

TfrmCWSet* openSettings()
{
    runOpener(*findOpener("CWSet"), mdiForm);
    return frmCWSet;
}

bool closed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !frmCWSet;
}

// The settings row as texts ("null" for a null).
QStringList storedRow(AppFixture& app)
{
    QSqlQuery q = app.db().exec("SELECT JSDate1, JSDate2, KXDate, ZNJ, JJQ, FJQ FROM SFSet");
    QStringList out;
    if (q.next())
        for (int i = 0; i < 6; ++i)
            out << (q.value(i).isNull() ? "null"
                    : i == 3            ? data::Decimal::fromVariant(q.value(i)).quantize(6).toString()
                                        : q.value(i).toString());
    return out;
}

}  // namespace

class TestCWSet : public QObject {
    Q_OBJECT
private slots:
    void theFirstSaveCreatesTheRow()
    {
        AppFixture app("1");
        TfrmCWSet* w = openSettings();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("财务收费设置"));
        QCOMPARE(w->mdiSubWindow()->width(), 418);
        QVERIFY(w->mdiSubWindow()->height() >= 265);  // higher where its controls need it
        QCOMPARE(w->E_D->text(), QString("5"));
        QVERIFY(!w->RB_1->isChecked() && !w->RB_2->isChecked());
        QVERIFY(!w->E_D->isEnabled() && !w->DBE_BL->isEnabled());
        w->CheckBox->click();
        QVERIFY(w->E_D->isEnabled() && w->RB_2->isEnabled() && w->CB_FJL->isEnabled());
        w->RB_2->click();
        typeInto(w->E_D, "29");
        typeInto(w->DBE_KXDate, "10");
        typeInto(w->DBE_BL, "0.000125");
        w->CB_JL->setText("角");
        w->CB_FJL->setText("分");
        testsupport::saveScreenshot(w->frameWidget(), "charging_settings");
        w->BB_Ok->click();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(storedRow(app), QStringList({"0", "29", "10", "0.000125", "角", "分"}));
        QVERIFY(closed());

        // Again, in the next month: one row, the other column back to 0.
        w = openSettings();
        QVERIFY(w->RB_2->isChecked());
        QCOMPARE(w->E_D->text(), QString("29"));
        w->CheckBox->click();
        w->RB_1->click();
        typeInto(w->E_D, "8");
        w->BB_Ok->click();
        QCOMPARE(storedRow(app), QStringList({"8", "0", "10", "0.000125", "角", "分"}));
    }

    void aDayOutsideOneToTwentyNineIsRefused_data()
    {
        QTest::addColumn<QString>("day");
        for (const char* day : {"0", "30", "", "abc", "-1", "2a", "1.5", "１０"})
            QTest::newRow(day) << QString::fromUtf8(day);
    }
    void aDayOutsideOneToTwentyNineIsRefused()
    {
        QFETCH(QString, day);
        AppFixture app("1");
        TfrmCWSet* w = openSettings();
        w->CheckBox->click();
        w->RB_1->click();
        typeInto(w->E_D, day);
        w->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"应收款结算输入不合法！"});
        QCOMPARE(app.db().scalar("SELECT count(*) FROM SFSet").toInt(), 0);
        QVERIFY(!closed());
    }

    void theLateFeeRateIsBelowOne_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // empty: refused
        QTest::newRow("zero") << "0" << "0";
        QTest::newRow("just below one") << "0.999999" << "0.999999";
        // Six places kept, the tie going away from zero as the column's would.
        QTest::newRow("tie") << "0.0000125" << "0.000013";
        QTest::newRow("one") << "1" << "";
        QTest::newRow("above one") << "1.5" << "";
        QTest::newRow("negative") << "-0.01" << "";
        QTest::newRow("rounds up to one") << "0.9999995" << "";
    }
    void theLateFeeRateIsBelowOne()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        AppFixture app("1");
        TfrmCWSet* w = openSettings();
        w->CheckBox->click();
        w->RB_1->click();
        typeInto(w->DBE_BL, typed);
        w->BB_OkClick();
        if (stored.isEmpty()) {
            QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"滞纳金比率应在 0 到 1 之间！"});
            QCOMPARE(app.db().scalar("SELECT count(*) FROM SFSet").toInt(), 0);
            QVERIFY(!closed());
        } else {
            QVERIFY(Msg::log().isEmpty());
            QCOMPARE(storedRow(app).value(3), stored);
        }
    }

    void theStoredDayIsShownAndKept_data()
    {
        QTest::addColumn<QVariant>("nextMonth");
        QTest::addColumn<QVariant>("thisMonth");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("nextTicked");
        QTest::addColumn<bool>("thisTicked");
        QTest::newRow("next month") << QVariant(10) << QVariant(0) << QStringList{"10", "0"} << "10" << true << false;
        QTest::newRow("this month") << QVariant(0) << QVariant(25) << QStringList{"0", "25"} << "25" << false << true;
        QTest::newRow("none") << QVariant() << QVariant() << QStringList{"null", "null"} << "5" << false << false;
    }
    void theStoredDayIsShownAndKept()
    {
        QFETCH(QVariant, nextMonth);
        QFETCH(QVariant, thisMonth);
        QFETCH(QStringList, kept);
        QFETCH(QString, shown);
        QFETCH(bool, nextTicked);
        QFETCH(bool, thisTicked);
        AppFixture app("1", [&](data::Connection& c) {
            c.exec("INSERT INTO SFSet (JSDate1, JSDate2, ZNJ) VALUES (?, ?, 0.01)", {nextMonth, thisMonth});
        });
        TfrmCWSet* w = openSettings();
        QCOMPARE(w->E_D->text(), shown);
        QCOMPARE(w->RB_1->isChecked(), nextTicked);
        QCOMPARE(w->RB_2->isChecked(), thisTicked);
        // OK without changing anything stores what was there.
        w->BB_Ok->click();
        QCOMPARE(storedRow(app).mid(0, 2), kept);
    }

    void browseOnlyUserOnlyCloses()
    {
        AppFixture app("2", [](data::Connection& c) { c.exec("INSERT INTO SFSet (JSDate1, JSDate2, ZNJ) VALUES (0, 12, 0.02)"); });
        TfrmCWSet* w = openSettings();
        QVERIFY(w->CheckBox->isHidden());
        QVERIFY(w->DBE_BL->isReadOnly());
        w->RB_1->setChecked(true);
        w->E_D->setText("3");
        w->BB_Ok->click();
        QVERIFY(closed());
        QCOMPARE(storedRow(app).mid(0, 2), QStringList({"0", "12"}));
    }
};

WYGL_TEST(TestCWSet)
#include "tst_CWSet.moc"
