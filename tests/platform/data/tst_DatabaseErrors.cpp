// What a refused statement tells the user: its cause in Chinese, on either
// database, and never the statement or a value that was bound to it.

#include "platform/data/Error.h"
#include "platform/data/Query.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

namespace {

const QString kSecret = QStringLiteral("口令甲乙");

// The message of the error that running the statement throws.
QString refusal(const std::function<void()>& run)
{
    try {
        run();
    } catch (const data::Error& e) {
        return e.message();
    }
    return QStringLiteral("(not refused)");
}

}  // namespace

class TestDatabaseErrors : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;

private slots:
    void init()
    {
        c = testsupport::freshDatabase();
        c->exec("CREATE TABLE secrets (a varchar(20))");
        c->exec("CREATE UNIQUE INDEX secrets_a ON secrets (a)");
        c->exec("INSERT INTO secrets (a) VALUES (?)", {kSecret});
    }
    void cleanup()
    {
        c.reset();
    }

    void theCauseAndNothingElse_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("cause");
        QTest::newRow("a table the database lacks") << 0 << "数据库的结构与本系统不符（缺少数据表或字段）。";
        QTest::newRow("a second row with a unique value") << 1 << "数据与数据库的约束不符（例如与已有记录重复），未能保存。";
        QTest::newRow("a NUL in a text for a query") << 2 << "参数“a”中含有不能保存的字符。";
        QTest::newRow("a NUL in a text for a command") << 3 << "参数“a”中含有不能保存的字符。";
    }
    void theCauseAndNothingElse()
    {
        QFETCH(int, how);
        QFETCH(QString, cause);
        const QString withNul = kSecret + QChar(0) + kSecret;
        const QString message = refusal([&] {
            switch (how) {
            case 0:
                c->exec("SELECT * FROM missing WHERE a = ?", {kSecret});
                break;
            case 1:
                c->exec("INSERT INTO secrets (a) VALUES (?)", {kSecret});
                break;
            case 2: {
                data::Query q(c.get());
                q.setSql("select * from secrets where a=:a");
                q.param("a").setValue(withNul);
                q.open();
                break;
            }
            default: {
                data::Command cmd(c.get());
                cmd.setSql("insert into secrets (a) values (:a)");
                cmd.param("a").setString(withNul, 20);
                cmd.execute();
            }
            }
        });
        QCOMPARE(message, cause);
        for (const char* part : {"口令", "SELECT", "INSERT", "secrets", "?"})
            QVERIFY2(!message.contains(QString::fromUtf8(part), Qt::CaseInsensitive), qPrintable(message));
        QCOMPARE(c->scalar("SELECT count(*) FROM secrets").toInt(), 1);
    }

    void aRuleOfTheDatabaseSpeaksForItself()
    {
        if (c->backend() == data::Backend::SQLite) {
            c->exec("CREATE TRIGGER no_more BEFORE INSERT ON secrets BEGIN SELECT RAISE(ABORT, '登记已结束'); END");
        } else {
            c->exec("CREATE FUNCTION no_more() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION '登记已结束'; END $$ "
                    "LANGUAGE plpgsql");
            c->exec("CREATE TRIGGER no_more BEFORE INSERT ON secrets FOR EACH ROW EXECUTE FUNCTION no_more()");
        }
        QCOMPARE(refusal([&] { c->exec("INSERT INTO secrets (a) VALUES (?)", {QStringLiteral("乙")}); }),
                 QString("登记已结束"));
    }
};

WYGL_TEST(TestDatabaseErrors)
#include "tst_DatabaseErrors.moc"
