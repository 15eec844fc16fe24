#include "FeeFixture.h"
#include "fees/BulkCharge.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using fees::ChargeBasis;
using Outcome = fees::BulkChargeResult::Outcome;
using namespace feetest;

// Three rooms with the month's management-fee rows ("04"), and rows of another
// item and another month beside them.
class TestBulkCharge : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;
    qint64 a = 0, b = 0, noArea = 0, otherItem = 0, otherMonth = 0;

    fees::BulkChargeResult charge(const QString& price, const QString& months, ChargeBasis basis,
                                  const QString& feeId = "04", const QString& period = "202405")
    {
        return fees::bulkCharge(*c, {feeId, "物业费", price, months, basis, period});
    }
    void addRoom(const QString& num, const QVariant& floor, const QVariant& usable)
    {
        insertRow(*c, "Rooms", {{"RegionID", "1"}, {"BuildId", "2"}, {"UnitName", "1"}, {"RoomNum", num},
                                {"JZm", floor}, {"SYm", usable}});
    }

private slots:
    void init()
    {
        c = testsupport::freshDatabase();
        addRoom("101", "80.00", "65.50");
        addRoom("102", "80.10", "60.00");
        addRoom("103", QVariant(), QVariant());
        a = addFee(*c, room("101"), "04", "202405", {{"FTFee", "0"}, {"WYqk", "12.30"}, {"ZNJ", "0.62"}});
        b = addFee(*c, room("102"), "04", "202405", {{"FTFee", "1.00"}});
        noArea = addFee(*c, room("103"), "04", "202405");
        otherItem = addFee(*c, room("101"), "05", "202405");
        otherMonth = addFee(*c, room("101"), "04", "202404");
    }

    void chargesEveryRoomOfTheItem_data()
    {
        QTest::addColumn<int>("basis");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("chargeA");
        QTest::addColumn<QString>("chargeB");
        QTest::newRow("floor area") << int(ChargeBasis::FloorArea) << "2.5" << "3" << "600" << "600.75";
        QTest::newRow("usable area") << int(ChargeBasis::UsableArea) << "2" << "1" << "131" << "120";
        QTest::newRow("per room") << int(ChargeBasis::PerRoom) << "30" << "2" << "60" << "60";
        // 80.10 x 0.25 = 20.025: ties go away from zero here.
        QTest::newRow("tie") << int(ChargeBasis::FloorArea) << "0.25" << "1" << "20" << "20.03";
        // The price is taken to cents first, ties away from zero: 1.125 is 1.13.
        QTest::newRow("price of three decimals") << int(ChargeBasis::FloorArea) << "1.125" << "1" << "90.40"
                                                 << "90.51";
        QTest::newRow("negative price of three decimals") << int(ChargeBasis::PerRoom) << "-1.125" << "2" << "-2.26"
                                                          << "-2.26";
    }
    void chargesEveryRoomOfTheItem()
    {
        QFETCH(int, basis);
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(QString, chargeA);
        QFETCH(QString, chargeB);
        const auto r = charge(price, months, ChargeBasis(basis));
        const bool perRoom = ChargeBasis(basis) == ChargeBasis::PerRoom;
        // A room without the area is not charged, and the user is told how many.
        QCOMPARE(r.message(), perRoom ? QString("数据记入成功！") : QString("数据记入成功！\n1 间房屋没有面积，未计费。"));
        QCOMPARE(r.charged, perRoom ? 3 : 2);
        QCOMPARE(amount(*c, "BYFee", a), d(chargeA));
        QCOMPARE(amount(*c, "BYHJ", a), d(chargeA) + d("12.92"));
        QCOMPARE(amount(*c, "BYFee", b), d(chargeB));
        QCOMPARE(amount(*c, "BYHJ", b), d(chargeB) + d("1"));  // the apportioned charge is in the total
        QCOMPARE(amount(*c, "BYHJ", noArea), perRoom ? d(chargeA) : data::Decimal());
        QCOMPARE(amount(*c, "BYFee", noArea), perRoom ? d(chargeA) : data::Decimal());
        QCOMPARE(r.withoutArea, perRoom ? 0 : 1);
        QVERIFY(amount(*c, "BYFee", otherItem).isNull());
        QVERIFY(amount(*c, "BYFee", otherMonth).isNull());
    }

    void refusals()
    {
        QCOMPARE(charge("2", "1", ChargeBasis::PerRoom, "04", "202406").message(),
                 QString("上月费用余额尚未结转，请先生成。"));
        QCOMPARE(charge("2", "1", ChargeBasis::FloorArea).outcome, Outcome::Charged);
        QCOMPARE(charge("3", "1", ChargeBasis::FloorArea).message(), QString("本月该项费用已记入，不能进行操作。"));
        QCOMPARE(amount(*c, "BYFee", a), d("160"));
        const std::pair<QStringList, QString> inputs[] = {
            {{"", "1", "04"}, "请输入正确的数字字符。"},
            {{"2元", "", ""}, "请输入正确的数字字符。"},
            {{"2", " ", "04"}, "请输入计算期间。"},
            {{"2", "1a", "04"}, "请输入正确的数字字符。"},
            {{"2", "0", "04"}, "计算期间值不能小于或等于0。"},
            {{"2", "1", ""}, "请选择要计算的费用名称。"}};
        for (const auto& [typed, message] : inputs)
            QCOMPARE(charge(typed[0], typed[1], ChargeBasis::PerRoom, typed[2], "202406").message(), message);
    }

    void refusesAChargeItsColumnCannotHold_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("column");  // empty: charged
        // 16 integer digits fit the column; the embedded database keeps only
        // 15 significant digits exactly (room 101's total adds its arrears).
        const bool exactTo15 = testsupport::freshDatabase()->dialect().exactDigits() == 15;
        QTest::newRow("sixteen integer digits") << "5000000000000" << "999" << (exactTo15 ? "本月合计" : "");
        QTest::newRow("seventeen integer digits") << "99999999999999" << "999" << "本月费用";
        QTest::newRow("total past the column") << "9999999999999987.5" << "1"
                                               << (exactTo15 ? "本月费用" : "本月合计");
        QTest::newRow("sixteen significant digits") << "12345678901234.56" << "1" << (exactTo15 ? "本月费用" : "");
    }
    void refusesAChargeItsColumnCannotHold()
    {
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(QString, column);
        const auto r = charge(price, months, ChargeBasis::PerRoom);
        if (column.isEmpty()) {
            QCOMPARE(r.outcome, Outcome::Charged);
            return;
        }
        QCOMPARE(r.outcome, Outcome::TooLarge);
        QVERIFY2(r.message().contains(column), qPrintable(r.message()));
        QCOMPARE(r.charged, 0);
        QCOMPARE(count(*c, "Fee", "BYFee IS NOT NULL OR BYHJ IS NOT NULL"), 0);
        QCOMPARE(c->transactionDepth(), 0);
    }

    void leavesCollectedRowsAndRowsWithoutARoomAlone()
    {
        addRoom("104", "90", "80");
        const qint64 paid = addFee(*c, room("104"), "04", "202405",
                                   {{"BYFee", "0"}, {"BYHJ", "50"}, {"SSJE", "50"}, {"flag", "已收取"}});
        const qint64 roomless = addFee(*c, room("999"), "04", "202405");
        const auto r = charge("2", "1", ChargeBasis::FloorArea);
        QCOMPARE(r.outcome, Outcome::Charged);
        QCOMPARE(r.skippedCollected, 1);
        QCOMPARE(amount(*c, "BYFee", paid), d("0"));
        QCOMPARE(amount(*c, "BYHJ", paid), d("50"));
        QVERIFY(amount(*c, "BYFee", roomless).isNull());
    }

    void aFailureChangesNothing()
    {
        failWhen(*c, "Fee", "UPDATE", "NEW.RoomNum = '103'");
        QVERIFY_THROWS_EXCEPTION(data::Error, charge("2", "1", ChargeBasis::PerRoom));
        QCOMPARE(c->transactionDepth(), 0);
        QCOMPARE(count(*c, "Fee", "BYFee IS NOT NULL OR BYHJ IS NOT NULL"), 0);
    }
};

WYGL_TEST(TestBulkCharge)
#include "tst_BulkCharge.moc"
