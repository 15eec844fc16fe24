#include "FeeFixture.h"
#include "fees/BatchInsert.h"
#include "fees/BatchUpdate.h"
#include "fees/Money.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using namespace feetest;

namespace {
// Texts that an array text must carry through unchanged.
const QStringList kTexts{"a\"b", "c\\d", "e,f", "{g}", "NULL", "", "张三 李四", "it's", " x "};
}  // namespace

class TestBatches : public QObject {
    Q_OBJECT
private slots:
    void insertsEveryRowInOrder()
    {
        auto c = testsupport::freshDatabase();
        {
            // Batches of four: two whole batches and a shorter last one.
            fees::BatchInsert out(*c, "Fee", {"RoomNum", "ownerName", "BYFee", "DL", "inDate"}, 4);
            for (int i = 0; i < kTexts.size(); ++i)
                out.add({QString::number(i), kTexts[i], QString("%1.05").arg(i), i, QVariant()});
            out.add({"null", QVariant(), QVariant(), QVariant(), "202401"});
            out.flush();
            QCOMPARE(out.written(), kTexts.size() + 1);
        }
        QSqlQuery q = c->exec("SELECT RoomNum, ownerName, BYFee, DL, inDate FROM Fee ORDER BY rid");
        for (int i = 0; i < kTexts.size(); ++i) {
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QString::number(i));
            QCOMPARE(q.value(1).toString(), kTexts[i]);
            QVERIFY(!q.value(1).isNull());
            QCOMPARE(fees::money(q.value(2)), data::Decimal::fromString(QString("%1.05").arg(i)));
            QCOMPARE(q.value(3).toInt(), i);
            QVERIFY(q.value(4).isNull());
        }
        QVERIFY(q.next());
        QVERIFY(q.value(1).isNull() && q.value(2).isNull() && q.value(3).isNull());
        QCOMPARE(q.value(4).toString(), QString("202401"));
        QVERIFY(!q.next());
    }

    void updatesTheRowsNamedByIdentity()
    {
        auto c = testsupport::freshDatabase();
        QList<qint64> rows;
        for (int i = 0; i < 5; ++i)
            rows << addFee(*c, room(), "01", "水费", "202401", {{"BYFee", "1"}});
        fees::BatchUpdate update(*c, "Fee", {"BYFee", "ownerName"}, 2);
        update.add(rows[0], {"10.25", kTexts[0]});
        update.add(rows[3], {QVariant(), kTexts[1]});
        update.add(rows[4], {"-3", kTexts[4]});
        update.flush();
        QCOMPARE(update.changed(), 3);
        QCOMPARE(decimalAt(*c, "Fee", "BYFee", rows[0]), data::Decimal::fromString("10.25"));
        QVERIFY(decimalAt(*c, "Fee", "BYFee", rows[3]).isNull());
        QCOMPARE(textAt(*c, "Fee", "ownerName", rows[4]), kTexts[4]);
        QCOMPARE(textAt(*c, "Fee", "ownerName", rows[3]), kTexts[1]);
        QCOMPARE(decimalAt(*c, "Fee", "BYFee", rows[1]), data::Decimal(1));
    }

    void refusesRowsOfTheWrongWidth()
    {
        auto c = testsupport::freshDatabase();
        fees::BatchInsert out(*c, "Fee", {"RoomNum", "DL"});
        QVERIFY_THROWS_EXCEPTION(data::Error, out.add({"1"}));
        QVERIFY_THROWS_EXCEPTION(data::Error, fees::BatchInsert(*c, "Fee", {"NoSuchColumn"}, 2).flush());
    }
};

WYGL_TEST(TestBatches)
#include "tst_Batches.moc"
