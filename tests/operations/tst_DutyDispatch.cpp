// The duty dispatch: the post, shift and employee worked on are the ones
// shown; staff are added, one assignment deleted and a post re-arranged.

#include "OpenTarget.h"

#include "operations/dispatch/DutyDispatch.h"
#include "operations/staff/StaffBrowser.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

void staff(data::Connection& c)
{
    c.exec("INSERT INTO Employee (EmpID, EmpType, ETName) VALUES ('E1', '保安', '张三'), ('E2', '保安', '李四'), "
           "('E3', '保安', NULL), ('C1', '保洁', '赵六')");
}

// Posts 2 (three shifts) and 5 (two), no post 1; two assignments of post 2.
void security(data::Connection& c)
{
    staff(c);
    c.exec("INSERT INTO BoanPost (BPostId, BPName, BPBanshu) VALUES (2, '东门', 3), (5, '西门', 2)");
    c.exec("INSERT INTO BoanPaiG (BPostId, BanCi, EmpId, EmpName) VALUES (2, 1, 'E2', '李四'), (2, 3, 'E1', '张三')");
}

QStringList column(QAbstractItemView* grid, int col)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, col).data().toString();
    return out;
}

QStringList cells(DutyDispatch* w)
{
    QStringList out;
    for (int c = 0; c < w->SG_Shifts->columnCount(); ++c)
        out << (w->SG_Shifts->item(0, c) ? w->SG_Shifts->item(0, c)->text() : QString());
    return out;
}

QStringList stored(data::Connection& c, const QString& table)
{
    QStringList out;
    QSqlQuery q = c.exec(QStringLiteral("SELECT BPostId, BanCi, EmpId, EmpName FROM %1 ORDER BY rid").arg(table));
    while (q.next())
        out << QStringLiteral("%1/%2/%3/%4").arg(q.value(0).toString(), q.value(1).toString(),
                                                 q.value(2).toString(), q.value(3).toString());
    return out;
}

void pick(ui::DBGrid* grid, int row)
{
    grid->setCurrentIndex(grid->model()->index(row, 0));
}

}  // namespace

