// The four report dialogs driven as a user would, their printouts on the
// display list, and a picture of every printout.

#include "CollectionDesk.h"
#include "ReportData.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/BBYSK.h"
#include "fees/KZF.h"
#include "fees/SFTJ.h"
#include "fees/WRZ.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/PageFinds.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

fees::ReportDialog* open(const QString& key)
{
    runOpener(*findOpener(key), mdiForm);
    for (fees::ReportDialog* w : std::initializer_list<fees::ReportDialog*>{frmBBYSK, frmSFTJ, frmWRZ, frmKZF})
        if (w && QString(w->metaObject()->className()) == findOpener(key)->windowClass)
            return w;
    return nullptr;
}

void months(fees::ReportDialog* w, int y1, int m1, int y2, int m2)
{
    w->DTP_Date->setDate(QDate(y1, m1, 1));
    if (w->DTP_Date1)
        w->DTP_Date1->setDate(QDate(y2, m2, 1));
}

void tick(QAbstractButton* b, bool on)
{
    if (b->isChecked() != on)
        b->click();
}

// Rows boxed on a page (head row included): left sides at the first stop.
int boxedRows(const report::Page& p, double x)
{
    return int(std::count_if(p.lines.begin(), p.lines.end(), [x](const report::LineItem& l) {
        return std::abs(l.x1 - x) < 1e-9 && std::abs(l.x2 - x) < 1e-9;
    }));
}

void savePng(const report::Document& doc, const QString& name)
{
    QVERIFY(report::savePagePng(doc, 0, testsupport::screenshotDir() + "/" + name + ".png", 100));
}

}  // namespace

