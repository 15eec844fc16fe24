#include "FeeFixture.h"
#include "fees/ComputeCharge.h"
#include "support/TestMain.h"

using data::Decimal;
using feetest::d;

namespace {
// Meters written "start>end"; no end reading after '>' means not read.
fees::MeterChargeInput input(const QStringList& meters, const QString& quota, const QString& within,
                             const QString& over)
{
    fees::MeterChargeInput in;
    for (int i = 0; i < meters.size(); ++i) {
        in.startReadings[i] = d(meters[i].section(u'>', 0, 0));
        in.endReadings[i] = d(meters[i].section(u'>', 1, 1));
    }
    in.quota = d(quota);
    in.withinPrice = d(within);
    in.overPrice = d(over);
    return in;
}
}  // namespace

class TestComputeCharge : public QObject {
    Q_OBJECT
private slots:
    void chargesUsage_data()
    {
        QTest::addColumn<QStringList>("meters");
        QTest::addColumn<QString>("quota");
        QTest::addColumn<QString>("within");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("charge");
        QTest::newRow("under quota") << QStringList{"100>105"} << "10" << "2" << "3" << "5" << "10";
        QTest::newRow("at quota") << QStringList{"100>110"} << "10" << "2" << "3" << "10" << "20";
        QTest::newRow("over quota") << QStringList{"100>115"} << "10" << "2" << "3" << "15" << "35";
        QTest::newRow("two meters") << QStringList{"100>104", "50>56"} << "20" << "2" << "3" << "10" << "20";
        QTest::newRow("three meters") << QStringList{"0>5", "10>15", "20>25"} << "10" << "2" << "3" << "15" << "35";
        QTest::newRow("only meter 2 read") << QStringList{"100>", "50>58"} << "10" << "2" << "3" << "8" << "16";
        QTest::newRow("no meter read") << QStringList{"100>"} << "10" << "2" << "3" << "0" << "0";
        QTest::newRow("no quota") << QStringList{"0>40"} << "0" << "1.5" << "3" << "40" << "60";
        QTest::newRow("null quota") << QStringList{"0>40"} << "" << "1.5" << "3" << "40" << "60";
        QTest::newRow("no price needed without usage") << QStringList{"40>40"} << "10" << "" << "" << "0" << "0";
        QTest::newRow("no over-quota price needed at the quota") << QStringList{"0>10"} << "10" << "2" << "" << "10"
                                                                 << "20";
        // Ties are rounded to even on the exact product.
        QTest::newRow("tie up, no quota") << QStringList{"100>102.5"} << "0" << "1.07" << "2" << "2.5" << "2.68";
        QTest::newRow("tie up, within") << QStringList{"100>102.5"} << "10" << "1.07" << "2" << "2.5" << "2.68";
        QTest::newRow("tie down") << QStringList{"100>102.5"} << "10" << "1.05" << "2" << "2.5" << "2.62";
        QTest::newRow("tie over quota") << QStringList{"0>12.5"} << "10" << "1" << "1.07" << "12.5" << "12.68";
    }
    void chargesUsage()
    {
        QFETCH(QStringList, meters);
        QFETCH(QString, quota);
        QFETCH(QString, within);
        QFETCH(QString, over);
        QFETCH(QString, usage);
        QFETCH(QString, charge);
        const fees::MeterCharge r = fees::ComputeCharge(input(meters, quota, within, over));
        QVERIFY2(r.ok, qPrintable(r.warning));
        QCOMPARE(r.usage, d(usage));
        QCOMPARE(r.charge, d(charge));
        QCOMPARE(r.charge.scale(), 2);
        QCOMPARE(r.total, d(charge));
    }

    void totalAddsEveryTermWithNullsAsZero()
    {
        fees::MeterChargeInput in = input({"100>115"}, "10", "2", "3");
        in.apportioned = d("5.00");
        in.arrears = d("12.30");
        in.lateFee = d("0.62");
        QCOMPARE(fees::ComputeCharge(in).total, d("52.92"));
        in.apportioned = in.lateFee = Decimal();
        QCOMPARE(fees::ComputeCharge(in).total, d("47.30"));
        QCOMPARE(fees::monthTotal(d("60"), Decimal(), d("20.5"), Decimal()), d("80.50"));
        QCOMPARE(fees::monthTotal(Decimal(), Decimal(), Decimal(), Decimal()), d("0"));
    }

    void refusesWhatItCannotCharge_data()
    {
        QTest::addColumn<QStringList>("meters");
        QTest::addColumn<QString>("quota");
        QTest::addColumn<QString>("within");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("warning");
        QTest::newRow("end below start") << QStringList{"100>120", "50>49.99"} << "0" << "2" << "2"
                                         << "表末数[2]不能小于表初数[2]！请仔细核对！";
        // Taking the start as 0 would charge the whole meter.
        QTest::newRow("no start reading") << QStringList{"100>120", ">12345"} << "0" << "2" << "2"
                                          << "请先输入表初数！";
        QTest::newRow("no within-quota price") << QStringList{"0>5"} << "10" << "" << "3"
                                               << "该收费项目没有设置单价！（水费）";
        QTest::newRow("no price, no quota") << QStringList{"0>5"} << "0" << "" << "3"
                                            << "该收费项目没有设置单价！（水费）";
        QTest::newRow("no over-quota price, over the quota") << QStringList{"0>15"} << "10" << "2" << ""
                                                             << "该收费项目没有设置单价！（水费）";
    }
    void refusesWhatItCannotCharge()
    {
        QFETCH(QStringList, meters);
        QFETCH(QString, quota);
        QFETCH(QString, within);
        QFETCH(QString, over);
        QFETCH(QString, warning);
        fees::MeterChargeInput in = input(meters, quota, within, over);
        in.itemName = "水费";
        const fees::MeterCharge r = fees::ComputeCharge(in);
        QVERIFY(!r.ok);
        QCOMPARE(r.warning, warning);
        QVERIFY(r.charge.isNull() && r.total.isNull());
    }
};

WYGL_TEST(TestComputeCharge)
#include "tst_ComputeCharge.moc"
