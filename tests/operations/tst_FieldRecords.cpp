// The records of field work and the security incidents as their users meet
// them: dates and times that belong to Add, a number fixed once saved, the
// sanitation grid's click, incidents that repeat, and date searches.

#include "RegisterDriver.h"
#include "operations/fieldwork/FieldRegisters.h"
#include "operations/fieldwork/FieldSearches.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QSqlQuery>
#include <QMdiSubWindow>
#include <QTabWidget>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace registertest;

namespace {

const char* const kVisitRequired = "编号和人员均不能为空！";

// One stored visit per register, numbered V1, on the last day of 2023.
void oneVisitEach(data::Connection& c)
{
    c.exec("INSERT INTO patrol (patrolId, patrolDate, patrolTime, patrolMan, patrolluxian, patrolGut) "
           "VALUES ('V1', '2023-12-31 00:00:00', '1899-12-30 09:15:00', '张三', '东门', '巡查')");
    c.exec("INSERT INTO BojeWork (BjWorkId, BjDate, BjTime, BjMan, BjGut) "
           "VALUES ('V1', '2023-12-31 00:00:00', '1899-12-30 09:15:00', '张三', '清扫')");
    c.exec("INSERT INTO FirCheck (CheckId, CheckDate, CheckTime, CheckMan, CheckGut) "
           "VALUES ('V1', '2023-12-31 00:00:00', '1899-12-30 09:15:00', '张三', '灭火器')");
}

QString stored(AppFixture& app, const QString& table, const QString& column, const QString& key,
               const QString& value)
{
    return app.db()
        .scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(column, table, key), {value})
        .toString();
}

}  // namespace

