// Statements run straight on the embedded database: values copied exactly,
// errors reported, and the connection's transaction respected.

#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/StatementTicker.h"
#include "platform/data/StoredNumber.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using data::DirectStatement;
using data::DirectValue;

class TestDirectStatement : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;

private slots:
    void init()
    {
        c = testsupport::freshDatabase();
        if (!DirectStatement::available(*c)) {
            QVERIFY_THROWS_EXCEPTION(data::Error, DirectStatement(*c, "SELECT 1"));
            QSKIP("only the embedded database is reached directly");
        }
        c->exec("CREATE TABLE t (a, b)");
    }

    void storedValuesAreCopiedExactly()
    {
        // A float that no short decimal text reproduces, a wide integer,
        // text, a blob and a null.
        c->exec("INSERT INTO t (a) VALUES (0.1 + 0.2), (9007199254740993), ('水费 '), (x'00ff'), (NULL)");
        DirectStatement read(*c, "SELECT a FROM t ORDER BY rowid");
        DirectStatement write(*c, "INSERT INTO t (b) VALUES (?)");
        std::vector<DirectValue> kept;
        while (read.step())
            kept.emplace_back(read, 0);
        QCOMPARE(kept.size(), size_t(5));
        QVERIFY(kept[4].isNull());
        for (const DirectValue& v : kept) {
            write.bindValue(0, v);
            write.run();
        }
        QCOMPARE(c->scalar("SELECT count(*) FROM t x JOIN t y ON x.a IS y.b AND typeof(x.a) = typeof(y.b) "
                           "WHERE x.rowid <= 5 AND y.rowid = x.rowid + 5").toInt(), 5);
    }

    void aNumberWorkedOutFromItsTextIsTheOneTheDatabaseStores()
    {
        // Every cent up to a thousand and the edges of what is worked out:
        // the same type and the same bits as the database's own conversion.
        c->exec("CREATE TABLE n (k INTEGER PRIMARY KEY, fromText numeric(18,2), bound numeric(18,2))");
        QList<QByteArray> texts{"0", "-0", "0.00", "-0.50", "007", "123456789012345", "-99999999999.9999",
                                "0.1", "1234567890123.45", "9999999999999.99", "1e5", ".5", "5.", "+1", "",
                                "1234567890123456.00", "3.14159265358979", "-597940284035970.02", "9931127717967397.0"};
        for (int cents = 0; cents < 100000; ++cents)
            texts << QByteArray::number(cents / 100) + '.' + QByteArray::number(cents % 100).rightJustified(2, '0');
        data::Transaction tx(*c);
        DirectStatement write(*c, "INSERT INTO n (fromText, bound) VALUES (?, ?)");
        for (const QByteArray& text : texts) {
            write.bindUtf8(0, text.constData(), int(text.size()));
            const data::StoredNumber n = data::storedNumber(text.constData(), int(text.size()));
            if (n.kind == data::StoredNumber::Kind::Integer)
                write.bindInteger(1, n.integer);
            else if (n.kind == data::StoredNumber::Kind::Real)
                write.bindReal(1, n.real);
            else
                write.bindUtf8(1, text.constData(), int(text.size()));
            write.run();
        }
        tx.commit();
        QCOMPARE(c->scalar("SELECT count(*) FROM n WHERE bound IS fromText AND typeof(bound) = typeof(fromText)")
                     .toInt(),
                 int(texts.size()));
    }

    void textIsBoundTrimmedAndComparedWithoutBlanks()
    {
        DirectStatement write(*c, "INSERT INTO t (a) VALUES (?)");
        write.bindText(0, "未收取  ");
        write.run();
        // Control characters are trimmed too; an ideographic space is text.
        c->exec("INSERT INTO t (a) VALUES (' 未收取\t'), ('未收取　'), ('已收取')");
        DirectStatement read(*c, "SELECT a FROM t ORDER BY rowid");
        QList<bool> same;
        while (read.step())
            same << read.textIs(0, QString("未收取").toUtf8());
        QCOMPARE(same, QList<bool>({true, true, false, false}));
        QCOMPARE(c->scalar("SELECT a FROM t ORDER BY rowid").toString(), QString("未收取"));
    }

    void errorsAreReportedAndTheTransactionHolds()
    {
        c->exec("CREATE TRIGGER no_x BEFORE INSERT ON t WHEN NEW.a = 'x' BEGIN SELECT RAISE(ABORT, 'no x'); END");
        DirectStatement write(*c, "INSERT INTO t (a) VALUES (?)");
        {
            data::Transaction tx(*c);
            write.bindText(0, "y");
            write.run();
            write.bindText(0, "x");
            try {
                write.run();
                QFAIL("the refused row was written");
            } catch (const data::Error& e) {
                QVERIFY(e.message().contains("no x"));
            }
            // The statement can be run again after the error.
            write.bindText(0, "z");
            write.run();
        }
        QCOMPARE(c->scalar("SELECT count(*) FROM t").toInt(), 0);
        QVERIFY_THROWS_EXCEPTION(data::Error, DirectStatement(*c, "SELECT nothing FROM nowhere"));
    }
    void aLongStatementCallsBackAndCanBeStopped()
    {
        // One statement of millions of engine steps: the window is painted
        // from inside it, and a stop asked for there fails the statement
        // without harming the connection.
        const QString longOne = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000000) "
                                "SELECT count(*) FROM n";
        int calls = 0;
        {
            const data::StatementTicker ticker(*c, [&] { ++calls; });
            QCOMPARE(c->scalar(longOne).toInt(), 2000000);
        }
        QVERIFY2(calls > 5, qPrintable(QString::number(calls)));

        c->exec("INSERT INTO t (a) VALUES (1)");
        c->begin();
        c->exec("INSERT INTO t (a) VALUES (2)");
        {
            const data::StatementTicker ticker(*c, [] { throw data::Error("stop"); });
            QVERIFY_THROWS_EXCEPTION(data::Error, c->scalar(longOne));
        }
        c->rollback();
        QCOMPARE(c->scalar("SELECT group_concat(a) FROM t").toString(), QString("1"));

        // Once the ticker is gone nothing is called any more.
        calls = 0;
        c->scalar(longOne);
        QCOMPARE(calls, 0);
    }
};

WYGL_TEST(TestDirectStatement)
#include "tst_DirectStatement.moc"
