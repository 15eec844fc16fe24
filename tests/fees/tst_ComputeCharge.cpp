#include "fees/ComputeCharge.h"
#include "support/TestMain.h"

using data::Decimal;

namespace {
Decimal d(const QString& s)
{
    return Decimal::fromString(s);
}
}  // namespace

class TestComputeCharge : public QObject {
    Q_OBJECT
private slots:
    void chargesUsage_data()
    {
        // Readings as "start>end" per meter ("" for a meter with no end reading),
        // then quota, within-quota and over-quota prices.
        QTest::addColumn<QStringList>("meters");
        QTest::addColumn<QString>("quota");
        QTest::addColumn<QString>("within");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("charge");
        QTest::newRow("one meter under quota") << QStringList{"100>105", "", ""} << "10" << "2" << "3" << "5" << "10";
        QTest::newRow("at quota") << QStringList{"100>110", "", ""} << "10" << "2" << "3" << "10" << "20";
        QTest::newRow("over quota") << QStringList{"100>115", "", ""} << "10" << "2" << "3" << "15" << "35";
        QTest::newRow("two meters") << QStringList{"100>104", "50>56", ""} << "20" << "2" << "3" << "10" << "20";
        QTest::newRow("three meters over quota")
            << QStringList{"0>5", "10>15", "20>25"} << "10" << "2" << "3" << "15" << "35";
        QTest::newRow("only meter 2 read") << QStringList{"100>", "50>58", ""} << "10" << "2" << "3" << "8" << "16";
        QTest::newRow("no meter read") << QStringList{"100>", "", ""} << "10" << "2" << "3" << "0" << "0";
        QTest::newRow("start missing counts 0") << QStringList{">12", "", ""} << "0" << "1" << "1" << "12" << "12";
        QTest::newRow("no quota") << QStringList{"0>40", "", ""} << "0" << "1.5" << "3" << "40" << "60";
        QTest::newRow("null quota") << QStringList{"0>40", "", ""} << "" << "1.5" << "3" << "40" << "60";
        QTest::newRow("negative quota") << QStringList{"0>40", "", ""} << "-5" << "1.5" << "3" << "40" << "60";
        QTest::newRow("null prices") << QStringList{"0>40", "", ""} << "10" << "" << "" << "40" << "0";
        // Ties are rounded to even on the exact product.
        QTest::newRow("tie up to even, no quota") << QStringList{"100>102.5", "", ""} << "0" << "1.07" << "2"
                                                  << "2.5" << "2.68";
        QTest::newRow("tie up to even, within quota") << QStringList{"100>102.5", "", ""} << "10" << "1.07" << "2"
                                                      << "2.5" << "2.68";
        QTest::newRow("tie down to even") << QStringList{"100>102.5", "", ""} << "10" << "1.05" << "2" << "2.5"
                                          << "2.62";
        QTest::newRow("tie over quota") << QStringList{"0>12.5", "", ""} << "10" << "1" << "1.07" << "12.5"
                                        << "12.68";
        QTest::newRow("no tie rounds to nearest") << QStringList{"0>3.33", "", ""} << "0" << "0.33" << "0"
                                                  << "3.33" << "1.1";
    }
    void chargesUsage()
    {
        QFETCH(QStringList, meters);
        QFETCH(QString, quota);
        QFETCH(QString, within);
        QFETCH(QString, over);
        QFETCH(QString, usage);
        QFETCH(QString, charge);
        fees::MeterChargeInput in;
        for (int i = 0; i < 3; ++i) {
            const QStringList ends = meters[i].split(u'>');
            in.startReadings[i] = d(ends.value(0));
            in.endReadings[i] = d(ends.value(1));
        }
        in.quota = d(quota);
        in.withinPrice = d(within);
        in.overPrice = d(over);
        in.apportioned = d("0");
        in.arrears = d("0");
        in.lateFee = d("0");
        const fees::MeterCharge r = fees::ComputeCharge(in);
        QVERIFY2(r.ok, qPrintable(r.warning));
        QCOMPARE(r.usage, d(usage));
        QCOMPARE(r.charge, d(charge));
        QCOMPARE(r.charge.scale(), 2);
        QCOMPARE(r.total, d(charge));
    }

    void totalAddsEveryTermWithNullsAsZero()
    {
        fees::MeterChargeInput in;
        in.startReadings = {d("100"), Decimal(), Decimal()};
        in.endReadings = {d("115"), Decimal(), Decimal()};
        in.quota = d("10");
        in.withinPrice = d("2");
        in.overPrice = d("3");
        in.apportioned = d("5.00");
        in.arrears = d("12.30");
        in.lateFee = d("0.62");
        QCOMPARE(fees::ComputeCharge(in).total, d("52.92"));
        in.apportioned = Decimal();
        in.lateFee = Decimal();
        QCOMPARE(fees::ComputeCharge(in).total, d("47.30"));
        // The per-room non-metered total follows the same rule.
        QCOMPARE(fees::monthTotal(d("60"), Decimal(), d("20.5"), Decimal()), d("80.50"));
        QVERIFY(!fees::monthTotal(Decimal(), Decimal(), Decimal(), Decimal()).isNull());
    }

    void refusesEndReadingBelowStart()
    {
        fees::MeterChargeInput in;
        in.startReadings = {d("100"), d("50"), Decimal()};
        in.endReadings = {d("120"), d("49.99"), Decimal()};
        in.quota = d("0");
        in.withinPrice = d("2");
        const fees::MeterCharge r = fees::ComputeCharge(in);
        QVERIFY(!r.ok);
        QCOMPARE(r.warning, QString("表末数[2]不能小于表初数[2]！请仔细核对！"));
        QVERIFY(r.charge.isNull() && r.total.isNull());
    }
};

WYGL_TEST(TestComputeCharge)
#include "tst_ComputeCharge.moc"
