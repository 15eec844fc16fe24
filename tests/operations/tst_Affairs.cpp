// The affairs registers and the equipment register as their users meet them:
// type lists from the code tables, what a failed save empties, text dates
// in the searches, and the equipment window that has no grid.

#include "RegisterDriver.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "operations/RegisterWindows.h"
#include "operations/affairs/AffairsRegisters.h"
#include "operations/equipment/EquipmentRegisters.h"
#include "operations/equipment/EquipmentSearches.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"
#include "templates/SearchForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace registertest;

namespace {

template <typename T>
T* child(RegisterEditor* w, const QString& name)
{
    auto* c = qobject_cast<T*>(w->control(name));
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

void choose(ui::DBComboBox* list, const QString& item)
{
    const int i = list->findText(item);
    list->setCurrentIndex(i);
    emit list->activated(i);
}

}  // namespace

class TestAffairs : public QObject {
    Q_OBJECT
private slots:
    // A type list offers the code table's names in table order. A stored
    // name the table no longer has stays shown and stored until the user
    // chooses another; a new record saved with nothing chosen stores "".
    void typeListsKeepStoredNames_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("codeTable");  // code column, name column
        QTest::addColumn<QString>("table");      // key column, type column
        QTest::addColumn<QString>("other");      // another edit and its column
        QTest::newRow("training") << "TfrmPeix" << "DBC_PeixType" << "PeixType:PeixTID:peixTName"
                                  << "PeiXun:PeixId:PeixTName" << "DBE_Name:PeixName";
        QTest::newRow("activities") << "TfrmCampaign" << "DBC_HuodType" << "HuodType:HuodTId:HuodTName"
                                    << "campaign:HuodId:HuodTName" << "DBE_Name:HuodName";
        QTest::newRow("meetings") << "TfrmMeeting" << "DBC_MeetType" << "meetType:meetTid:meetTName"
                                  << "meeting:meetId:meetTName" << "DBE_Name:meetName";
        QTest::newRow("projects") << "TfrmProject" << "DBC_PrjType" << "prjType:prjTypeid:prjTname"
                                  << "project:prjId:prjTName" << "DBE_Name:prjName";
        QTest::newRow("equipment system") << "TfrmFixing" << "DBC_SysName" << "fixSys:fixsysId:fixsysName"
                                          << "fixing:fixId:fixSysName" << "DBE_Fix:fixtureName";
        QTest::newRow("equipment category") << "TfrmFixing" << "DBC_FixName" << "fixtype:fixTypeID:fixName"
                                            << "fixing:fixId:fixName" << "DBE_Type:fixtureNum";
    }
    void typeListsKeepStoredNames()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, list);
        QFETCH(QString, codeTable);
        QFETCH(QString, table);
        QFETCH(QString, other);
        const QStringList code = codeTable.split(':'), rec = table.split(':'), edit = other.split(':');
        AppFixture app("1", [&](data::Connection& c) {
            const QString sql = QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(code[0], code[1], code[2]);
            c.exec(sql, {"2", "乙类"});
            c.exec(sql, {"1", "甲类"});
            c.exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES ('K1', '旧类')").arg(rec[0], rec[1], rec[2]));
        });
        auto stored = [&](const QString& key) {
            return app.db().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(rec[2], rec[0], rec[1]), {key});
        };
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        auto* types = child<ui::DBComboBox>(w, list);
        QCOMPARE(types->items(), (QStringList{"乙类", "甲类"}));
        QVERIFY(types->listOnly());
        QCOMPARE(types->currentText(), QString("旧类"));

        // Another field modified: the stored name stays.
        w->TB_ModiClick();
        setText(w, edit[0], "改过");
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::log().value(0).text));
        QCOMPARE(stored("K1").toString(), QString("旧类"));
        QCOMPARE(app.db().scalar(QStringLiteral("SELECT %1 FROM %2").arg(edit[1], rec[0])).toString(), QString("改过"));

        // A name chosen is written back.
        w->TB_ModiClick();
        choose(types, "甲类");
        w->TB_SaveClick();
        QCOMPARE(stored("K1").toString(), QString("甲类"));
        QCOMPARE(types->items(), (QStringList{"乙类", "甲类"}));

        // Nothing chosen for a new record: empty text, not null.
        w->TB_AddClick();
        setText(w, w->DBE_ID->objectName(), "K2");
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::log().value(0).text));
        const QVariant none = stored("K2");
        QVERIFY(!none.isNull());
        QCOMPARE(none.toString(), QString());
    }

    // Save with an empty number: the warning, the edits that the register
    // empties, and the record left open.
    void anEmptyNumber_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("plans") << "TfrmPlans" << QStringList{"DBE_Name", "DBE_Taster", "DBM_Gut"} << QStringList{};
        QTest::newRow("training") << "TfrmPeix" << QStringList{"DBE_Name"}
                                  << QStringList{"DBE_Motif", "DBE_Lecture", "DBM_Attendee", "DBM_Test", "DBE_Taster"};
        QTest::newRow("projects") << "TfrmProject" << QStringList{"DBE_Name"}
                                  << QStringList{"DBE_BUnit", "DBE_Phone", "DBM_CAAccept"};
        QTest::newRow("equipment") << "TfrmFixing" << QStringList{"DBE_Fix"}
                                   << QStringList{"DBE_Type", "DBE_State", "DBE_Posit", "DBE_Provider"};
    }
    void anEmptyNumber()
    {
        QFETCH(QString, windowClass);
        QFETCH(QStringList, emptied);
        QFETCH(QStringList, kept);
        AppFixture app("1");
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        w->TB_AddClick();
        for (const QString& name : emptied + kept)
            setText(w, name, "内容");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号不能为空！"});
        for (const QString& name : emptied)
            QVERIFY2(textOf(w, name).isEmpty(), qPrintable(name));
        for (const QString& name : kept)
            QCOMPARE(textOf(w, name), QString("内容"));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->DBE_ID));
        QCOMPARE(app.db().scalar("SELECT count(*) FROM " + w->registerConfig().record.table).toInt(), 0);
    }

    // The affairs date a record from today to today as "yyyy-MM-dd" text;
    // their searches rewrite a typed date the same way, so text compares
    // in date order across a year's end.
    void textDatesAndTheirSearch()
    {
        AppFixture app("1", [](data::Connection& c) {
            const char* sql = "INSERT INTO plans (planId, planName, startDate, EndDate) VALUES (?, ?, ?, ?)";
            c.exec(sql, {"P1", "年终", "2023-12-31", "2023-12-31"});
            c.exec(sql, {"P2", "新年", "2024-01-01", "2024-01-15"});
            c.exec(sql, {"P3", "春节", "2024-02-03", "2024-02-20"});
        });
        RegisterEditor* w = openRegister("TfrmPlans");
        w->TB_AddClick();
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QCOMPARE(textOf(w, "DBE_SDate"), today);
        QCOMPARE(textOf(w, "DBE_EDate"), today);
        setText(w, "DBE_ID", "P4");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT EndDate FROM plans WHERE planId = 'P4'").toString(), today);

        w->TB_FindClick();
        auto* f = w->findChild<SearchForm*>();
        QVERIFY(f);
        QVERIFY(!f->TB_Print->isVisibleTo(f));
        addCondition(f, "", "开始日期", ">", "2023/12/31");
        QCOMPARE(f->conditions().value(0).value, QString("2023-12-31"));
        addCondition(f, "并且", "结束日期", "<", "2024-2-1");
        f->TB_FindClick();
        QCOMPARE(found(f, "planId"), QStringList{"P2"});
        // A value that is no date becomes today's.
        f->TB_ClearClick();
        addCondition(f, "", "开始日期", "=", "明天");
        f->TB_FindClick();
        QCOMPARE(found(f, "planId"), QStringList{"P4"});
    }

    // The equipment register has no grid: records are reached by the
    // navigation buttons, its search lists them without moving the register.
    void theEquipmentRegister()
    {
        AppFixture app("1", [](data::Connection& c) {
            const char* sql = "INSERT INTO fixing (fixId, fixtureName, setupDate, runDate, longevity) "
                              "VALUES (?, ?, ?, ?, ?)";
            c.exec(sql, {"F1", "水泵", "2023-12-31 00:00:00", "2024-01-05 00:00:00", 10});
            c.exec(sql, {"F2", "电梯", "2024-01-02 00:00:00", "2024-03-01 00:00:00", 15});
        });
        auto* w = static_cast<TfrmFixing*>(openRegister("TfrmFixing"));
        QVERIFY(!w->DBGrid1);
        QVERIFY(!w->findChild<ui::DBGrid*>());
        QCOMPARE(w->TB_Find->text(), QString("浏览"));
        QVERIFY(!w->TB_Print);
        QVERIFY(w->findChild<QLabel*>() && !w->findChildren<QLabel*>().isEmpty());
        bool years = false;
        for (QLabel* l : w->findChildren<QLabel*>())
            years = years || l->text() == "年";
        QVERIFY(years);
        QCOMPARE(textOf(w, "DBE_Fix"), QString("水泵"));
        w->TB_NextClick();
        QCOMPARE(textOf(w, "DBE_Fix"), QString("电梯"));
        QCOMPARE(textOf(w, "DBE_Longe"), QString("15"));

        // Add dates the equipment today; Save and Cancel offer Modify again.
        w->TB_AddClick();
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QCOMPARE(textOf(w, "DBE_SDate"), today);
        QCOMPARE(textOf(w, "DBE_RDate"), today);
        QVERIFY(!w->TB_Modi->isEnabled());
        setText(w, "DBE_ID", "F3");
        w->TB_SaveClick();
        QVERIFY(w->TB_Add->isEnabled() && w->TB_Modi->isEnabled());
        QCOMPARE(app.db().scalar("SELECT setupDate FROM fixing WHERE fixId = 'F3'").toDateTime().date(),
                 QDate::currentDate());
        w->TB_ModiClick();
        QVERIFY(w->DBE_ID->isEnabled());  // the number stays editable
        w->TB_CancelClick();
        QVERIFY(w->TB_Add->isEnabled() && w->TB_Modi->isEnabled());
        // An impossible date is refused, though the dates have no check on leaving.
        w->TB_ModiClick();
        testsupport::typeInto(child<ui::DBEdit>(w, "DBE_RDate"), "20240230");
        QTest::mouseClick(w->TB_Save, Qt::LeftButton);
        QCOMPARE(Msg::log().size(), 1);
        QVERIFY2(Msg::log()[0].text.contains("“启用日期”的日期格式不正确"), qPrintable(Msg::log()[0].text));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Edit);
        w->TB_CancelClick();
        Msg::clearLog();

        // Its search: the installation date is a date field, the start-up
        // date is compared as typed.
        const int at = w->dataSet()->recNo();
        w->TB_FindClick();
        TfrmFixFind* f = frmFixFind;
        QVERIFY(f);
        f->CB_ZD->setCurrentIndex(f->CB_ZD->findText("启用日期"));
        f->CB_TJian->setCurrentIndex(0);
        f->E_Value->setText("以后");
        f->E_ValueExit();
        QCOMPARE(f->E_Value->text(), QString("以后"));
        f->BitBtn1Click();
        QVERIFY_THROWS_EXCEPTION(data::Error, f->TB_FindClick());  // no date: the date error
        f->TB_ClearClick();
        addCondition(f, "", "启用日期", "=", "2024-01-05");
        addCondition(f, "或者", "安装日期", ">", "2024/1/1");
        f->TB_FindClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::log().value(0).text));
        QCOMPARE(found(f, "fixId"), (QStringList{"F1", "F2", "F3"}));
        QCOMPARE(w->dataSet()->recNo(), at);
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("windowClass");
        for (const char* c : {"TfrmPlans", "TfrmPeix", "TfrmCampaign", "TfrmMeeting", "TfrmProject", "TfrmFixing", "TfrmMend", "TfrmEgis"})
            QTest::newRow(c) << c;
    }
    void screenshots()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1");
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        w->TB_AddClick();
        QCOMPARE(w->mdiSubWindow()->size(), w->registerConfig().record.size);
        const QString name = windowClass.mid(4).toLower();
        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), name).isEmpty());
        if (auto* pages = w->findChild<QTabWidget*>(); pages && pages->count() > 1) {
            pages->setCurrentIndex(1);
            QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), name + "-2").isEmpty());
        }
    }
};

WYGL_TEST(TestAffairs)
#include "tst_Affairs.moc"
