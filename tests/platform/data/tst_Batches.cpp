#include "platform/data/BatchInsert.h"
#include "platform/data/BatchUpdate.h"
#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

namespace {

data::Decimal d(const QString& text)
{
    return data::Decimal::fromString(text);
}

// The embedded database hands decimals back as binary floats: two places.
data::Decimal money(const QVariant& v)
{
    return data::Decimal::fromVariant(v).quantize(2);
}

QVariant feeValue(data::Connection& c, const QString& column, qint64 rid)
{
    return c.scalar(QString("SELECT %1 FROM Fee WHERE rid = ?").arg(column), {rid});
}

data::Decimal amount(data::Connection& c, const QString& column, qint64 rid)
{
    return money(feeValue(c, column, rid));
}

QString text(data::Connection& c, const QString& column, qint64 rid)
{
    return feeValue(c, column, rid).toString();
}

}  // namespace

class TestBatches : public QObject {
    Q_OBJECT
private slots:
    // Texts that a server's array text must carry through unchanged, in
    // batches of four: two whole batches and a shorter last one.
    void writeEveryValueInOrder()
    {
        const QStringList texts{"a\"b", "c\\d", "e,f", "{g}", "NULL", "", "张三 李四", "it's", " x "};
        auto c = testsupport::freshDatabase();
        data::BatchInsert out(*c, "Fee", {"RoomNum", "ownerName", "BYFee", "DL"}, 4);
        for (int i = 0; i < texts.size(); ++i)
            out.add({QString::number(i), texts[i], QString("%1.05").arg(i), i});
        // The same row given a value at a time, as UTF-8 text or null.
        const QByteArray room = QByteArray("null");
        out.addUtf8(room.constData(), int(room.size()));
        out.addNull();
        out.addNull();
        out.addNull();
        out.endRow();
        out.flush();
        QCOMPARE(out.written(), texts.size() + 1);
        QVERIFY_THROWS_EXCEPTION(data::Error, out.add({"1"}));
        out.addNull();
        QVERIFY_THROWS_EXCEPTION(data::Error, out.endRow());

        QSqlQuery q = c->exec("SELECT rid, RoomNum, ownerName, BYFee, DL FROM Fee ORDER BY rid");
        QList<qint64> rows;
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY(q.next());
            rows << q.value(0).toLongLong();
            QCOMPARE(q.value(1).toString(), QString::number(i));
            QCOMPARE(q.value(2).toString(), texts[i]);
            QCOMPARE(money(q.value(3)), d(QString("%1.05").arg(i)));
            QCOMPARE(q.value(4).toInt(), i);
        }
        QVERIFY(q.next());
        QVERIFY(q.value(2).isNull() && q.value(3).isNull() && q.value(4).isNull());

        data::BatchUpdate update(*c, "Fee", {"BYFee", "ownerName"}, 2);
        update.add(rows[0], {"10.25", texts[1]});
        update.add(rows[3], {QVariant(), texts[0]});
        update.add(rows[4], {"-3", texts[4]});
        update.flush();
        QCOMPARE(update.changed(), 3);
        QCOMPARE(amount(*c, "BYFee", rows[0]), d("10.25"));
        QCOMPARE(text(*c, "ownerName", rows[0]), texts[1]);
        QVERIFY(amount(*c, "BYFee", rows[3]).isNull());
        QCOMPARE(text(*c, "ownerName", rows[4]), texts[4]);
        QCOMPARE(amount(*c, "BYFee", rows[1]), d("1.05"));
    }
};

WYGL_TEST(TestBatches)
#include "tst_Batches.moc"
