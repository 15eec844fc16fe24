#include "FeeFixture.h"
#include "fees/BulkCharge.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using data::Decimal;
using fees::BulkChargeRequest;
using fees::ChargeBasis;
using Outcome = fees::BulkChargeResult::Outcome;
using namespace feetest;

namespace {
const QString kMonth = QStringLiteral("202405");

Decimal d(const QString& s)
{
    return Decimal::fromString(s);
}

BulkChargeRequest request(const QString& price, const QString& months, ChargeBasis basis)
{
    return {QStringLiteral("05"), QStringLiteral("物业费"), price, months, basis, kMonth};
}

// Three rooms with the month's management-fee rows, and a row of another item
// and of another month beside them.
struct Month {
    std::unique_ptr<data::Connection> c = testsupport::freshDatabase();
    qint64 a, b, noArea, otherItem, otherMonth;
    Month()
    {
        addRoom(*c, room("101"), "80.00", "65.50");
        addRoom(*c, room("102"), "80.10", "60.00");
        addRoom(*c, room("103"), QVariant(), QVariant());
        a = addFee(*c, room("101"), "05", "物业费", kMonth,
                   {{"FTFee", "0"}, {"WYqk", "12.30"}, {"ZNJ", "0.62"}});
        b = addFee(*c, room("102"), "05", "物业费", kMonth, {{"FTFee", "1.00"}});
        noArea = addFee(*c, room("103"), "05", "物业费", kMonth);
        otherItem = addFee(*c, room("101"), "06", "卫生费", kMonth);
        otherMonth = addFee(*c, room("101"), "05", "物业费", "202404");
    }
    Decimal at(qint64 rid, const char* column) { return decimalAt(*c, "Fee", column, rid); }
};
}  // namespace

class TestBulkCharge : public QObject {
    Q_OBJECT
private slots:
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
        QTest::newRow("tie away from zero") << int(ChargeBasis::FloorArea) << "0.25" << "1" << "20" << "20.03";
        QTest::newRow("price with three decimals") << int(ChargeBasis::FloorArea) << "1.125" << "1" << "90"
                                                   << "90.11";
    }
    void chargesEveryRoomOfTheItem()
    {
        QFETCH(int, basis);
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(QString, chargeA);
        QFETCH(QString, chargeB);
        Month m;
        const auto r = fees::bulkCharge(*m.c, request(price, months, ChargeBasis(basis)));
        QCOMPARE(r.outcome, Outcome::Charged);
        QCOMPARE(r.message(), QString("数据记入成功！"));
        QCOMPARE(r.charged, 3);
        QCOMPARE(m.at(m.a, "BYFee"), d(chargeA));
        QCOMPARE(m.at(m.a, "BYHJ"), d(chargeA) + d("12.92"));
        QCOMPARE(m.at(m.b, "BYFee"), d(chargeB));
        QCOMPARE(m.at(m.b, "BYHJ"), d(chargeB) + d("1"));  // the apportioned charge is in the total
        const Decimal noArea = ChargeBasis(basis) == ChargeBasis::PerRoom ? d(chargeA) : d("0");
        QCOMPARE(m.at(m.noArea, "BYFee"), noArea);
        QCOMPARE(m.at(m.noArea, "BYHJ"), noArea);
        QCOMPARE(r.withoutArea, ChargeBasis(basis) == ChargeBasis::PerRoom ? 0 : 1);
        QVERIFY(m.at(m.otherItem, "BYFee").isNull());
        QVERIFY(m.at(m.otherMonth, "BYFee").isNull());
    }

    void refusesASecondRun()
    {
        Month m;
        QCOMPARE(fees::bulkCharge(*m.c, request("2", "1", ChargeBasis::FloorArea)).outcome, Outcome::Charged);
        const auto again = fees::bulkCharge(*m.c, request("3", "1", ChargeBasis::FloorArea));
        QCOMPARE(again.outcome, Outcome::AlreadyCharged);
        QCOMPARE(again.message(), QString("本月该项费用已记入，不能进行操作。"));
        QCOMPARE(m.at(m.a, "BYFee"), d("160"));
    }

    void refusesAMonthNotGenerated()
    {
        Month m;
        auto req = request("2", "1", ChargeBasis::PerRoom);
        req.period = "202406";
        const auto r = fees::bulkCharge(*m.c, req);
        QCOMPARE(r.outcome, Outcome::MonthNotGenerated);
        QCOMPARE(r.message(), QString("上月费用余额尚未结转，请先生成。"));
    }

    void checksItsInputsFirst_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("feeId");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty price") << "" << "1" << "05" << "请输入正确的数字字符。";
        QTest::newRow("price not a number") << "2元" << "" << "" << "请输入正确的数字字符。";
        QTest::newRow("empty months") << "2" << " " << "05" << "请输入计算期间。";
        QTest::newRow("months not a number") << "2" << "1a" << "05" << "请输入正确的数字字符。";
        QTest::newRow("zero months") << "2" << "0" << "05" << "计算期间值不能小于或等于0。";
        QTest::newRow("no item") << "2" << "1" << "" << "请选择要计算的费用名称。";
    }
    void checksItsInputsFirst()
    {
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(QString, feeId);
        QFETCH(QString, message);
        Month m;
        auto req = request(price, months, ChargeBasis::PerRoom);
        req.feeId = feeId;
        const auto r = fees::bulkCharge(*m.c, req);
        QVERIFY(!r.succeeded());
        QCOMPARE(r.message(), message);
        QVERIFY(m.at(m.a, "BYFee").isNull());
    }

    void leavesCollectedRowsAndRowsWithoutARoomAlone()
    {
        Month m;
        const qint64 paid = addFee(*m.c, room("104"), "05", "物业费", kMonth,
                                   {{"BYFee", "0"}, {"WYqk", "50"}, {"BYHJ", "50"}, {"SSJE", "50"}, {"flag", "已收取"}});
        addRoom(*m.c, room("104"), "90", "80");
        const qint64 roomless = addFee(*m.c, room("999"), "05", "物业费", kMonth);
        const auto r = fees::bulkCharge(*m.c, request("2", "1", ChargeBasis::FloorArea));
        QCOMPARE(r.outcome, Outcome::Charged);
        QCOMPARE(r.skippedCollected, 1);
        QCOMPARE(m.at(paid, "BYFee"), d("0"));
        QCOMPARE(m.at(paid, "BYHJ"), d("50"));
        QVERIFY(m.at(roomless, "BYFee").isNull());
    }

    void aFailureChangesNothing()
    {
        Month m;
        failWhen(*m.c, "Fee", "UPDATE", "NEW.RoomNum = '103'");
        QVERIFY_THROWS_EXCEPTION(data::Error, fees::bulkCharge(*m.c, request("2", "1", ChargeBasis::PerRoom)));
        QCOMPARE(m.c->transactionDepth(), 0);
        QCOMPARE(count(*m.c, "Fee", "BYFee IS NOT NULL OR BYHJ IS NOT NULL"), 0);
        QVERIFY(!fees::bulkChargeFailureMessage().isEmpty());
    }
};

WYGL_TEST(TestBulkCharge)
#include "tst_BulkCharge.moc"
