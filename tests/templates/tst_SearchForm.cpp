#include "app/Main.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Find.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

using Rows = QVector<SearchCondition>;

void fourOwners(data::Connection& c)
{
    const char* sql = "INSERT INTO Owner (ownerId, ownerName, Sex, Folk, xueli, Factory, Phone, JoinDate) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)";
    c.exec(sql, {"1", "张三", "男", "汉族", "大学", "机床厂", "13800000001", "2003-05-01 00:00:00"});
    c.exec(sql, {"2", "李四", "女", "汉族", "中学", "O'Neil", "13800000002", "2003-06-01 00:00:00"});
    c.exec(sql, {"3", "王五", "男", "回族", "大学", "机床厂", "13800000003", "2004-01-01 00:00:00"});
    c.exec(sql, {"4", "O'Brien", "女", "回族", "中学", "商店", "13800000004", "2004-02-01 00:00:00"});
}

// Puts a condition together in the window and adds it, as the user does.
void addCondition(SearchForm* f, const SearchCondition& c)
{
    f->CB_GX->setCurrentIndex(f->CB_GX->findText(c.relation));
    f->CB_ZD->setCurrentIndex(f->CB_ZD->findText(c.field));
    f->CB_TJian->setCurrentIndex(f->CB_TJian->findText(c.op));
    f->E_Value->setText(c.value);
    f->BitBtn1Click();
}

// The owner ids of the rows found, in order, joined by ','.
QString found(SearchForm* f)
{
    QStringList ids;
    data::Query* q = f->result();
    for (int i = 0; q->isActive() && i < q->recordCount(); ++i)
        ids << data::variantToText(q->valueAt(i, q->fieldByName("ownerId")->index()));
    return ids.join(',');
}

// Owned by the frame, so that it goes with the fixture.
TfrmFind* openFind()
{
    return ui::openChildForm(frmFind, mdiForm);
}

}  // namespace

Q_DECLARE_METATYPE(Rows)

class TestSearchForm : public QObject {
    Q_OBJECT
private slots:
    void onlyTheFixedListsReachTheStatement()
    {
        const SearchStatement s = ownerSearchConfig().statement;
        QVERIFY_THROWS_EXCEPTION(data::Error, s.conditionText(Rows{{"", "民族", "> 0 OR 1=", "x"}}));
        QVERIFY_THROWS_EXCEPTION(data::Error, s.conditionText(Rows{{"", "Folk; DROP TABLE Owner", "=", "x"}}));
    }

