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
        const auto spec = data::readConnectionFile(path);
        QCOMPARE(spec.backend, data::Backend::SQLite);
        QCOMPARE(spec.database, dir.filePath("Region.db"));
    }

    void readsUtf16WithByteOrderMark()
    {
        QTemporaryDir dir;
        QString text = "[oledb]\r\nProvider=PostgreSQL;Data Source=db.office;Port=5433;Initial Catalog=Region;"
                       "User ID=\"office\";Password=秘密\r\n";
        QByteArray bytes("\xFF\xFE");
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        const auto spec = data::readConnectionFile(writeFile(dir, bytes));
        QCOMPARE(spec.backend, data::Backend::PostgreSQL);
        QCOMPARE(spec.host, QString("db.office"));
        QCOMPARE(spec.port, 5433);
        QCOMPARE(spec.database, QString("Region"));
        QCOMPARE(spec.user, QString("office"));
        QCOMPARE(spec.password, QString("秘密"));
    }

    void keysIgnoreCase()
    {
        const auto spec = data::parseConnectionLine("provider=postgresql;DATA SOURCE=h;initial catalog=X", "/tmp");
        QCOMPARE(spec.host, QString("h"));
        QCOMPARE(spec.database, QString("X"));
        QCOMPARE(spec.port, 5432);
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
        data::ConnectionSpec spec;
        spec.backend = data::Backend::PostgreSQL;
        spec.host = "127.0.0.1";
        spec.port = 1;  // nothing listens there
        spec.database = "Region";
        const QString why = errorOf([&] { data::Connection::open(spec); });
        QVERIFY2(why.contains("无法连接数据库"), qPrintable(why));
    }

    void roundTripThroughTheWriter()
    {
        QTemporaryDir dir;
        data::ConnectionSpec spec;
        spec.backend = data::Backend::PostgreSQL;
        spec.host = "10.0.0.2";
        spec.port = 6543;
        spec.database = "Office";
        spec.user = "u";
        spec.password = "p";
        const auto back = data::readConnectionFile(writeFile(dir, data::connectionFileText(spec).toUtf8()));
        QCOMPARE(back.host, spec.host);
        QCOMPARE(back.port, spec.port);
        QCOMPARE(back.database, spec.database);
        QCOMPARE(back.user, spec.user);
        QCOMPARE(back.password, spec.password);
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