class TestDutyDispatch : public QObject {
    Q_OBJECT
private slots:
    void eachWindowSendsItsOwnStaff_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("posts");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("employee");  // the only one of the type
        QTest::addColumn<int>("height");
        QTest::newRow("security") << "BoanPaiG" << "保安人员派工" << "BoanPost" << "BoanPaiG" << "E1/张三" << 420;
        QTest::newRow("cleaning") << "BojePaiG" << "保洁人员排工" << "BojePost" << "BojePaiG" << "C1/赵六" << 485;
    }
    void eachWindowSendsItsOwnStaff()
    {
        QFETCH(QString, target);
        QFETCH(QString, caption);
        QFETCH(QString, posts);
        QFETCH(QString, table);
        QFETCH(QString, employee);
        QFETCH(int, height);
        AppFixture app("1", [posts](data::Connection& c) {
            c.exec("INSERT INTO Employee (EmpID, EmpType, ETName) VALUES ('E1', '保安', '张三'), ('C1', '保洁', '赵六')");
            c.exec(QStringLiteral("INSERT INTO %1 (BPostId, BPName, BPBanshu) VALUES (4, '一岗', 2)").arg(posts));
        });
        auto* w = optest::openTarget<DutyDispatch>(target);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->frameWidget()->size(), QSize(676, height));
        QCOMPARE(column(w->DBGrid3, 0).join(u'/') + u'/' + column(w->DBGrid3, 2).join(u'/'), employee);
        QCOMPARE(w->shownPost(), std::optional<qlonglong>(4));
        QCOMPARE(cells(w), QStringList({"1", "2"}));
        w->DBGrid3Enter();
        QVERIFY(w->SP_Add->isEnabled());
        w->SP_AddClick();
        QCOMPARE(stored(app.db(), table), QStringList{"4/1/" + employee});
        QCOMPARE(column(w->DBGrid2, 1), QStringList{employee.section(u'/', 1)});
        if (target == "BoanPaiG")
            testsupport::saveScreenshot(w->frameWidget(), "duty-dispatch");
    }

    void withoutPostsNothingIsSent_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("warning");
        QTest::newRow("security") << "BoanPaiG" << "尚无保安员工可供安排,请先设置保安岗位！";
        QTest::newRow("cleaning") << "BojePaiG" << "尚无保洁员工可供安排,请先设置保洁岗位！";
    }
    void withoutPostsNothingIsSent()
    {
        QFETCH(QString, target);
        QFETCH(QString, warning);
        AppFixture app("1", staff);
        auto* w = optest::openTarget<DutyDispatch>(target);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{warning});
        QCOMPARE(cells(w), QStringList{""});
        w->SG_SelectCell(0);
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{"请先选中相应的岗位编号"});
        w->DBGrid3Enter();
        QVERIFY(!w->SP_Add->isEnabled());
        w->SP_AddClick();
        w->TB_ReSetClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"未选中要重排的岗位编号"});
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BoanPaiG").toInt()
                     + app.db().scalar("SELECT count(*) FROM BojePaiG").toInt(),
                 0);
    }

    void theShownPostShiftAndEmployeeAreWorkedOn()
    {
        AppFixture app("1", security);
        auto* w = optest::openTarget<DutyDispatch>("BoanPaiG");
        // The first post's own number, its first shift.
        QCOMPARE(w->shownPost(), std::optional<qlonglong>(2));
        QCOMPARE(cells(w), QStringList({"1", "2", "3"}));
        QCOMPARE(column(w->DBGrid2, 1), QStringList{"李四"});
        w->SG_Shifts->setCurrentCell(0, 2);
        QCOMPARE(column(w->DBGrid2, 1), QStringList{"张三"});
        // Another post shows its own first shift, and Add goes there.
        pick(w->DBGrid1, 1);
        QCOMPARE(w->shownPost(), std::optional<qlonglong>(5));
        QCOMPARE(w->shownShift(), 1);
        QCOMPARE(cells(w), QStringList({"1", "2"}));
        QVERIFY(column(w->DBGrid2, 1).isEmpty());
        w->DBGrid3Enter();
        w->SP_AddClick();
        QVERIFY(!w->SP_Add->isEnabled());
        w->DBGrid3CellClick();
        w->SP_AddClick();
        QCOMPARE(column(w->DBGrid2, 1), QStringList({"张三", "张三"}));
        // Of two equal assignments Delete takes the one shown, after asking.
        w->DBGrid2Enter();
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确实要删除吗，删除后将不能恢复 !!\r确定 ？"});
        QCOMPARE(column(w->DBGrid2, 1), QStringList{"张三"});
        QVERIFY(!w->TB_Delete->isEnabled());
        // Re-arranging takes every shift of this post only.
        w->SG_Shifts->setCurrentCell(0, 1);
        pick(w->DBGrid3, 1);
        w->SP_AddClick();
        QCOMPARE(stored(app.db(), "BoanPaiG"),
                 QStringList({"2/1/E2/李四", "2/3/E1/张三", "5/1/E1/张三", "5/2/E2/李四"}));
        w->DBGrid1Enter();
        Msg::queueAnswer(false);
        w->TB_ReSetClick();
        QCOMPARE(stored(app.db(), "BoanPaiG").size(), 4);
        w->DBGrid1Enter();
        w->TB_ReSetClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm).last(), QString("      5 号岗位要重排吗，重排后将不能恢复 !!\r确定 ？"));
        QCOMPARE(stored(app.db(), "BoanPaiG"), QStringList({"2/1/E2/李四", "2/3/E1/张三"}));
        QVERIFY(column(w->DBGrid2, 1).isEmpty());
    }

    void anIncompleteEmployeeIsNotSent()
    {
        AppFixture app("1", security);
        auto* w = optest::openTarget<DutyDispatch>("BoanPaiG");
        w->DBGrid3Enter();
        pick(w->DBGrid3, 2);
        QVERIFY(!w->SP_Add->isEnabled());
        w->DBGrid3CellClick();
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{"所选记录不完整，请到人员管理页面补充完整。"});
        w->SP_AddClick();
        // Leaving the staff list withdraws Add too.
        pick(w->DBGrid3, 0);
        QVERIFY(w->SP_Add->isEnabled());
        w->DBGrid3Exit();
        QVERIFY(!w->SP_Add->isEnabled());
        QCOMPARE(stored(app.db(), "BoanPaiG").size(), 2);
    }

    void activationStartsAgainWithItsOwnStaff()
    {
        AppFixture app("1", security);
        auto* w = optest::openTarget<DutyDispatch>("BoanPaiG");
        pick(w->DBGrid1, 1);
        auto* browser = optest::openTarget<StaffBrowser>("BojeEmp");
        // Side by side, the dispatch still lists its own staff.
        QCOMPARE(column(w->DBGrid3, 2), QStringList({"张三", "李四", ""}));
        app.db().exec("INSERT INTO BoanPost (BPostId, BPName, BPBanshu) VALUES (1, '北门', 1)");
        QMdiArea* area = browser->mdiSubWindow()->mdiArea();
        area->setActiveSubWindow(w->mdiSubWindow());
        QCOMPARE(w->shownPost(), std::optional<qlonglong>(2));
        QCOMPARE(w->shownShift(), 1);
        QCOMPARE(column(w->DBGrid1, 0), QStringList({"2", "5", "1"}));
        QCOMPARE(column(w->DBGrid2, 1), QStringList{"李四"});
    }
};

WYGL_TEST(TestDutyDispatch)
#include "tst_DutyDispatch.moc"
