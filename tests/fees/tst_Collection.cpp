#include "FeeFixture.h"
#include "fees/Money.h"
#include "fees/Collection.h"
#include "fees/ColumnWidth.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using data::Decimal;
using fees::CollectionPlan;
using Planned = fees::CollectionPlan::Outcome;
using Done = fees::CollectionResult::Outcome;
using namespace feetest;

namespace {
const QString kMonth = QStringLiteral("202405");
const QDate kToday(2024, 5, 20);

Decimal d(const QString& s)
{
    return Decimal::fromString(s);
}

QVariantMap amounts(const QVariant& charge, const QVariant& arrears, const QVariant& total,
                    const QString& flag = QStringLiteral("未收取"))
{
    return {{"BYFee", charge}, {"WYqk", arrears}, {"ZNJ", "0"}, {"BYHJ", total}, {"flag", flag}};
}

// Room 101's month: two payable rows, a zero row, a row not yet charged and
// a collected one; room 102 and another month of room 101 beside it.
struct Month {
    std::unique_ptr<data::Connection> c = testsupport::freshDatabase();
    fees::RoomKey k = room("101");
    qint64 water, power, gas, managed, cleaning, neighbour, earlier;
    Month()
    {
        water = addFee(*c, k, "01", "水费", kMonth, amounts("30.00", "5.50", "35.50"));
        power = addFee(*c, k, "02", "电费", kMonth, amounts("0", "0", "0"));
        gas = addFee(*c, k, "03", "燃气费", kMonth, amounts(QVariant(), "0", QVariant()));
        managed = addFee(*c, k, "05", "物业费", kMonth, amounts("60", "0", "60", "已收取"));
        c->exec("UPDATE Fee SET SSJE = 60 WHERE rid = ?", {managed});
        cleaning = addFee(*c, k, "06", "卫生费", kMonth, amounts("12", "0", "12"));
        neighbour = addFee(*c, room("102"), "01", "水费", kMonth, amounts("8", "0", "8"));
        earlier = addFee(*c, k, "01", "水费", "202404", amounts("9", "0", "9"));
    }
    QString flag(qint64 rid) { return textAt(*c, "Fee", "flag", rid); }
    Decimal paid(qint64 rid) { return decimalAt(*c, "Fee", "SSJE", rid); }
};
}  // namespace

class TestCollection : public QObject {
    Q_OBJECT
private slots:
    void allListsWhatIsDueAndMarksZeroRowsToo()
    {
        Month m;
        const CollectionPlan p = fees::planCollection(*m.c, m.k, kMonth);
        QVERIFY(p.ready());
        QStringList listed;
        for (const auto& it : p.items)
            if (it.listed)
                listed << it.feeName;
        QCOMPARE(listed, QStringList({"水费", "卫生费"}));
        QCOMPARE(p.total, d("47.50"));
        QCOMPARE(p.summary, QString("水费、卫生费、"));

        const auto r = fees::collect(*m.c, p, false);
        QCOMPARE(r.outcome, Done::Collected);
        QCOMPARE(r.marked, 3);
        QVERIFY(!r.receipt);
        QCOMPARE(m.paid(m.water), d("35.50"));
        QCOMPARE(m.flag(m.water), QString("已收取"));
        QCOMPARE(m.paid(m.power), d("0"));
        QCOMPARE(m.flag(m.power), QString("已收取"));
        QCOMPARE(m.flag(m.cleaning), QString("已收取"));
        // Not yet charged, already paid, another room, another month: untouched.
        QCOMPARE(m.flag(m.gas), QString("未收取"));
        QVERIFY(m.paid(m.gas).isNull());
        QCOMPARE(m.paid(m.managed), d("60"));
        QCOMPARE(m.flag(m.neighbour), QString("未收取"));
        QCOMPARE(m.flag(m.earlier), QString("未收取"));
        QCOMPARE(count(*m.c, "SFSJ"), 0);
    }

