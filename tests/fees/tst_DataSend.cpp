// The annual report window driven as the office would: browsing and printing
// with every rights level, and the two dates, which are not bound to the
// record, staying with the record they belong to through every move.

#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/DataSend.h"
#include "platform/data/Dialect.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QTabWidget>

using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

const QDate kTodayMarker;  // stands for "today" in the expectations below

QVariant day(data::Connection& c, const QDate& d)
{
    return d.isValid() ? c.dialect().dateTimeValue(QDateTime(d, QTime(0, 0))) : QVariant();
}

// Report A, founded 1998-03-01 and filled in 2023-01-10; report B, founded
// 2005-06-01, not yet dated.
void twoReports(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES ('翠苑物业管理有限公司')");
    insertRow(c, "NZBB", {{"QYmc", "甲公司"}, {"CLDate", day(c, {1998, 3, 1})}, {"BCDate", day(c, {2023, 1, 10})}});
    insertRow(c, "NZBB", {{"QYmc", "乙公司"}, {"CLDate", day(c, {2005, 6, 1})}, {"XMhj1", 7}});
}

TfrmDataSend* openReports()
{
    // Shown, so that the list can be clicked.
    mdiForm->show();
    runOpener(*findOpener("Dsend"), mdiForm);
    return frmDataSend;
}

QDate storedDate(AppFixture& app, const char* column, const QString& company)
{
    return app.db().scalar(QString("SELECT %1 FROM NZBB WHERE QYmc = ?").arg(column), {company}).toDateTime().date();
}

// The pickers show (founded, filled in); an invalid date stands for today.
bool pickersShow(TfrmDataSend* w, QDate founded, QDate filled)
{
    const QDate today = QDate::currentDate();
    return w->DTP_CL->date() == (founded.isValid() ? founded : today) &&
           w->DTP_BS->date() == (filled.isValid() ? filled : today);
}

ui::DBEdit* edit(TfrmDataSend* w, const char* column)
{
    return w->findChild<ui::DBEdit*>(QString("DBE_") + column);
}

}  // namespace

class TestDataSend : public QObject {
    Q_OBJECT
private slots:
    void browseOnlyUserBrowsesRefreshesAndPrints()
    {
        AppFixture app("2", twoReports);
        // The opener asks no rights.
        TfrmDataSend* w = openReports();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("企业上报"));
        QVERIFY(!w->CheckBox->isVisible());
        for (auto* b : {w->TB_Add, w->TB_Modi, w->TB_Delete, w->TB_Save, w->TB_Cancel})
            QVERIFY(!b->isEnabled());
        QVERIFY(w->TB_Print->isEnabled());
        QVERIFY(edit(w, "QYmc")->isReadOnly());
        QVERIFY(pickersShow(w, {1998, 3, 1}, {2023, 1, 10}));

        w->TB_Next->click();
        QCOMPARE(DM->AT_DataSend->fieldValue("QYmc").toString(), QString("乙公司"));
        QVERIFY(pickersShow(w, {2005, 6, 1}, kTodayMarker));
        PrintCatcher printed;
        w->TB_Print->click();
        QCOMPARE(printed.documents().size(), size_t(1));
        QVERIFY(printed.lastTexts().contains("企业名称： 乙公司"));
        QVERIFY(printed.lastTexts().contains("成立日期： 2005-06-01"));
        QVERIFY(printed.lastTexts().contains("填报日期： --"));
        QCOMPARE(app.db().scalar("SELECT count(*) FROM NZBB WHERE BCDate IS NULL").toInt(), 1);

        // Refresh reads the reports again from the first.
        w->TB_Refresh->click();
        QVERIFY(pickersShow(w, {1998, 3, 1}, {2023, 1, 10}));

