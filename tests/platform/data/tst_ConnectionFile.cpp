#include "platform/data/Connection.h"
#include "platform/data/ConnectionFile.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath("conn.udl");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const data::Error& e) {
        return e.message();
    }
    return QString();
}
}  // namespace

class TestConnectionFile : public QObject {
    Q_OBJECT
private slots:
    void readsSqliteRelativeToTheFile()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "[oledb]\n; comment line\nProvider=SQLite;Data Source=Region.db\n");
        const auto target = data::readConnectionFile(path);
        QCOMPARE(target.backend, data::Backend::SQLite);
        QCOMPARE(target.database, dir.filePath("Region.db"));
    }

    void readsUtf16WithByteOrderMark()
    {
        QTemporaryDir dir;
        QString text = "[oledb]\r\nProvider=PostgreSQL;Data Source=db.office;Port=5433;Initial Catalog=Region;"
                       "User ID=\"office\";Password=秘密\r\n";
        QByteArray bytes("\xFF\xFE");
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        const auto target = data::readConnectionFile(writeFile(dir, bytes));
        QCOMPARE(target.backend, data::Backend::PostgreSQL);
        QCOMPARE(target.host, QString("db.office"));
        QCOMPARE(target.port, 5433);
        QCOMPARE(target.database, QString("Region"));
        QCOMPARE(target.user, QString("office"));
        QCOMPARE(target.password, QString("秘密"));
    }

    void keysIgnoreCase()
    {
        const auto target = data::parseConnectionLine("provider=postgresql;DATA SOURCE=h;initial catalog=X", "/tmp");
        QCOMPARE(target.host, QString("h"));
        QCOMPARE(target.database, QString("X"));
        QCOMPARE(target.port, 5432);
    }

    void clearErrors()
    {
        QTemporaryDir dir;
        QVERIFY(errorOf([&] { data::readConnectionFile(dir.filePath("conn.udl")); }).contains("找不到连接文件"));
        QVERIFY(errorOf([&] { data::readConnectionFile(writeFile(dir, "Provider=Oracle;Data Source=x")); })
                    .contains("不受支持"));
        QVERIFY(errorOf([&] { data::readConnectionFile(writeFile(dir, "[oledb]\n; nothing\n")); })
                    .contains("没有连接串"));
        QVERIFY(errorOf([&] { data::readConnectionFile(writeFile(dir, "Provider=PostgreSQL;Port=abc")); })
                    .contains("端口"));
    }

    void missingDatabaseFileIsRefusedNotCreated()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "Provider=SQLite;Data Source=none.db");
        const QString why = errorOf([&] { data::Connection::openFile(path); });
        QVERIFY2(why.contains("找不到数据库文件"), qPrintable(why));
        QVERIFY(!QFile::exists(dir.filePath("none.db")));
    }

    void serverThatDoesNotAnswer()
    {
        data::ConnectionSpec target;
        target.backend = data::Backend::PostgreSQL;
        target.host = "127.0.0.1";
        target.port = 1;  // nothing listens there
        target.database = "Region";
        const QString why = errorOf([&] { data::Connection::open(target); });
        QVERIFY2(why.contains("无法连接数据库"), qPrintable(why));
    }

    void roundTripThroughTheWriter()
    {
        QTemporaryDir dir;
        data::ConnectionSpec target;
        target.backend = data::Backend::PostgreSQL;
        target.host = "10.0.0.2";
        target.port = 6543;
        target.database = "Office";
        target.user = "u";
        target.password = "p";
        const auto back = data::readConnectionFile(writeFile(dir, data::connectionFileText(target).toUtf8()));
        QCOMPARE(back.host, target.host);
        QCOMPARE(back.port, target.port);
        QCOMPARE(back.database, target.database);
        QCOMPARE(back.user, target.user);
        QCOMPARE(back.password, target.password);
    }

    void transactionsNestBySavePoints()
    {
        auto c = testsupport::emptyDatabase();
        c->exec("CREATE TABLE t (v integer)");
        {
            data::Transaction outer(*c);
            c->exec("INSERT INTO t VALUES (1)");
            {
                data::Transaction inner(*c);
                c->exec("INSERT INTO t VALUES (2)");
            }  // inner rolled back
            outer.commit();
        }
        QCOMPARE(c->scalar("SELECT count(*) FROM t").toInt(), 1);
        {
            data::Transaction outer(*c);
            c->exec("INSERT INTO t VALUES (3)");
        }  // outer rolled back
        QCOMPARE(c->scalar("SELECT count(*) FROM t").toInt(), 1);
        QCOMPARE(c->transactionDepth(), 0);
    }
};

WYGL_TEST(TestConnectionFile)
#include "tst_ConnectionFile.moc"
