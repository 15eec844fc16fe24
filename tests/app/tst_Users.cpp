#include "app/Main.h"
#include "app/Openers.h"
#include "app/SystemM.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLineEdit>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

void accounts127(data::Connection& c)
{
    // Numbered 1, 2, 7 in the table's order; user 1 is the one administrator.
    c.exec("INSERT INTO users (userID, userName, userPass, userPopedom) VALUES "
           "(1, 'admin', 'admin', 0), (2, '王芳', 'p', 1), (7, '李四', 'q', 2)");
}

TfrmSystem* openUsers()
{
    runOpener(*findOpener("System"), mdiForm);
    return frmSystem;
}

void typeAccount(TfrmSystem* w, const QString& name, const QString& pass, const QString& again, const QString& level)
{
    typeInto(w->DBE_Name, name);
    typeInto(w->DBE_Pass, pass);
    typeInto(w->E_Pass, again);
    typeInto(w->DBE_Popedom, level);
}

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

}  // namespace

class TestUsers : public QObject {
    Q_OBJECT
private slots:
    void addingAnAccount()
    {
        AppFixture app("0", accounts127);
        TfrmSystem* w = openUsers();
        QVERIFY(!w->CheckBox1->isHidden());
        w->CheckBox1->click();
        w->TB_AddClick();
        QCOMPARE(DM->AT_Users->fieldByName("userID")->asInteger(), 8LL);  // never reused

        // The confirmation differs: nothing is saved, both passwords emptied.
        typeAccount(w, "赵六", "secret", "secreT", "1");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"密码校验错误!"});
        QVERIFY(w->DBE_Pass->text().isEmpty());
        QVERIFY(w->E_Pass->text().isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM users"), 3);

        // A level outside 0-2 is refused, on Save and on a move alike.
        Msg::clearLog();
        typeAccount(w, "赵六", "secret", "secret", "5");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"操作级别只能是 0、1 或 2！"});
        QCOMPARE(count(app, "SELECT count(*) FROM users"), 3);

        Msg::clearLog();
        typeInto(w->DBE_Popedom, "1");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM users WHERE userID = 8 AND userName = '赵六' AND "
                            "userPass = 'secret' AND userPopedom = 1"),
                 1);
        QVERIFY(w->TB_Add->isEnabled());
        QVERIFY(!w->TB_Save->isEnabled());
    }

    void emptyPasswordsAreAcceptedAndTheFirstAccountIsOne()
    {
        AppFixture app("0");
        app.db().exec("DELETE FROM users");
        DM->AT_Users->requery();
        TfrmSystem* w = openUsers();
        w->CheckBox1->click();
        w->TB_AddClick();
        QCOMPARE(DM->AT_Users->fieldByName("userID")->asInteger(), 1LL);
        typeAccount(w, "值班", "", "", "0");
        w->TB_SaveClick();
        QCOMPARE(count(app, "SELECT count(*) FROM users WHERE userID = 1"), 1);
    }

    void theLastAdministratorStays()
    {
        AppFixture app("0", accounts127);
        TfrmSystem* w = openUsers();
        w->CheckBox1->click();
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"这是最后一个超级管理员帐户，不能删除！"});
        QCOMPARE(count(app, "SELECT count(*) FROM users"), 3);
        // Another account goes after the confirmation.
        Msg::clearLog();
        DM->AT_Users->last();
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确定要删除该记录吗？"});
        QCOMPARE(count(app, "SELECT count(*) FROM users WHERE userID = 7"), 0);
    }

    void existingAccountsAreReadOnly()
    {
        AppFixture app("0", accounts127);
        TfrmSystem* w = openUsers();
        const QList<QWidget*> edits{w->DBE_Name, w->DBE_Pass, w->E_Pass, w->DBE_Popedom};
        auto editsOpen = [&] {
            int open = 0;
            for (QWidget* e : edits)
                open += e->isEnabled();
            return open;
        };
        // Typed in the order a clerk reads them.
        QList<QWidget*> order;
        for (QWidget* f = w->DBE_Name; order.size() < edits.size(); f = f->nextInFocusChain())
            if (edits.contains(f))
                order << f;
        QCOMPARE(order, edits);

        w->CheckBox1->click();
        w->TB_AddClick();
        QCOMPARE(editsOpen(), 4);
        typeAccount(w, "赵六", "secret", "secret", "1");
        w->TB_SaveClick();
        QCOMPARE(count(app, "SELECT count(*) FROM users WHERE userName = '赵六'"), 1);
        // The account just saved, and every other one reached from here, is only shown.
        QCOMPARE(editsOpen(), 0);
        w->TB_First->click();
        QCOMPARE(editsOpen(), 0);
        // Whatever path puts a stored account in edit, its change is not written.
        DM->AT_Users->edit();
        DM->AT_Users->fieldByName("userPopedom")->setAsInteger(2);
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"已有的用户只能删除，不能修改！"});
        QCOMPARE(count(app, "SELECT userPopedom FROM users WHERE userName = 'admin'"), 0);
        w->TB_CancelClick();
        QCOMPARE(DM->AT_Users->state(), data::DataSetState::Browse);
    }

    void onlyTheAdministratorChangesAccounts()
    {
        AppFixture app("1", accounts127);
        TfrmSystem* w = openUsers();
        QVERIFY(w->CheckBox1->isHidden());
        QVERIFY(!w->TB_Add->isEnabled());
        QVERIFY(!w->TB_Delete->isEnabled());
        QVERIFY(!w->TB_Save->isEnabled());
        QVERIFY(w->DBE_Name->isReadOnly());
        // The data module keeps them off on every state change too.
        DM->AT_Users->edit();
        QVERIFY(!w->TB_Save->isEnabled());
        DM->AT_Users->cancel();
        testsupport::saveScreenshot(w, "user_accounts");
    }
};

WYGL_TEST(TestUsers)
#include "tst_Users.moc"
