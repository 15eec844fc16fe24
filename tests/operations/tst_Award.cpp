// The rewards and penalties: serials the window gives, never typed and never
// repeated, and a register the grid alone moves through.

#include "RegisterDriver.h"
#include "operations/staff/Award.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QMdiSubWindow>
#include <QSqlQuery>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace registertest;

namespace {

// The last row stored is not the highest serial.
void twoAwards(data::Connection& c)
{
    const char* sql = "INSERT INTO Award (AwardId, EmpName, ADate, AFlag) VALUES (?, ?, ?, ?)";
    c.exec(sql, {5, "张三", "2024-01-05 00:00:00", "奖"});
    c.exec(sql, {2, "李四", "2024-01-02 00:00:00", "罚"});
}

QStringList serials(AppFixture& app)
{
    QStringList out;
    QSqlQuery q = app.db().exec("SELECT AwardId, AFlag FROM Award ORDER BY AwardId");
    while (q.next())
        out << q.value(0).toString() + q.value(1).toString();
    return out;
}

}  // namespace

class TestAward : public QObject {
    Q_OBJECT
private slots:
    void serials_()
    {
        AppFixture app("1", twoAwards);
        auto* w = static_cast<TfrmAward*>(openRegister("TfrmAward"));
        for (ui::ToolButton* b : {w->TB_First, w->TB_Prev, w->TB_Next, w->TB_Last, w->TB_Refresh})
            QVERIFY(!b->isVisibleTo(w));
        QVERIFY(!w->TB_Find && !w->TB_Print);

        // The largest + 1, shown and never open for typing.
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), QString("6"));
        QVERIFY(!w->DBE_ID->isEnabled());
        QCOMPARE(textOf(w, "DBE_Date"), QDate::currentDate().toString("yyyy-MM-dd"));
        // No kind: refused; no name: accepted.
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"序号和奖/罚类别不能为空！"});
        QVERIFY(!w->DBE_ID->isEnabled());
        setText(w, "DBC_Award", "奖");
        w->TB_SaveClick();
        QCOMPARE(serials(app), (QStringList{"2罚", "5奖", "6奖"}));

        // The highest deleted, its serial is given again.
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(serials(app), (QStringList{"2罚", "5奖"}));
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), QString("6"));

        // Another workstation takes that serial meanwhile: Save takes the next.
        app.db().exec("INSERT INTO Award (AwardId, AFlag) VALUES (6, '奖')");
        setText(w, "DBC_Award", "罚");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).size(), 1);
        QCOMPARE(serials(app), (QStringList{"2罚", "5奖", "6奖", "7罚"}));
        QCOMPARE(w->DBE_ID->text(), QString("7"));
    }

    // A modification that failed for a missing kind is saved once corrected:
    // the row's own serial is no duplicate.
    void aFailedModification()
    {
        AppFixture app("1", twoAwards);
        RegisterEditor* w = openRegister("TfrmAward");
        emit w->DBGrid1->cellClicked(0, "EmpName");
        w->TB_ModiClick();
        setText(w, "DBC_Award", "");
        w->TB_SaveClick();
        setText(w, "DBC_Award", "罚");
        setText(w, "DBE_Name", "张三丰");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"序号和奖/罚类别不能为空！"});
        QCOMPARE(serials(app), (QStringList{"2罚", "5罚"}));
        QCOMPARE(app.db().scalar("SELECT EmpName FROM Award WHERE AwardId = 5").toString(), QString("张三丰"));
        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), "award").isEmpty());
    }
};

WYGL_TEST(TestAward)
#include "tst_Award.moc"
