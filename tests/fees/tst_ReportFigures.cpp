// The fee reports' figures, without windows, on hand-computed data: sums per
// household and per item, the month's collection and amounts, occupancy, and
// the vacant-room fee.

#include "FeeFixture.h"
#include "ReportData.h"
#include "fees/FeeStatistics.h"
#include "fees/PropertyResources.h"
#include "fees/ReceivablesReport.h"
#include "fees/VacantRoomFees.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using namespace feetest;
using fees::ReportScope;

namespace {

const QString kDue = "未收取";
const QString kCollected = "已收取";

ReportScope district(const QString& id) { return {id, std::nullopt}; }
ReportScope building(const QString& id, const QString& b) { return {id, b}; }

// An amount as printed: "--" for a null.
QString shown(const data::Decimal& d) { return d.isNull() ? "--" : d.toString(); }

QString line(const fees::HouseholdSum& h)
{
    return QStringList{h.buildId, h.roomNum, h.ownerName, shown(h.sums.byfee), shown(h.sums.wyqk), shown(h.sums.znj),
                       shown(h.sums.byhj)}
        .join(' ');
}

QStringList lines(const std::vector<fees::HouseholdSum>& rows)
{
    QStringList out;
    for (const auto& h : rows)
        out << line(h);
    return out;
}

}  // namespace

class TestReportFigures : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<data::Connection> m_db;