    void allWithNothingDue()
    {
        Month m;
        QVERIFY(fees::collect(*m.c, fees::planCollection(*m.c, m.k, kMonth), false).succeeded());
        // Only the zero row would be left, had it not been marked; a room
        // with no rows at all says the same.
        for (const QString& num : {QString("101"), QString("555")}) {
            const CollectionPlan p = fees::planCollection(*m.c, room(num), kMonth);
            QCOMPARE(p.outcome, Planned::NothingDue);
            QCOMPARE(p.message(), QString("该用户本月无应收项目！"));
            QVERIFY(p.items.empty());
            QCOMPARE(fees::collect(*m.c, p, true).outcome, Done::NotReady);
        }
        // A month holding only a zero row is not marked either.
        const qint64 zero = addFee(*m.c, room("103"), "01", "水费", kMonth, amounts("0", "0", "0"));
        QCOMPARE(fees::planCollection(*m.c, room("103"), kMonth).outcome, Planned::NothingDue);
        QCOMPARE(m.flag(zero), QString("未收取"));
        QCOMPARE(count(*m.c, "SFSJ"), 0);
    }

    void singleChecksInOrder()
    {
        Month m;
        const qint64 collectedEmpty = addFee(*m.c, m.k, "07", "停车费", kMonth, amounts(QVariant(), "0", QVariant(), "已收取"));
        const std::pair<qint64, Planned> cases[] = {
            {collectedEmpty, Planned::EmptyItem}, {m.gas, Planned::EmptyItem}, {999999, Planned::EmptyItem},
            {m.managed, Planned::AlreadyCollected}, {m.power, Planned::NoAmount}};
        for (const auto& [rid, outcome] : cases) {
            const CollectionPlan p = fees::planSingleCollection(*m.c, rid);
            QCOMPARE(p.outcome, outcome);
            QVERIFY(!p.message().isEmpty());
        }
        QCOMPARE(fees::planSingleCollection(*m.c, m.gas).message(), QString("你选择的是空项，无法操作！"));
        QCOMPARE(fees::planSingleCollection(*m.c, m.managed).message(), QString("该项费用已收取！请仔细核对！"));
        QCOMPARE(fees::planSingleCollection(*m.c, m.power).message(), QString("该项费用无金额！请仔细核对！"));

        const CollectionPlan p = fees::planSingleCollection(*m.c, m.water);
        QVERIFY(p.ready());
        QCOMPARE(p.summary, QString("水费"));
        QCOMPARE(p.total, d("35.50"));
        QCOMPARE(p.room, m.k);
        QCOMPARE(p.period, kMonth);
        QCOMPARE(fees::collect(*m.c, p, false).marked, 1);
        QCOMPARE(m.flag(m.water), QString("已收取"));
        QCOMPARE(m.flag(m.cleaning), QString("未收取"));
        QCOMPARE(m.flag(m.power), QString("未收取"));
    }

    void writesTheReceiptAndReadsItsNumberBack()
    {
        Month m;
        const auto first = fees::collect(*m.c, fees::planCollection(*m.c, m.k, kMonth), true, kToday);
        QVERIFY(first.succeeded());
        QVERIFY(first.receipt);
        const fees::Receipt& r = *first.receipt;
        QCOMPARE(r.date, kToday);
        QCOMPARE(r.room, m.k);
        QCOMPARE(r.summary, QString("水费、卫生费、"));
        QCOMPARE(r.amount, d("47.50"));

        QSqlQuery q = m.c->exec("SELECT RegionId, BuildId, UnitName, RoomNum, ownerId, ownerName, KPDate, SFzy, "
                                "FSje, SJNum FROM SFSJ");
        QVERIFY(q.next());
        QCOMPARE(QStringList({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toString(), q.value(4).toString(), q.value(5).toString()}),
                 QStringList({m.k.regionId, m.k.buildId, m.k.unitName, m.k.roomNum, m.k.ownerId, m.k.ownerName}));
        QCOMPARE(q.value(6).toString().left(10), QString("2024-05-20"));
        QCOMPARE(q.value(7).toString(), r.summary);
        QCOMPARE(fees::money(q.value(8)), r.amount);
        QCOMPARE(q.value(9).toLongLong(), r.number);
        QVERIFY(!q.next());

        // A second receipt of the same day and amount gets its own, newer number.
        addFee(*m.c, room("103"), "01", "水费", kMonth, amounts("47.50", "0", "47.50"));
        const auto second = fees::collect(*m.c, fees::planCollection(*m.c, room("103"), kMonth), true, kToday);
        QVERIFY(second.receipt->number > r.number);
        QCOMPARE(m.c->scalar("SELECT SJNum FROM SFSJ WHERE RoomNum = '103'").toLongLong(), second.receipt->number);
    }