class TestFeeReports : public QObject {
    Q_OBJECT
private slots:
    void dialogsDifferAsTheirTableSays_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pickers");  // what the dialog offers
        QTest::addColumn<QString>("cancel");
        QTest::newRow("BBYSK") << "BBYSK" << "报表统计-应收款" << "district item 2months variants" << "取消";
        QTest::newRow("BBSK") << "BBSK" << "报表统计-已收款" << "district item 2months variants" << "取消";
        QTest::newRow("SFLTJ") << "SFLTJ" << "分项费用回收情况" << "district 1month" << "取消";
        QTest::newRow("SFTJ") << "SFTJ" << "月收费汇总" << "district 1month" << "取消";
        QTest::newRow("FJRZ") << "FJRZ" << "房产资源" << "district variants today" << "取消";
        QTest::newRow("KZF") << "KZF" << "空置房管理费统计" << "price" << "退出";
    }
    void dialogsDifferAsTheirTableSays()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, pickers);
        QFETCH(QString, cancel);
        AppFixture app("1", reportRegister);
        fees::ReportDialog* w = open(key);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QStringList offered;
        if (w->DBLC_Reg && w->DBLC_Build && w->CheckBox1 && w->CheckBox2)
            offered << "district";
        if (w->DBLC_Fee)
            offered << "item";
        if (w->DTP_Date)
            offered << (w->DTP_Date1 ? "2months" : "1month");
        if (w->RB_1 && w->RB_2 && w->RB_1->isChecked())
            offered << "variants";
        if (w->Label2 && w->Label2->text() == QDate::currentDate().toString("yyyy-MM-dd"))
            offered << "today";
        if (w->E_1 && w->E_2 && w->E_1->maxLength() == 8)
            offered << "price";
        QCOMPARE(offered.join(' '), pickers);
        QCOMPARE(w->BitBtn2->text(), cancel);
        QCOMPARE(w->BitBtn1->text(), QString("打印"));
        if (w->DBLC_Reg)
            QCOMPARE(w->DBLC_Reg->count(), 2);
        testsupport::saveScreenshot(w->frameWidget(), "report_dialog_" + key);
        w->BitBtn2Click();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmBBYSK && !frmSFTJ && !frmWRZ && !frmKZF);
    }

    void aWindowPrintsTheKindItWasOpenedAs()
    {
        AppFixture app("1", reportRegister);
        PrintCatcher printed;
        auto* w = static_cast<TfrmBBYSK*>(open("BBYSK"));
        QVERIFY(choose(w->DBLC_Reg, "翠苑小区"));
        tick(w->CheckBox1, true);
        QVERIFY(choose(w->DBLC_Fee, "水费"));
        months(w, 2024, 1, 2024, 2);

        openDesk();  // another fee window opened in between
        QCOMPARE(mdiForm->ModuleKey, QString("Skgl"));
        w->BitBtn1Click();
        QStringList t = printed.lastTexts();
        QVERIFY(t.contains("水费  分户应收费用报表"));
        QVERIFY(t.contains("张三") && t.contains("30.9") && !t.contains("赵六"));

        QCOMPARE(open("BBSK"), w);  // the same window, now the collected kind
        QCOMPARE(w->windowTitle(), QString("报表统计-已收款"));
        QCOMPARE(w->RB_1->text(), QString("单项分户费用已收统计"));
        w->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("水费  分户已收费用报表"));
        QVERIFY(t.contains("赵六") && !t.contains("张三"));

        auto* s = static_cast<TfrmSFTJ*>(open("SFLTJ"));
        QVERIFY(choose(s->DBLC_Reg, "翠苑小区"));
        tick(s->CheckBox1, true);
        months(s, 2024, 1, 2024, 1);
        openDesk();
        s->BitBtn1Click();
        QVERIFY(printed.lastTexts().contains("分项回收月统计表"));
        QCOMPARE(open("SFTJ"), s);
        s->BitBtn1Click();
        QVERIFY(printed.lastTexts().contains("月收费统计表"));
        QCOMPARE(printed.documents().size(), size_t(4));
    }

    void choicesAndTheirMessages()
    {
        AppFixture app("1", reportRegister);
        PrintCatcher printed;
        auto* w = static_cast<TfrmBBYSK*>(open("BBYSK"));
        w->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"小区名称不能为空！"});
        tick(w->CheckBox1, true);
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"请选择小区！"});
        QVERIFY(!w->CheckBox2->isEnabled() && !w->DBLC_Build->isEnabled());
        tick(w->CheckBox1, false);
        QVERIFY(w->CheckBox2->isEnabled() && w->DBLC_Build->isEnabled());
        tick(w->RB_2, true);
        QVERIFY(!w->DBLC_Fee->isEnabled());
        tick(w->RB_1, true);
        QVERIFY(w->DBLC_Fee->isEnabled());

        // A building belongs to its district: another district forgets it.
        QVERIFY(choose(w->DBLC_Reg, "翠苑小区"));
        QCOMPARE(w->DBLC_Build->count(), 2);
        QVERIFY(choose(w->DBLC_Build, "2号楼"));
        QCOMPARE(w->buildKey(), QString("2"));
        QVERIFY(choose(w->DBLC_Reg, "西湖小区"));
        QCOMPARE(w->buildKey(), QString());
        QVERIFY(w->DBLC_Build->keyValue().isNull());
        QCOMPARE(w->DBLC_Build->count(), 1);
        QCOMPARE(w->regionName(), QString("西湖小区"));
        QVERIFY(printed.documents().empty());

        Msg::clearLog();
        auto* s = static_cast<TfrmSFTJ*>(open("SFTJ"));
        QVERIFY(choose(s->DBLC_Reg, "翠苑小区"));
        s->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"楼宇名称不能为空！"});

        auto* r = static_cast<TfrmWRZ*>(open("FJRZ"));
        r->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"该小区无信息提供！"});

        Msg::clearLog();
        auto* k = static_cast<TfrmKZF*>(open("KZF"));
        k->E_1->setText("1.5");
        k->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"计算单价和统计月数均不能为空！"});
        k->E_2->setText("三");
        QVERIFY(!ui::guarded([&] { k->BitBtn1Click(); }));
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{"统计月数“三”不是有效的整数。"});
        k->E_1->setText("1.5元");
        k->E_2->setText("3");
        QVERIFY(!ui::guarded([&] { k->BitBtn1Click(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).last(), QString("计算单价“1.5元”不是有效的数字。"));
        QVERIFY(printed.documents().empty());
    }

    void everyPrintoutAsTheWindowsPrintIt()
    {
        AppFixture app("1", reportRegister);
        PrintCatcher printed;
        auto* w = static_cast<TfrmBBYSK*>(open("BBYSK"));
        QVERIFY(choose(w->DBLC_Reg, "翠苑小区"));
        QVERIFY(choose(w->DBLC_Build, "2号楼"));
        QVERIFY(choose(w->DBLC_Fee, "水费"));
        months(w, 2024, 1, 2024, 2);
        w->BitBtn1Click();
        QStringList t = printed.lastTexts();
        QVERIFY(t.contains("翠苑物业管理有限公司"));
        QVERIFY(t.contains("打印日期：" + QDate::currentDate().toString("yyyy-MM-dd")));
        QVERIFY(t.contains("2 1 201") && t.contains("李四") && t.contains("7.35") && t.contains("--"));
        QVERIFY(!t.contains("张三"));
        savePng(printed.documents().back(), "report_receivables_households");

        tick(w->RB_2, true);
        tick(w->CheckBox2, true);
        w->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("分栋全部费用统计表"));
        QCOMPARE(t.count("全部"), 2);  // a building column that says so
        QVERIFY(t.contains("电费") && t.contains("水费") && t.contains("38.25") && !t.contains("物业费"));
        savePng(printed.documents().back(), "report_receivables_items");

        auto* s = static_cast<TfrmSFTJ*>(open("SFLTJ"));
        QVERIFY(choose(s->DBLC_Reg, "翠苑小区"));
        tick(s->CheckBox1, true);
        months(s, 2024, 1, 2024, 1);
        s->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("统计月份：2024-1"));
        QVERIFY(t.contains("74.81") && t.contains("25.19") && t.contains("40.1"));
        savePng(printed.documents().back(), "report_collection_statistics");
        open("SFTJ");
        s->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("总    计") && t.contains("45.1"));  // 40.10 water + 5 power
        savePng(printed.documents().back(), "report_monthly_summary");

        auto* r = static_cast<TfrmWRZ*>(open("FJRZ"));
        QVERIFY(choose(r->DBLC_Reg, "翠苑小区"));
        tick(r->CheckBox1, true);
        r->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("空置房间明细表") && t.contains("一号楼") && t.contains("暖气、燃气") && t.contains("80.5"));
        savePng(printed.documents().back(), "report_vacant_rooms");
        tick(r->RB_2, true);
        r->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("小区房间入住率统计表"));
        QCOMPARE(t.count("翠苑小区"), 2);
        for (const char* rate : {"38", "62", "12", "88"})
            QVERIFY2(t.contains(rate), rate);
        savePng(printed.documents().back(), "report_occupancy");

        auto* k = static_cast<TfrmKZF*>(open("KZF"));
        k->E_1->setText("1.5");
        k->E_2->setText("3");
        k->BitBtn1Click();
        t = printed.lastTexts();
        QVERIFY(t.contains("空置房屋管理费统计表"));
        QCOMPARE(t.count("362.25"), 15);
        savePng(printed.documents().back(), "report_vacant_room_fees");
        QCOMPARE(printed.documents().size(), size_t(7));
    }

    void pagesOfTheReports_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastPageBoxed");  // head row included
        QTest::addColumn<bool>("footer");
        QTest::newRow("households, none: head only") << "households" << 0 << 1 << 1 << false;
        QTest::newRow("households, 38") << "households" << 38 << 1 << 39 << true;
        QTest::newRow("households, 39") << "households" << 39 << 2 << 39 << true;
        QTest::newRow("households, 77") << "households" << 77 << 3 << 39 << true;
        QTest::newRow("items, none: head and footer") << "items" << 0 << 1 << 1 << true;
        QTest::newRow("summary, 36 items and the total") << "summary" << 36 << 1 << 40 << true;
        QTest::newRow("summary, 39 items") << "summary" << 39 << 2 << 40 << true;
        QTest::newRow("collection, 39 items unfilled") << "collection" << 39 << 2 << 2 << true;
        QTest::newRow("vacant fees, none") << "fees" << 0 << 1 << 39 << true;
        QTest::newRow("vacant fees, 39") << "fees" << 39 << 2 << 39 << true;
    }
    void pagesOfTheReports()
    {
        QFETCH(QString, report);
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, lastPageBoxed);
        QFETCH(bool, footer);
        const fees::PageHead head{"翠苑物业管理有限公司", QDate(2024, 3, 5)};
        report::Document doc;
        report::PageWriter w(doc);
        double firstStop = 0.4;
        QSet<QString> names;
        if (report == "households") {
            std::vector<fees::HouseholdSum> h(static_cast<size_t>(rows));
            for (int i = 0; i < rows; ++i)
                h[size_t(i)].ownerName = QString("行%1").arg(i);
            fees::drawHouseholdReport(w, head, fees::ReceivableKind::Due, "水费", "翠苑小区", h);
        } else if (report == "items") {
            firstStop = 0.5;
            fees::drawItemReport(w, head, "翠苑小区", std::nullopt, {});
        } else if (report == "summary" || report == "collection") {
            std::vector<fees::ItemStatistics> items(static_cast<size_t>(rows));
            for (int i = 0; i < rows; ++i)
                items[size_t(i)].feeName = QString("行%1").arg(i);
            firstStop = report == "summary" ? 0.8 : 0.4;
            if (report == "summary")
                fees::drawMonthlySummary(w, head, 2024, 3, items);
            else
                fees::drawCollectionStatistics(w, head, 2024, 3, items);
        } else {
            std::vector<fees::VacantRoomFee> v(static_cast<size_t>(rows));
            for (int i = 0; i < rows; ++i)
                v[size_t(i)].room.buildName = QString("行%1").arg(i);
            fees::drawVacantRoomFees(w, head, v);
        }
        QCOMPARE(doc.pageCount(), pages);
        for (int p = 0; p < pages; ++p) {
            const QStringList t = testsupport::pageTexts(doc.pages[size_t(p)]);
            QVERIFY(t.contains("翠苑物业管理有限公司"));
            QCOMPARE(t.contains(QString("第  %1  页").arg(p + 1)), footer);
            for (const QString& s : t)
                if (s.startsWith("行")) {
                    QVERIFY2(!names.contains(s), qPrintable(s));
                    names.insert(s);
                }
        }
        QCOMPARE(int(names.size()), rows);
        QCOMPARE(boxedRows(doc.pages.back(), firstStop), lastPageBoxed);
        const bool totalRow = report == "summary";
        QCOMPARE(testsupport::pageTexts(doc.pages.back()).contains("总    计"), totalRow);
        if (pages > 1)
            QVERIFY(!testsupport::pageTexts(doc.pages.front()).contains("总    计"));
    }
};

WYGL_TEST(TestFeeReports)
#include "tst_FeeReports.moc"
