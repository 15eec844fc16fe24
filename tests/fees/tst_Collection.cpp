#include "FeeFixture.h"
#include "fees/Collection.h"
#include "fees/Money.h"
#include "platform/data/ColumnWidth.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using fees::CollectionPlan;
using Planned = fees::CollectionPlan::Outcome;
using Done = fees::CollectionResult::Outcome;
using namespace feetest;

namespace {
const QDate kToday(2024, 5, 20);

QVariantMap due(const QVariant& total, const QString& flag = "未收取")
{
    return {{"BYFee", total}, {"WYqk", "0"}, {"ZNJ", "0"}, {"BYHJ", total}, {"flag", flag}};
}
}  // namespace

// Room 101's month: two payable rows, a zero row, a row not yet charged and a
// collected one; room 102 and another month of room 101 beside it.
class TestCollection : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;
    qint64 water = 0, power = 0, gas = 0, managed = 0, cleaning = 0, neighbour = 0, earlier = 0;

    CollectionPlan all(const QString& num = "101") { return fees::planCollection(*c, room(num), "202405"); }
    QString flag(qint64 rid) { return text(*c, "flag", rid); }

private slots:
    void init()
    {
        c = testsupport::freshDatabase();
        water = addFee(*c, room(), "01", "202405", {{"BYFee", "30"}, {"WYqk", "5.50"}, {"ZNJ", "0"}, {"BYHJ", "35.50"}});
        power = addFee(*c, room(), "02", "202405", due("0"));
        gas = addFee(*c, room(), "03", "202405", due(QVariant()));
        managed = addFee(*c, room(), "04", "202405", due("60", "已收取"));
        cleaning = addFee(*c, room(), "05", "202405", due("12"));
        neighbour = addFee(*c, room("102"), "01", "202405", due("8"));
        earlier = addFee(*c, room(), "01", "202404", due("9"));
    }

    void allListsWhatIsDueAndMarksZeroRowsToo()
    {
        const CollectionPlan p = all();
        QVERIFY(p.ready());
        QStringList listed;
        for (const auto& it : p.items)
            if (it.listed)
                listed << it.feeName;
        QCOMPARE(listed, QStringList({"水费", "卫生费"}));
        QCOMPARE(p.total, d("47.50"));
        QCOMPARE(p.summary, QString("水费、卫生费、"));

        const auto r = fees::collect(*c, p, false);
        QCOMPARE(r.marked, 3);
        QVERIFY(!r.receipt);
        QCOMPARE(amount(*c, "SSJE", water), d("35.50"));
        QCOMPARE(amount(*c, "SSJE", power), d("0"));
        for (qint64 paid : {water, power, cleaning})
            QCOMPARE(flag(paid), QString("已收取"));
        // Not yet charged, another room, another month: untouched.
        for (qint64 left : {gas, neighbour, earlier})
            QCOMPARE(flag(left), QString("未收取"));
        QVERIFY(amount(*c, "SSJE", gas).isNull());
        QCOMPARE(count(*c, "SFSJ"), 0);

        // Now nothing is due; a month of nothing but a zero row is not marked either.
        const qint64 zero = addFee(*c, room("103"), "01", "202405", due("0"));
        for (const char* num : {"101", "103", "555"}) {
            const CollectionPlan none = all(num);
            QCOMPARE(none.message(), QString("该用户本月无应收项目！"));
            QCOMPARE(fees::collect(*c, none, true).outcome, Done::NotReady);
        }
        QCOMPARE(flag(zero), QString("未收取"));
        // Nor is a credit and a charge that cancel out: there is nothing to take.
        const qint64 credit = addFee(*c, room("106"), "01", "202405", due("-10"));
        addFee(*c, room("106"), "02", "202405", due("10"));
        QCOMPARE(all("106").message(), QString("该用户本月无应收项目！"));
        QCOMPARE(flag(credit), QString("未收取"));
    }

    void aTotalCarriedIntoALaterMonthIsCollectedThere()
    {
        // May's water row carries arrears, April's; May's cleaning row was
        // generated while April's was not yet charged, so it carries nothing.
        const qint64 aprilCleaning = addFee(*c, room(), "05", "202404", due("4"));
        QCOMPARE(fees::planSingleCollection(*c, earlier).message(), QString("该项费用已转入 202405 月，请收取该月费用！"));
        const CollectionPlan april = fees::planCollection(*c, room(), "202404");
        QCOMPARE(april.items.size(), size_t(1));
        QCOMPARE(april.items[0].rid, aprilCleaning);
        QCOMPARE(april.total, d("4"));
        // Carried after the cashier listed it: the re-check refuses the lot.
        const CollectionPlan stale = fees::planCollection(*c, room("102"), "202405");
        addFee(*c, room("102"), "01", "202406", {{"WYqk", "8"}});
        QCOMPARE(fees::collect(*c, stale, false).outcome, Done::Changed);
        QCOMPARE(flag(neighbour), QString("未收取"));
        QVERIFY(fees::collect(*c, april, false).succeeded());
        QCOMPARE(flag(earlier), QString("未收取"));
        // The later month is collected as usual, arrears and all.
        QCOMPARE(all().total, d("47.50"));
    }

    void singleChecksInOrder()
    {
        const qint64 paidEmpty = addFee(*c, room(), "06", "202405", due(QVariant(), "已收取"));
        const std::pair<qint64, QString> refused[] = {{paidEmpty, "你选择的是空项，无法操作！"},
                                                      {gas, "你选择的是空项，无法操作！"},
                                                      {999999, "你选择的是空项，无法操作！"},
                                                      {managed, "该项费用已收取！请仔细核对！"},
                                                      {power, "该项费用无金额！请仔细核对！"}};
        for (const auto& [rid, message] : refused)
            QCOMPARE(fees::planSingleCollection(*c, rid).message(), message);
        const CollectionPlan p = fees::planSingleCollection(*c, water);
        QVERIFY(p.ready());
        QCOMPARE(p.summary, QString("水费"));
        QCOMPARE(p.total, d("35.50"));
        QCOMPARE(p.room, room());
        QCOMPARE(p.period, QString("202405"));
        QCOMPARE(fees::collect(*c, p, false).marked, 1);
        QCOMPARE(flag(water), QString("已收取"));
        QCOMPARE(flag(cleaning), QString("未收取"));
    }

    void writesTheReceiptAndReadsItsNumberBack()
    {
        const auto first = fees::collect(*c, all(), true, kToday);
        QVERIFY(first.receipt);
        const fees::Receipt& r = *first.receipt;
        QCOMPARE(r.date, kToday);
        QCOMPARE(r.room, room());
        QCOMPARE(r.summary, QString("水费、卫生费、"));
        QCOMPARE(r.amount, d("47.50"));
        QSqlQuery q = c->exec("SELECT RegionId, BuildId, UnitName, RoomNum, ownerId, ownerName, KPDate, SFzy, FSje, "
                              "SJNum FROM SFSJ");
        QVERIFY(q.next());
        const fees::RoomKey stored{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                   q.value(3).toString(), q.value(4).toString(), q.value(5).toString()};
        QCOMPARE(stored, room());
        QCOMPARE(q.value(6).toString().left(10), QString("2024-05-20"));
        QCOMPARE(q.value(7).toString(), r.summary);
        QCOMPARE(fees::money(q.value(8)), r.amount);
        QCOMPARE(q.value(9).toLongLong(), r.number);

        // A receipt of the same day and amount gets its own, newer number.
        addFee(*c, room("103"), "01", "202405", due("47.50"));
        const auto second = fees::collect(*c, all("103"), true, kToday);
        QVERIFY(second.receipt->number > r.number);
        QCOMPARE(c->scalar("SELECT SJNum FROM SFSJ WHERE RoomNum = '103'").toLongLong(), second.receipt->number);
    }

    void collectsOnlyWhatWasListedAndIsStillDue()
    {
        const CollectionPlan listed = all();
        const qint64 late = addFee(*c, room(), "06", "202405", due("3"));
        QVERIFY(fees::collect(*c, listed, true, kToday).succeeded());
        QCOMPARE(flag(late), QString("未收取"));
        // A second press finds the rows paid: no second receipt.
        QCOMPARE(fees::collect(*c, listed, true, kToday).outcome, Done::Changed);
        QCOMPARE(count(*c, "SFSJ"), 1);

        // A total changed after listing stops the whole collection.
        const CollectionPlan stale = all("102");
        c->exec("UPDATE Fee SET BYHJ = 13 WHERE rid = ?", {neighbour});
        const auto r = fees::collect(*c, stale, true, kToday);
        QCOMPARE(r.outcome, Done::Changed);
        QVERIFY(!r.message().isEmpty());
        QCOMPARE(flag(neighbour), QString("未收取"));
        QCOMPARE(count(*c, "SFSJ"), 1);
    }

    void failuresChangeNothing()
    {
        failWhen(*c, "SFSJ", "INSERT", "NEW.FSje > 0");
        QVERIFY_THROWS_EXCEPTION(data::Error, fees::collect(*c, all(), true));
        QCOMPARE(c->transactionDepth(), 0);
        QCOMPARE(flag(water), QString("未收取"));
        QVERIFY(amount(*c, "SSJE", water).isNull());

        // An owner's name longer than the receipt's column: refused before anything is written.
        const fees::RoomKey longName = room("104", QString(25, u'名'));
        const qint64 row = addFee(*c, longName, "01", "202405", due("5"));
        const CollectionPlan p = fees::planCollection(*c, longName, "202405");
        try {
            fees::collect(*c, p, true);
            QFAIL("a receipt was written for a name too long for it");
        } catch (const data::Error& e) {
            QVERIFY(e.message().contains("业主名称"));
        }
        QCOMPARE(flag(row), QString("未收取"));
        QVERIFY(fees::collect(*c, p, false).succeeded());
    }

    void summaryIsCutToItsColumn()
    {
        for (int i = 0; i < 12; ++i)
            addFee(*c, room("105"), QString::number(10 + i), "202405", due("1"));
        c->exec("UPDATE Fee SET FeeName = '公共设施维护费' WHERE RoomNum = '105'");
        const CollectionPlan p = all("105");
        QCOMPARE(p.summary.size(), 96);
        QCOMPARE(fees::collect(*c, p, true).receipt->summary, p.summary.left(80));
        // A character outside the basic plane is never split.
        const QString wide = QString(79, u'费') + QString::fromUtf8("𠀀x");
        QCOMPARE(fees::receiptSummary(wide), wide.left(81));
        QCOMPARE(data::cutToCharacters(QString(78, u'费') + QString::fromUtf8("𠀀𠀀"), 79).size(), 80);
    }
};

WYGL_TEST(TestCollection)
#include "tst_Collection.moc"