    void collectsOnlyWhatWasListedAndStillDue()
    {
        Month m;
        const CollectionPlan all = fees::planCollection(*m.c, m.k, kMonth);
        QVERIFY(fees::collect(*m.c, all, true, kToday).succeeded());
        // A second press finds the rows paid: no second receipt.
        const auto again = fees::collect(*m.c, all, true, kToday);
        QCOMPARE(again.outcome, Done::Changed);
        QVERIFY(!again.message().isEmpty());
        QCOMPARE(count(*m.c, "SFSJ"), 1);

        // Rows added after listing are not collected with the listed ones.
        Month n;
        const CollectionPlan before = fees::planCollection(*n.c, n.k, kMonth);
        const qint64 late = addFee(*n.c, n.k, "08", "水费", kMonth, amounts("3", "0", "3"));
        QVERIFY(fees::collect(*n.c, before, false).succeeded());
        QCOMPARE(n.flag(late), QString("未收取"));

        // A total changed after listing stops the whole collection.
        Month o;
        const CollectionPlan stale = fees::planCollection(*o.c, o.k, kMonth);
        o.c->exec("UPDATE Fee SET BYHJ = 13 WHERE rid = ?", {o.cleaning});
        QCOMPARE(fees::collect(*o.c, stale, true, kToday).outcome, Done::Changed);
        QCOMPARE(o.flag(o.water), QString("未收取"));
        QCOMPARE(count(*o.c, "SFSJ"), 0);
    }

    void aFailureChangesNothing()
    {
        Month m;
        failWhen(*m.c, "SFSJ", "INSERT", "NEW.FSje > 0");
        QVERIFY_THROWS_EXCEPTION(data::Error, fees::collect(*m.c, fees::planCollection(*m.c, m.k, kMonth), true));
        QCOMPARE(m.c->transactionDepth(), 0);
        QCOMPARE(m.flag(m.water), QString("未收取"));
        QVERIFY(m.paid(m.water).isNull());
        QCOMPARE(count(*m.c, "Fee", "flag = '已收取'"), 1);
    }

    void summaryIsCutToItsColumn()
    {
        auto c = testsupport::freshDatabase();
        const auto k = room();
        for (int i = 0; i < 12; ++i)
            addFee(*c, k, QString::number(i), QString("第%1项公共设施维护费").arg(i), kMonth, amounts("1", "0", "1"));
        const CollectionPlan p = fees::planCollection(*c, k, kMonth);
        QVERIFY(p.summary.size() > 80);
        const auto r = fees::collect(*c, p, true);
        QCOMPARE(r.receipt->summary, p.summary.left(80));
        QCOMPARE(c->scalar("SELECT SFzy FROM SFSJ").toString(), p.summary.left(80));
        // A character outside the basic plane is never split.
        const QString wide = QString(79, u'费') + QString::fromUtf8("𠀀") + "x";
        QCOMPARE(fees::receiptSummary(wide), wide.left(81));
        QCOMPARE(fees::cutToCharacters(QString(78, u'费') + QString::fromUtf8("𠀀𠀀"), 79).size(), 80);
    }

    void refusesAReceiptForAnOwnerNameTooLong()
    {
        auto c = testsupport::freshDatabase();
        const auto k = room("101", QString(25, u'名'));
        const qint64 row = addFee(*c, k, "01", "水费", kMonth, amounts("5", "0", "5"));
        const CollectionPlan p = fees::planCollection(*c, k, kMonth);
        try {
            fees::collect(*c, p, true);
            QFAIL("a receipt was written for a name too long for it");
        } catch (const data::Error& e) {
            QVERIFY(e.message().contains("业主名称"));
        }
        QCOMPARE(textAt(*c, "Fee", "flag", row), QString("未收取"));
        QVERIFY(fees::collect(*c, p, false).succeeded());
    }
};

WYGL_TEST(TestCollection)
#include "tst_Collection.moc"
