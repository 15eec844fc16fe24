#include "app/Login.h"
#include "app/Main1.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

void seedUsers(data::Connection& c)
{
    const char* rows[][3] = {
        {"admin", "admin", "0"}, {"王芳", "pass'1", "1"}, {"O'Brien", "x", "2"}, {"twin", "same", "1"},
        {"twin", "same", "2"},   {"", "", "1"},          {"odd", "odd", "7"},
    };
    int id = 0;
    for (auto& r : rows)
        c.exec("INSERT INTO users (userID, userName, userPass, userPopedom) VALUES (?, ?, ?, ?)",
               {++id, QString::fromUtf8(r[0]), QString::fromUtf8(r[1]), QString::fromUtf8(r[2]).toInt()});
    c.exec("INSERT INTO users (userID, userName, userPass) VALUES (99, 'nolevel', 'nolevel')");
}

// Presses 提交 with a name and password. A successful login runs the
// navigation window; the test ends that run at once, as 退出 would.
QString login(const QString& name, const QString& pass)
{
    frmLogin->txtName->setText(name);
    frmLogin->txtPass->setText(pass);
    QTimer::singleShot(0, [] { ui::terminate(); });
    frmLogin->bb_LoginClick();
    ui::resetTermination();
    return frmLogin->Popedom;
}

}  // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void levelsAndFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QString>("popedom");
        QTest::newRow("super administrator") << "admin" << "admin" << "0";
        QTest::newRow("wrong password") << "admin" << "Admin" << "";
        QTest::newRow("trailing blanks are ignored") << "admin  " << "admin " << "0";
        QTest::newRow("quote in the password") << "王芳" << "pass'1" << "1";
        QTest::newRow("quote in the name") << "O'Brien" << "x" << "2";
        QTest::newRow("quote that would break a pasted statement") << "x' or '1'='1" << "x' or '1'='1" << "";
        QTest::newRow("empty pair is looked up like any other") << "" << "" << "1";
        QTest::newRow("two rows with one pair: the first row") << "twin" << "same" << "1";
        QTest::newRow("level out of range") << "odd" << "odd" << "7";
        QTest::newRow("an account without a level cannot log in") << "nolevel" << "nolevel" << "";
        // Texts no account can hold fail like any wrong pair, with no error box.
        QTest::newRow("name longer than any account") << QString(60, u'a') << "admin" << "";
        QTest::newRow("password longer than any account") << "admin" << QString(60, u'x') << "";
        QTest::newRow("NUL in the name") << QString::fromUtf16(u"adm\u0000in", 6) << "admin" << "";
        QTest::newRow("NUL in the password") << "admin" << QString::fromUtf16(u"adm\u0000in", 6) << "";
    }
    void levelsAndFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, pass);
        QFETCH(QString, popedom);
        AppFixture app("", seedUsers);
        QCOMPARE(login(name, pass), popedom);
        if (popedom.isEmpty()) {
            QCOMPARE(Msg::log().size(), 1);
            QCOMPARE(Msg::log()[0].kind, MsgKind::Plain);
            QCOMPARE(Msg::log()[0].caption, QString("登录失败"));
            QCOMPARE(Msg::log()[0].text, QString("请重新输入！"));
            QVERIFY(frmLogin->txtName->text().isEmpty());
            QVERIFY(frmLogin->txtPass->text().isEmpty());
            QVERIFY(!frmMain1);
        } else {
            QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"登录成功"});
            QVERIFY(frmMain1);
        }
    }

    void unlimitedAttempts()
    {
        AppFixture app("", seedUsers);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(login("admin", "wrong"), QString());
        QCOMPARE(login("admin", "admin"), QString("0"));
    }

    void cancelAndCaptionButtonEndTheProgram()
    {
        AppFixture app("", seedUsers);
        frmLogin->bb_CancelClick();
        QVERIFY(ui::terminated());
        ui::resetTermination();
        frmLogin->show();
        frmLogin->close();
        QVERIFY(ui::terminated());
    }

    void missingConnectionFileEndsWithoutLogin()
    {
        AppFixture app;
        delete frmLogin;
        QTemporaryDir empty;
        // A good conn.udl elsewhere (beside the executable, say) is not read:
        // only the working folder counts.
        QTemporaryDir elsewhere;
        testsupport::writeConnFile(elsewhere.path());
        TDM dm;
        dm.DataModuleCreate(empty.path());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"数据库连接失败，重新配置！"});
        QVERIFY(ui::terminated());
        QVERIFY(!frmLogin);
    }

    void anotherProgramsDatabaseIsRefusedAsItWas()
    {
        AppFixture app;
        delete frmLogin;
        QTemporaryDir dir;
        const QString file = dir.filePath("notes.db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "another program");
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery(db).exec("CREATE TABLE notes (line text)");
            QSqlQuery(db).exec("INSERT INTO notes VALUES ('keep me')");
            db.close();
        }
        QSqlDatabase::removeDatabase("another program");
        QFile udl(dir.filePath("conn.udl"));
        QVERIFY(udl.open(QIODevice::WriteOnly));
        udl.write("[oledb]\nProvider=SQLite;Data Source=notes.db\n");
        udl.close();
        auto bytes = [&] {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = bytes();

        TDM dm;
        dm.DataModuleCreate(dir.path());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"数据库连接失败，重新配置！"});
        QVERIFY(ui::terminated());
        QVERIFY(!frmLogin);
        QVERIFY(bytes() == before);
        QVERIFY(!QFile::exists(file + "-wal"));
    }

    void brokenDatabaseEndsWithoutLogin()
    {
        AppFixture app;
        delete frmLogin;
        auto c = testsupport::freshDatabase();
        c->exec("DROP TABLE Appeal");
        c.reset();
        QTemporaryDir dir;
        testsupport::writeConnFile(dir.path());
        TDM dm;
        dm.DataModuleCreate(dir.path());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"数据库连接失败，重新配置！"});
        QVERIFY(ui::terminated());
        QVERIFY(!frmLogin);
    }
};

WYGL_TEST(TestLogin)
#include "tst_Login.moc"