        w->TB_Close->click();
        QVERIFY(!frmDataSend);
    }

    void anEmptyTable()
    {
        AppFixture app("1", [](data::Connection& c) { c.exec("INSERT INTO IncInfo (IncName) VALUES ('翠苑')"); });
        TfrmDataSend* w = openReports();
        for (auto* b : {w->TB_First, w->TB_Prev, w->TB_Next, w->TB_Last})
            QVERIFY(!b->isEnabled());
        QVERIFY(pickersShow(w, kTodayMarker, kTodayMarker));
        PrintCatcher printed;
        w->TB_Print->click();
        const QStringList texts = printed.lastTexts();
        QVERIFY(texts.contains("填报日期： --"));
        QVERIFY(texts.contains("企业名称： --"));
        auto* pages = w->findChild<QTabWidget*>();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            testsupport::saveScreenshot(w->frameWidget(), QString("annual_report_window_%1").arg(i + 1));
        }
    }

    void datesStayWithTheirRecord()
    {
        AppFixture app("1", twoReports);
        TfrmDataSend* w = openReports();
        w->CheckBox->click();
        QVERIFY(w->TB_Add->isEnabled() && w->TB_Modi->isEnabled() && w->TB_Delete->isEnabled());

        // A new report starts on today; what is chosen is stored with it.
        w->TB_Next->click();
        w->TB_Add->click();
        QVERIFY(pickersShow(w, kTodayMarker, kTodayMarker));
        QVERIFY(!w->TB_Add->isEnabled() && !w->TB_Modi->isEnabled() && w->TB_Save->isEnabled());
        testsupport::typeInto(edit(w, "QYmc"), "丙公司");
        w->DTP_CL->setDate({2010, 10, 10});
        w->TB_Save->click();
        QCOMPARE(storedDate(app, "CLDate", "丙公司"), QDate(2010, 10, 10));
        QCOMPARE(storedDate(app, "BCDate", "丙公司"), QDate::currentDate());
        QVERIFY(w->TB_Add->isEnabled());
        QVERIFY(!w->DTP_CL->isEnabled());

        // Each record shows its own dates again (the new one stands at the
        // end, where it was added).
        w->TB_First->click();
        QVERIFY(pickersShow(w, {1998, 3, 1}, {2023, 1, 10}));
        w->TB_Last->click();
        QVERIFY(pickersShow(w, {2010, 10, 10}, kTodayMarker));

        // A date chosen and left by moving on is stored with its own record,
        // and the next record shows its own.
        // (Save leaves Modify to the list, as the form has it.)
        QVERIFY(!w->TB_Modi->isEnabled());
        QVERIFY(clickRow(w->DBGrid1, "QYmc", "甲公司"));
        w->TB_Modi->click();
        QVERIFY(w->TB_Save->isEnabled() && w->TB_Cancel->isEnabled());
        w->DTP_BS->setDate({2023, 12, 31});
        w->TB_Next->click();
        QCOMPARE(storedDate(app, "BCDate", "甲公司"), QDate(2023, 12, 31));
        QCOMPARE(storedDate(app, "CLDate", "甲公司"), QDate(1998, 3, 1));
        QVERIFY(pickersShow(w, {2005, 6, 1}, kTodayMarker));
        QCOMPARE(count(app.db(), "NZBB", "QYmc = '乙公司' AND BCDate IS NULL"), 1);

        // Cancel, and a click on the list, drop a date chosen and not saved.
        QVERIFY(clickRow(w->DBGrid1, "QYmc", "乙公司"));
        w->TB_Modi->click();
        w->DTP_CL->setDate({2006, 1, 1});
        w->TB_Cancel->click();
        QVERIFY(pickersShow(w, {2005, 6, 1}, kTodayMarker));
        QVERIFY(clickRow(w->DBGrid1, "QYmc", "乙公司"));
        w->TB_Modi->click();
        w->DTP_CL->setDate({2007, 1, 1});
        QVERIFY(clickRow(w->DBGrid1, "QYmc", "乙公司"));
        QVERIFY(pickersShow(w, {2005, 6, 1}, kTodayMarker));
        QCOMPARE(storedDate(app, "CLDate", "乙公司"), QDate(2005, 6, 1));

        // Save on a record nothing was typed into still writes both dates.
        QVERIFY(clickRow(w->DBGrid1, "QYmc", "乙公司"));
        w->TB_Modi->click();
        w->TB_Save->click();
        QCOMPARE(storedDate(app, "BCDate", "乙公司"), QDate::currentDate());
        QCOMPARE(app.db().scalar("SELECT XMhj1 FROM NZBB WHERE QYmc = '乙公司'").toInt(), 7);
    }

    void emptyReportsAreKeptAndDeleteAsks()
    {
        AppFixture app("1", twoReports);
        TfrmDataSend* w = openReports();
        w->CheckBox->click();
        w->TB_Add->click();
        w->TB_Save->click();
        QCOMPARE(count(app.db(), "NZBB"), 3);
        QCOMPARE(count(app.db(), "NZBB", "QYmc IS NULL AND CLDate IS NOT NULL AND ID IS NOT NULL"), 1);

        Msg::queueAnswer(false);
        w->TB_Delete->click();
        QCOMPARE(count(app.db(), "NZBB"), 3);
        w->TB_First->click();
        w->TB_Delete->click();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList({ui::DBNavigator::deleteQuestion(),
                                                            ui::DBNavigator::deleteQuestion()}));
        QCOMPARE(count(app.db(), "NZBB"), 2);
        QCOMPARE(count(app.db(), "NZBB", "QYmc = '甲公司'"), 0);
        QVERIFY(pickersShow(w, {2005, 6, 1}, kTodayMarker));
    }

    void aFigureThatIsNoNumberIsRefused()
    {
        AppFixture app("1", twoReports);
        TfrmDataSend* w = openReports();
        w->CheckBox->click();
        w->TB_Modi->click();
        testsupport::typeInto(edit(w, "XMhj1"), "12a");
        QVERIFY(!ui::guarded([&] { w->TB_SaveClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), qsizetype(1));
        QCOMPARE(app.db().scalar("SELECT XMhj1 FROM NZBB WHERE QYmc = '甲公司'").isNull(), true);
        QCOMPARE(storedDate(app, "BCDate", "甲公司"), QDate(2023, 1, 10));
        // The limits of the edits are those of the form.
        QCOMPARE(edit(w, "QYmc")->maxLength(), 48);
        QCOMPARE(edit(w, "YZh")->maxLength(), 3);
    }
};

WYGL_TEST(TestDataSend)
#include "tst_DataSend.moc"