class TestFieldRecords : public QObject {
    Q_OBJECT
private slots:
    void visits_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("person");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("emptied");  // besides number and person
        QTest::newRow("patrols") << "TfrmPatrol" << "patrol" << "patrolId" << "patrolMan" << "patrolDate"
                                 << QStringList{"DBE_Luxian", "DBM_Gut", "DBM_Result"};
        QTest::newRow("sanitation") << "TfrmBojeWork" << "BojeWork" << "BjWorkId" << "BjMan" << "BjDate"
                                    << QStringList{"DBM_Gut", "DBM_Result"};
        QTest::newRow("fire checks") << "TfrmFirCheck" << "FirCheck" << "CheckId" << "CheckMan" << "CheckDate"
                                     << QStringList{"DBM_Gut", "DBM_Result"};
    }

    // Opening shows the stored date and time; Add stamps the moment it was
    // pressed; a new visit without a person is refused and what was typed
    // is emptied.
    void addingAVisit_data() { visits_data(); }
    void addingAVisit()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, table);
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QStringList, emptied);
        AppFixture app("1", oneVisitEach);
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        QCOMPARE(textOf(w, "DBE_Data"), QString("2023-12-31"));
        QCOMPARE(textOf(w, "DBE_Time"), QString("09:15:00"));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);

        const QTime before = QTime::currentTime().addSecs(-1);
        w->TB_AddClick();
        // The new visit shows after the stored one, where it stays.
        QCOMPARE(w->dataSet()->recordCount(), 2);
        QCOMPARE(w->dataSet()->recNo(), 2);
        QCOMPARE(textOf(w, "DBE_Data"), QDate::currentDate().toString("yyyy-MM-dd"));
        const QTime at = QTime::fromString(textOf(w, "DBE_Time"), "hh:mm:ss");
        QVERIFY(at >= before && at <= QTime::currentTime());
        QVERIFY(!w->control("DBE_Data")->isEnabled() && !w->control("DBE_Time")->isEnabled());
        setText(w, "DBE_ID", "V2");
        for (const QString& c : emptied)
            setText(w, c, "内容");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kVisitRequired});
        for (const QString& c : emptied + QStringList{"DBE_ID"})
            QVERIFY2(textOf(w, c).isEmpty(), qPrintable(c));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);

        setText(w, "DBE_ID", "V1");
        setText(w, "DBE_Ren", "李四");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).last(), QString("该编号记录已存在！重新输入。"));
        setText(w, "DBE_ID", "V2");
        w->TB_SaveClick();
        QCOMPARE(Msg::log().size(), 2);
        QCOMPARE(app.db().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 'V2'").arg(date, table, number))
                     .toDateTime()
                     .date(),
                 QDate::currentDate());
    }

    // The number is fixed once saved: a modify-save without a person keeps
    // it (so the visit can still be corrected and saved), and the date and
    // time stay those of the visit.
    void modifyingKeepsTheNumber_data() { visits_data(); }
    void modifyingKeepsTheNumber()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, table);
        QFETCH(QString, number);
        QFETCH(QString, person);
        QFETCH(QString, date);
        QFETCH(QStringList, emptied);
        AppFixture app("1", oneVisitEach);
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        w->TB_ModiClick();
        QVERIFY(!w->DBE_ID->isEnabled());
        QVERIFY(w->control("DBE_Ren")->isEnabled());
        setText(w, "DBE_Ren", "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kVisitRequired});
        QCOMPARE(textOf(w, "DBE_ID"), QString("V1"));
        QVERIFY(!w->DBE_ID->isEnabled());
        for (const QString& c : emptied)
            QVERIFY2(textOf(w, c).isEmpty(), qPrintable(c));
        setText(w, "DBE_Ren", "王五");
        w->TB_SaveClick();
        QCOMPARE(Msg::log().size(), 1);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QCOMPARE(stored(app, table, person, number, "V1"), QString("王五"));
        QCOMPARE(app.db().scalar(QStringLiteral("SELECT %1 FROM %2").arg(date, table)).toDateTime().date(),
                 QDate(2023, 12, 31));
    }

    // The sanitation grid: a click only offers Modify and Delete and leaves
    // a new record as it is; moving to another column drops it. The patrol
    // grid's click drops it too.
    void theSanitationGrid()
    {
        AppFixture app("1", oneVisitEach);
        RegisterEditor* w = openRegister("TfrmBojeWork");
        w->TB_AddClick();
        setText(w, "DBE_ID", "V2");
        emit w->DBGrid1->cellClicked(0, "BjWorkId");
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QCOMPARE(textOf(w, "DBE_ID"), QString("V2"));
        QVERIFY(w->TB_Modi->isEnabled() && w->TB_Delete->isEnabled() && !w->TB_Add->isEnabled());
        emit w->DBGrid1->columnEntered(1, "BjDate");
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QVERIFY(w->TB_Add->isEnabled() && !w->control("DBE_Ren")->isEnabled());

        RegisterEditor* p = openRegister("TfrmPatrol");
        p->TB_AddClick();
        emit p->DBGrid1->cellClicked(0, "patrolId");
        QCOMPARE(p->dataSet()->state(), data::DataSetState::Browse);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BojeWork").toInt() +
                     app.db().scalar("SELECT count(*) FROM patrol").toInt(),
                 2);
    }

    // Incidents have no number: two alike are both kept, a delete takes the
    // one chosen, the name may be changed, and one without a handler is
    // refused with what was typed emptied.
    void incidents()
    {
        AppFixture app("1", [](data::Connection& c) {
            for (int i = 0; i < 2; ++i)
                c.exec("INSERT INTO BoanAffair (BoanAffName, BoanDate, BoanRen, BoanDi) "
                       "VALUES ('盗窃', '2024-01-01 00:00:00', '保安甲', '车库')");
        });
        auto count = [&] { return app.db().scalar("SELECT count(*) FROM BoanAffair").toInt(); };
        RegisterEditor* w = openRegister("TfrmBoanAffair");
        w->TB_AddClick();
        for (const char* c : {"DBE_Name", "DBE_Di", "DBE_Jieguo", "DBM_Jianshu", "DBM_Chuli"})
            setText(w, c, "内容");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"事件和人员均不能为空！"});
        for (const char* c : {"DBE_Name", "DBE_Di", "DBE_Jieguo", "DBM_Jianshu", "DBM_Chuli"})
            QVERIFY2(textOf(w, c).isEmpty(), c);
        setText(w, "DBE_Name", "盗窃");
        setText(w, "DBE_Ren", "保安甲");
        setText(w, "DBE_Di", "车库");
        w->TB_SaveClick();
        QCOMPARE(count(), 3);

        // Of three alike, the second goes.
        auto rids = [&] {
            QVariantList out;
            QSqlQuery q = app.db().exec("SELECT rid FROM BoanAffair ORDER BY rid");
            while (q.next())
                out << q.value(0).toLongLong();
            return out;
        };
        QVariantList left = rids();
        w->TB_FirstClick();
        w->TB_NextClick();
        left.removeOne(w->dataSet()->rowId());
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(rids(), left);

        w->TB_FirstClick();
        w->TB_ModiClick();
        QVERIFY(w->control("DBE_Name")->isEnabled());
        setText(w, "DBE_Name", "盗窃未遂");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BoanAffair WHERE BoanAffName = '盗窃未遂'").toInt(), 1);
    }

    // Dates of visits compare as dates across a year's end; a value that is
    // no date searches today's visits.
    void searchingByDate()
    {
        AppFixture app("1", [](data::Connection& c) {
            const char* sql = "INSERT INTO patrol (patrolId, patrolDate, patrolMan) VALUES (?, ?, ?)";
            c.exec(sql, {"P1", "2023-12-30 00:00:00", "张三"});
            c.exec(sql, {"P2", "2023-12-31 00:00:00", "李四"});
            c.exec(sql, {"P3", "2024-01-01 00:00:00", "张三"});
            c.exec(sql, {"P4", "2024-01-02 00:00:00", "王五"});
        });
        RegisterEditor* w = openRegister("TfrmPatrol");
        w->TB_AddClick();
        setText(w, "DBE_ID", "P5");
        setText(w, "DBE_Ren", "赵六");
        w->TB_SaveClick();
        w->TB_FindClick();
        SearchForm* f = frmPatFind;
        QVERIFY(f && f->parentWidget() == w);
        addCondition(f, "", "巡检日期", ">", "2023/12/30");
        addCondition(f, "并且", "巡检日期", "<", "2024-1-2");
        f->TB_FindClick();
        QCOMPARE(found(f, "patrolId"), (QStringList{"P2", "P3"}));
        f->TB_ClearClick();
        addCondition(f, "", "巡检日期", "=", "今天");
        addCondition(f, "或者", "巡检人员", "=", "张三");
        f->TB_FindClick();
        QCOMPARE(found(f, "patrolId"), (QStringList{"P1", "P3", "P5"}));
    }

    void screenshots()
    {
        AppFixture app("1", oneVisitEach);
        for (const char* c : {"TfrmPatrol", "TfrmBoanAffair", "TfrmBojeWork", "TfrmFirCheck"}) {
            RegisterEditor* w = openRegister(c);
            w->TB_ModiClick();
            QVERIFY(w->mdiSubWindow()->isMaximized());
            QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), QString(c).mid(4).toLower()).isEmpty());
            w->close();
        }
    }
};

WYGL_TEST(TestFieldRecords)
#include "tst_FieldRecords.moc"