private slots:
    void initTestCase()
    {
        m_db = testsupport::freshDatabase();
        reportRegister(*m_db);
    }

    void householdSums_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("build");  // "*": every building
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("due, all buildings, in building order")
            << kDue << "*" << "202401" << "202402"
            << QStringList{"1 101 张三 20.3 10.1 0.5 30.9", "2 201 李四 7.35 -- -- 7.35"};
        QTest::newRow("one building") << kDue << "2" << "202401" << "202402" << QStringList{"2 201 李四 7.35 -- -- 7.35"};
        QTest::newRow("collected only") << kCollected << "*" << "202401" << "202403"
                                        << QStringList{"1 101 张三 10 0 0 10", "1 102 赵六 30 0 0 30"};
        QTest::newRow("a month not charged sums to nothing")
            << kDue << "2" << "202401" << "202401" << QStringList{"2 201 李四 -- -- -- --"};
        QTest::newRow("first month after the last") << kDue << "*" << "202402" << "202401" << QStringList{};
        QTest::newRow("no such building") << kDue << "" << "202401" << "202402" << QStringList{};
    }
    void householdSums()
    {
        QFETCH(QString, flag);
        QFETCH(QString, build);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QStringList, expected);
        const ReportScope scope = build == "*" ? district("1") : building("1", build);
        QCOMPARE(lines(fees::householdSums(*m_db, flag, scope, "01", {first, last})), expected);
    }

    void itemsFoldInTheirTablesOrderAndSkipItemsWithoutTotals()
    {
        const auto items = fees::itemSums(*m_db, kDue, district("1"), {"202401", "202402"});
        QCOMPARE(items.size(), size_t(2));  // "04" holds no total
        QCOMPARE(items[0].feeName, QString("电费"));
        QCOMPARE(shown(items[0].sums.byhj), QString("5"));
        QCOMPARE(items[1].feeName, QString("水费"));
        QCOMPARE(shown(items[1].sums.byfee), QString("27.65"));
        QCOMPARE(shown(items[1].sums.wyqk), QString("10.1"));
        QCOMPARE(shown(items[1].sums.znj), QString("0.5"));
        QCOMPARE(shown(items[1].sums.byhj), QString("38.25"));
        QVERIFY(fees::itemSums(*m_db, kDue, building("1", "2"), {"202401", "202401"}).empty());
    }

    void keysWithAQuoteAreData()
    {
        const fees::RoomKey k{"O'Neil", "B'1", "1", "101", "o1", "欧'尼尔"};
        addFee(*m_db, k, "01", "202401", {{"BYFee", "12.5"}, {"BYHJ", "12.5"}});
        const auto rows = fees::householdSums(*m_db, kDue, building("O'Neil", "B'1"), "01", {"202401", "202401"});
        QCOMPARE(lines(rows), QStringList{"B'1 101 欧'尼尔 12.5 -- -- 12.5"});
    }

    void sumsOverManyCentsAreExact()
    {
        data::Connection* db = m_db.get();
        const fees::RoomKey k{"C", "1", "1", "101", "o1", "张三"};
        db->begin();
        for (int i = 0; i < 600; ++i) {
            const QString month = QString("2024%1").arg(i % 12 + 1, 2, 10, QChar('0'));
            const QString amount = i % 3 ? "0.1" : "0.2";
            addFee(*db, k, "01", month, {{"BYFee", amount}, {"WYqk", "0.07"}, {"BYHJ", "1234567.89"}});
        }
        db->commit();
        const auto rows = fees::householdSums(*db, kDue, district("C"), "01", {"202401", "202412"});
        QCOMPARE(rows.size(), size_t(1));
        // 400 x 0.1 + 200 x 0.2, 600 x 0.07, 600 x 1234567.89
        QCOMPARE(shown(rows[0].sums.byfee), QString("80"));
        QCOMPARE(shown(rows[0].sums.wyqk), QString("42"));
        QCOMPARE(shown(rows[0].sums.byhj), QString("740740734"));
        QCOMPARE(fees::feeStatistics(*db, "202401", district("C"))[1].byhj.toString(), QString("61728394.5"));
    }

    void monthStatisticsPerItem()
    {
        const auto all = fees::feeStatistics(*m_db, "202401", district("1"));
        QCOMPARE(all.size(), size_t(3));
        const fees::ItemStatistics& power = all[0];
        QCOMPARE(power.feeName, QString("电费"));
        QCOMPARE(power.households(), 1);
        QCOMPARE(power.unpaidHouseholds, 1);
        QCOMPARE(power.due().toString(), QString("5"));
        QCOMPARE(power.collectionRate().toString(), QString("0"));
        QCOMPARE(power.arrearsRate().toString(), QString("100"));

        // Water: 张三 10.10 due, 李四 not charged (counts, as 0), 赵六 30 paid.
        const fees::ItemStatistics& water = all[1];
        QCOMPARE(water.households(), 3);
        QCOMPARE(water.unpaidHouseholds, 2);
        QCOMPARE(water.paidHouseholds, 1);
        QCOMPARE(water.due().toString(), QString("40.1"));
        QCOMPARE(water.paid.toString(), QString("30"));
        QCOMPARE(water.collectionRate().toString(), QString("74.81"));  // 74.8129...
        QCOMPARE(water.arrearsRate().toString(), QString("25.19"));
        QCOMPARE(water.byfee.toString(), QString("40.1"));
        QCOMPARE(water.ssje.toString(), QString("30"));
        QCOMPARE(water.outstanding().toString(), QString("10.1"));

        // An item without rows, and one whose rows hold no amounts.
        for (const fees::ItemStatistics* none : {&all[2]}) {
            QCOMPARE(none->collectionRate().toString(), QString("0"));
            QCOMPARE(none->arrearsRate().toString(), QString("100"));
        }
        QCOMPARE(all[2].households(), 1);  // 李四's uncharged management row
        QCOMPARE(all[2].due().toString(), QString("0"));

        // District 2's building "1" is not district 1's.
        const auto one = fees::feeStatistics(*m_db, "202401", building("1", "1"));
        QCOMPARE(one[1].households(), 2);
        QCOMPARE(one[1].due().toString(), QString("40.1"));
    }

    void ratesRoundHalfToEven_data()
    {
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("unpaid");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("arrears");
        QTest::newRow("3.125 goes down") << "1" << "31" << "3.12" << "96.88";
        QTest::newRow("9.375 goes up") << "3" << "29" << "9.38" << "90.62";
        QTest::newRow("all paid") << "8" << "0" << "100" << "0";
        QTest::newRow("nothing due") << "0" << "0" << "0" << "100";
    }
    void ratesRoundHalfToEven()
    {
        QFETCH(QString, paid);
        QFETCH(QString, unpaid);
        QFETCH(QString, rate);
        QFETCH(QString, arrears);
        fees::ItemStatistics s;
        s.paid = d(paid);
        s.unpaid = d(unpaid);
        QCOMPARE(s.collectionRate().toString(), rate);
        QCOMPARE(s.arrearsRate().toString(), arrears);
    }

    void occupancyCountsBuildingsOfTheChosenDistrictOnly()
    {
        const fees::Occupancy o = fees::occupancy(*m_db, district("1"));
        QCOMPARE(o.roomCount, 18);
        QCOMPARE(o.buildings.size(), size_t(2));  // table order: 2号楼, then 1号楼
        QCOMPARE(o.buildings[0].buildName, QString("2号楼"));
        QCOMPARE(o.buildings[0].rooms, 8);
        QCOMPARE(o.buildings[0].occupied, 3);
        QCOMPARE(o.buildings[0].occupancyRate().toString(), QString("38"));  // 0.375
        QCOMPARE(o.buildings[0].vacancyRate().toString(), QString("62"));   // 0.625
        QCOMPARE(o.buildings[1].rooms, 8);  // neither "一号楼" nor district 2's rooms
        QCOMPARE(o.buildings[1].occupancyRate().toString(), QString("12"));  // 0.125
        QCOMPARE(o.buildings[1].vacancyRate().toString(), QString("88"));

        const fees::Occupancy two = fees::occupancy(*m_db, district("2"));
        QCOMPARE(two.buildings.size(), size_t(1));
        QCOMPARE(two.buildings[0].occupancyRate().toString(), QString("50"));
        QCOMPARE(two.buildings[0].vacancyRate().toString(), QString("50"));

        const fees::Occupancy nowhere = fees::occupancy(*m_db, building("1", "9"));
        QCOMPARE(nowhere.roomCount, 1);
        QVERIFY(nowhere.buildings.empty());
        QCOMPARE(fees::occupancy(*m_db, district("")).roomCount, 0);
    }

    void vacantRoomsOfADistrictInOrder()
    {
        QStringList keys;
        for (const fees::RoomLine& r : fees::vacantRooms(*m_db, district("1")))
            keys << r.buildName.toString() + "/" + r.roomNum.toString();
        QCOMPARE(keys.size(), 7 + 5 + 1 + 1);
        QCOMPARE(keys.mid(0, 2), QStringList({"一号楼/101", "1号楼/102"}));  // building, unit, room
        QVERIFY(keys.indexOf("2号楼/204") < keys.indexOf("9号楼/901"));
        QCOMPARE(fees::vacantRooms(*m_db, building("1", "2")).size(), size_t(5));
        QCOMPARE(fees::vacantRooms(*m_db, building("2", "2")).size(), size_t(0));
    }

    void vacantRoomFeeIsExact_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("months");
        QTest::addColumn<QString>("fee");
        // Binary floating point gives 15.01, 15.05 and 75.07 for the first three.
        QTest::newRow("50.05 x 0.3") << "50.05" << "0.3" << 1 << "15.02";
        QTest::newRow("50.15 x 3 x 0.1") << "50.15" << "0.1" << 3 << "15.04";
        QTest::newRow("50.05 x 3 x 0.5") << "50.05" << "0.5" << 3 << "75.08";
        QTest::newRow("80.5 x 3 x 1.5") << "80.5" << "1.5" << 3 << "362.25";
        QTest::newRow("tie to even") << "0.25" << "0.1" << 1 << "0.02";
        QTest::newRow("no months") << "80.5" << "1.5" << 0 << "0";
        QTest::newRow("no area") << "" << "1.5" << 3 << "0";
    }
    void vacantRoomFeeIsExact()
    {
        QFETCH(QString, area);
        QFETCH(QString, price);
        QFETCH(int, months);
        QFETCH(QString, fee);
        QCOMPARE(fees::vacantRoomFee(d(area), d(price), months).toString(), fee);
    }

    void vacantRoomFeesOfEveryDistrict()
    {
        const auto rooms = fees::vacantRoomFees(*m_db, d("1.5"), 3);
        QCOMPARE(rooms.size(), size_t(15));  // 14 in district 1, 1 in district 2
        QCOMPARE(rooms.front().room.regionId.toString(), QString("1"));
        QCOMPARE(rooms.back().room.regionId.toString(), QString("2"));
        for (const auto& r : rooms)
            QCOMPARE(r.fee.toString(), QString("362.25"));
    }
};

WYGL_TEST(TestReportFigures)
#include "tst_ReportFigures.moc"
