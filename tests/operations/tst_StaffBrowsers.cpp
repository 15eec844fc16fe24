// The staff browsers: each lists the staff of its own work type, the shared
// one keeps the kind it was opened as, and the buttons change only at an end.

#include "OpenTarget.h"

#include "operations/staff/StaffBrowser.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using testsupport::AppFixture;

namespace {

void staff(data::Connection& c)
{
    c.exec("INSERT INTO Employee (EmpID, EmpType, ETName, ETPhone) VALUES ('B1', '保安', '张三', '5551'), "
           "('G1', '工程', '王工', NULL), ('B2', '保安', '李四', NULL), ('C1', '保洁', '赵六', NULL), "
           "('M1', '管理', '钱七', NULL), ('X1', '保安', '孙八', NULL)");
}

// The names the window's own query lists, leaving it on its first row.
QStringList names(StaffBrowser* w)
{
    QStringList out;
    for (w->AQ_Emp->first(); !w->AQ_Emp->eof(); w->AQ_Emp->next())
        out << w->AQ_Emp->fieldByName("ETName")->asString();
    w->AQ_Emp->first();
    return out;
}

QString buttons(StaffBrowser* w)
{
    return optest::enabled({{w->TB_First, w->TB_Prev, w->TB_Next, w->TB_Last}});
}

}  // namespace

class TestStaffBrowsers : public QObject {
    Q_OBJECT
private slots:
    void eachBrowserListsItsKind_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("security") << "BoanEmp/保安" << "保安人员信息" << QStringList{"张三", "李四", "孙八"};
        QTest::newRow("engineering") << "BoanEmp/工程" << "工程人员信息" << QStringList{"王工"};
        QTest::newRow("cleaning") << "BojeEmp" << "保洁人员信息" << QStringList{"赵六"};
    }
    void eachBrowserListsItsKind()
    {
        QFETCH(QString, target);
        QFETCH(QString, caption);
        QFETCH(QStringList, listed);
        AppFixture app("0", staff);
        auto* w = optest::openTarget<StaffBrowser>(target);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->mdiSubWindow()->windowTitle(), caption);
        QVERIFY(w->mdiSubWindow()->isMaximized());
        QCOMPARE(names(w), listed);
        QCOMPARE(w->edits.size(), 16);
        QCOMPARE(w->edits[2]->text(), listed[0]);
        for (ui::DBEdit* e : w->edits)
            QVERIFY(!e->isEnabled());
        if (target == "BoanEmp/保安")
            testsupport::saveScreenshot(w->frameWidget(), "staff-browser");
    }

    void theSharedBrowserKeepsItsOwnKind()
    {
        AppFixture app("0", staff);
        auto* shared = optest::openTarget<StaffBrowser>("BoanEmp/保安");
        auto* cleaning = optest::openTarget<StaffBrowser>("BojeEmp");
        // Brought forward as engineering staff: the same window lists them.
        QCOMPARE(optest::openTarget<StaffBrowser>("BoanEmp/工程"), shared);
        QCOMPARE(shared->windowTitle(), QString("工程人员信息"));
        QCOMPARE(names(shared), QStringList{"王工"});
        // Side by side, each keeps its own staff whichever is active; coming
        // back starts again at the first employee of its own kind.
        shared->AQ_Emp->last();
        QMdiArea* area = shared->mdiSubWindow()->mdiArea();
        area->setActiveSubWindow(cleaning->mdiSubWindow());
        QCOMPARE(names(shared), QStringList{"王工"});
        QCOMPARE(names(cleaning), QStringList{"赵六"});
        app.db().exec("INSERT INTO Employee (EmpID, EmpType, ETName) VALUES ('G2', '工程', '周工')");
        area->setActiveSubWindow(shared->mdiSubWindow());
        QCOMPARE(shared->windowTitle(), QString("工程人员信息"));
        QCOMPARE(shared->AQ_Emp->recNo(), 1);
        QCOMPARE(names(shared), QStringList({"王工", "周工"}));
    }

    void buttonsChangeOnlyAtAnEnd_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("steps");  // f First, p Previous, n Next, l Last
        QTest::addColumn<QString>("expected");
        QTest::newRow("nobody") << 0 << "" << "0000";
        QTest::newRow("one, opened") << 1 << "" << "0011";
        QTest::newRow("one, Next reaches the end") << 1 << "n" << "1100";
        QTest::newRow("three, Next from the first") << 3 << "n" << "0011";
        QTest::newRow("three, past the last") << 3 << "nnn" << "1100";
        QTest::newRow("three, Previous from the last") << 3 << "lp" << "1100";
        QTest::newRow("three, back past the first") << 3 << "lppp" << "0011";
        QTest::newRow("three, First") << 3 << "lf" << "0011";
    }
    void buttonsChangeOnlyAtAnEnd()
    {
        QFETCH(int, count);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        AppFixture app("0", [count](data::Connection& c) {
            for (int i = 1; i <= count; ++i)
                c.exec("INSERT INTO Employee (EmpID, EmpType, ETName) VALUES (?, '保洁', ?)",
                       {QString("C%1").arg(i), QString("员工%1").arg(i)});
        });
        auto* w = optest::openTarget<StaffBrowser>("BojeEmp");
        for (QChar s : steps) {
            switch (s.toLatin1()) {
            case 'f': w->TB_FirstClick(); break;
            case 'p': w->TB_PrevClick(); break;
            case 'n': w->TB_NextClick(); break;
            case 'l': w->TB_LastClick(); break;
            default: break;
            }
        }
        QCOMPARE(buttons(w), expected);
    }
};

WYGL_TEST(TestStaffBrowsers)
#include "tst_StaffBrowsers.moc"