    void searching_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("ids");
        QTest::newRow("=") << Rows{{"", "民族", "=", "汉族"}} << "1,2";
        QTest::newRow("<>") << Rows{{"", "性别", "<>", "男"}} << "2,4";
        QTest::newRow("AND binds before OR")
            << Rows{{"", "民族", "=", "汉族"}, {"并且", "性别", "=", "男"}, {"或者", "民族", "=", "回族"}} << "1,3,4";
        QTest::newRow("OR, then AND")
            << Rows{{"", "性别", "=", "女"}, {"或者", "民族", "=", "回族"}, {"并且", "文化程度", "=", "大学"}}
            << "2,3,4";
        QTest::newRow("no relation: OR") << Rows{{"", "业主姓名", "=", "张三"}, {"", "业主姓名", "=", "李四"}} << "1,2";
        QTest::newRow("a quote is a character") << Rows{{"", "业主姓名", "=", "O'Brien"}} << "4";
        QTest::newRow("a quote and a trick") << Rows{{"", "工作单位", "=", "x' OR '1'='1"}} << "";
        QTest::newRow("a number column") << Rows{{"", "联系电话", "=", "13800000003"}} << "3";
        QTest::newRow("no match") << Rows{{"", "民族", "=", "满族"}} << "";
    }
    void searching()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, ids);
        AppFixture app("1", fourOwners);
        TfrmFind* f = openFind();
        for (const SearchCondition& c : rows)
            addCondition(f, c);
        f->TB_FindClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(found(f), ids);
        const int n = ids.isEmpty() ? 0 : int(ids.count(',')) + 1;
        QCOMPARE(f->lbl1->text(), QString("当前记录共   %1  条").arg(n));
        QCOMPARE(f->DBG_Data->model()->rowCount(), n);
    }

    void buildingTheList()
    {
        AppFixture app("1", fourOwners);
        TfrmFind* f = openFind();
        QCOMPARE(f->windowTitle(), QString("  查找。。。"));
        QCOMPARE(f->lbl1->text(), QString("当前记录共      条"));
        QVERIFY(f->isVisible());
        QVERIFY(!f->TB_Print->isVisible());
        // A missing part adds nothing.
        addCondition(f, {"", "民族", "=", ""});
        QCOMPARE(Msg::texts(MsgKind::Plain), QStringList{"查找字段、查找条件或查找值不能为空"});
        QCOMPARE(f->LV_Sql->rowCount(), 0);
        // The first row has no relation; later rows take the list's text.
        addCondition(f, {"并且", "民族", "=", "汉族"});
        addCondition(f, {"并且", "性别", "=", "男"});
        addCondition(f, {"", "性别", "=", "女"});
        QCOMPARE(f->LV_Sql->row(0), (QStringList{"", "民族", "=", "汉族"}));
        QCOMPARE(f->LV_Sql->row(1), (QStringList{"并且", "性别", "=", "男"}));
        QCOMPARE(f->LV_Sql->row(2), (QStringList{"", "性别", "=", "女"}));
        // Enter adds the condition in the inputs.
        QTest::keyClick(f->E_Value, Qt::Key_Return);
        QCOMPARE(f->LV_Sql->rowCount(), 4);
        // Delete: the selected row; nothing when none is selected.
        f->LV_Sql->clearSelection();
        f->BB_DeleteClick();
        QCOMPARE(f->LV_Sql->rowCount(), 4);
        f->LV_Sql->selectRow(1);
        f->BB_DeleteClick();
        QCOMPARE(f->LV_Sql->rowCount(), 3);
        QCOMPARE(f->LV_Sql->rowText(1, 1), QString("性别"));
        QCOMPARE(f->LV_Sql->rowText(1, 3), QString("女"));
        f->LV_Sql->selectRow(0);
        QTest::keyClick(f->LV_Sql, Qt::Key_Escape);
        QCOMPARE(f->LV_Sql->rowCount(), 2);

        // Clear, then Find: the list is empty.
        f->TB_FindClick();
        QCOMPARE(f->lbl1->text(), QString("当前记录共   2  条"));
        f->TB_ClearClick();
        QCOMPARE(f->LV_Sql->rowCount(), 0);
        QCOMPARE(f->lbl1->text(), QString("当前记录共 0 条"));
        QCOMPARE(f->DBG_Data->model()->rowCount(), 0);
        Msg::clearLog();
        f->TB_FindClick();
        QCOMPARE(Msg::texts(MsgKind::Plain), QStringList{"你还没有选择数据记录查找条件，请选择"});
    }

    void textForANumberIsRefusedAndTheResultStays()
    {
        AppFixture app("1", fourOwners);
        TfrmFind* f = openFind();
        addCondition(f, {"", "民族", "=", "汉族"});
        f->TB_FindClick();
        f->TB_ClearClick();
        addCondition(f, {"", "民族", "=", "汉族"});
        f->TB_FindClick();
        addCondition(f, {"或者", "联系电话", "=", "没有"});
        try {
            f->TB_FindClick();
            QFAIL("text was taken for a number");
        } catch (const data::Error& e) {
            QVERIFY2(e.message().contains("联系电话"), qPrintable(e.message()));
        }
        QCOMPARE(f->lbl1->text(), QString("当前记录共   2  条"));
        QCOMPARE(f->DBG_Data->model()->rowCount(), 2);
    }

    void hidingTheConditions()
    {
        AppFixture app("1", fourOwners);
        TfrmFind* f = openFind();
        QCOMPARE(f->TB_Hide->text(), QString("隐藏"));
        f->TB_HideClick();
        QVERIFY(f->Panel1->isHidden());
        QCOMPARE(f->DBG_Data->height(), 358);
        QCOMPARE(f->TB_Hide->text(), QString("显示"));
        QVERIFY(f->TB_Find->isEnabled());  // the owner search finds with the list hidden
        f->TB_HideClick();
        QVERIFY(!f->Panel1->isHidden());
        QCOMPARE(f->DBG_Data->height(), 153);
        QCOMPARE(f->TB_Hide->text(), QString("隐藏"));
    }

    // What other search windows may vary: date fields, Find only with the
    // conditions shown, and printing the result.
    void theVariablePoints()
    {
        AppFixture app("1", fourOwners);
        SearchConfig cfg = ownerSearchConfig();
        cfg.caption = "查找。。。";
        cfg.statement.fields << SearchField{"入住日期", "JoinDate"};
        cfg.statement.operators << ">" << "<";
        cfg.dateCaptions = QStringList{"入住日期"};
        cfg.findOnlyWhenShown = true;
        int printed = 0;
        cfg.print = [&](SearchForm& s) { printed += s.result()->recordCount(); };
        SearchForm f(cfg);
        f.runCreate();
        f.show();
        QVERIFY(f.TB_Print->isVisible());
        QVERIFY(!f.TB_Print->isEnabled());

        f.CB_ZD->setCurrentIndex(f.CB_ZD->findText("入住日期"));
        f.E_Value->setText("2003/6/1");
        f.E_ValueExit();
        QCOMPARE(f.E_Value->text(), QString("2003-06-01"));
        f.E_Value->setText("前年");
        f.E_ValueExit();
        QCOMPARE(f.E_Value->text(), QDate::currentDate().toString("yyyy-MM-dd"));

        addCondition(&f, {"", "入住日期", "<", "2003-06-01"});
        addCondition(&f, {"或者", "入住日期", ">", "2004-01-01"});
        f.TB_FindClick();
        QCOMPARE(found(&f), QString("1,4"));
        QVERIFY(f.TB_Print->isEnabled());
        f.TB_PrintClick();
        QCOMPARE(printed, 2);

        f.TB_HideClick();
        QVERIFY(!f.TB_Find->isEnabled());
        f.TB_HideClick();
        QVERIFY(f.TB_Find->isEnabled());
        f.TB_ClearClick();
        QVERIFY(!f.TB_Print->isEnabled());
    }

    void screenshot()
    {
        AppFixture app("1", fourOwners);
        TfrmFind* f = openFind();
        addCondition(f, {"", "民族", "=", "汉族"});
        addCondition(f, {"或者", "性别", "<>", "男"});
        f->TB_FindClick();
        QVERIFY(!testsupport::saveScreenshot(f, "owner-search").isEmpty());
        f->close();
    }
};

WYGL_TEST(TestSearchForm)
#include "tst_SearchForm.moc"
