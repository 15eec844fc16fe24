#include "platform/data/Decimal.h"
#include "platform/data/Error.h"
#include "support/TestMain.h"

using data::Decimal;
using data::Rounding;

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void exactSums()
    {
        QCOMPARE((Decimal::fromString("0.1") + Decimal::fromString("0.2")).toString(), QString("0.3"));
        QVERIFY(Decimal::fromString("0.1") + Decimal::fromString("0.2") == Decimal::fromString("0.3"));
        QCOMPARE((Decimal::fromString("9999999999.99") + Decimal::fromString("0.01")).toString(),
                 QString("10000000000"));
        QCOMPARE((Decimal::fromString("-5.5") + Decimal::fromString("2.25")).toString(), QString("-3.25"));
        QCOMPARE((Decimal::fromString("1.10") - Decimal::fromString("1.1")).toString(), QString("0"));
    }

    void productsKeepEveryDigit()
    {
        const Decimal p = Decimal::fromString("2.5") * Decimal::fromString("1.07");
        QCOMPARE(p.toString(), QString("2.675"));
        QCOMPARE(p.scale(), 3);
        QCOMPARE((Decimal::fromString("80.10") * Decimal::fromString("0.25")).toString(), QString("20.025"));
        QCOMPARE((Decimal::fromString("-3") * Decimal::fromString("0.333333")).toString(), QString("-0.999999"));
    }

    void quantizeTieRules_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("halfEven");
        QTest::addColumn<QString>("halfAway");
        QTest::newRow("2.675") << "2.675" << 2 << "2.68" << "2.68";
        QTest::newRow("2.665") << "2.665" << 2 << "2.66" << "2.67";
        QTest::newRow("0.015") << "0.015" << 2 << "0.02" << "0.02";
        QTest::newRow("0.025") << "0.025" << 2 << "0.02" << "0.03";
        QTest::newRow("20.025") << "20.025" << 2 << "20.02" << "20.03";
        QTest::newRow("-2.665") << "-2.665" << 2 << "-2.66" << "-2.67";
        QTest::newRow("-0.005") << "-0.005" << 2 << "0" << "-0.01";
        QTest::newRow("not a tie") << "1.2349" << 2 << "1.23" << "1.23";
        QTest::newRow("0.5 to units") << "0.5" << 0 << "0" << "1";
        QTest::newRow("1.5 to units") << "1.5" << 0 << "2" << "2";
        QTest::newRow("pads") << "3" << 2 << "3" << "3";
        QTest::newRow("max money") << "9999999999.994" << 2 << "9999999999.99" << "9999999999.99";
    }
    void quantizeTieRules()
    {
        QFETCH(QString, value);
        QFETCH(int, scale);
        QFETCH(QString, halfEven);
        QFETCH(QString, halfAway);
        const Decimal d = Decimal::fromString(value);
        QCOMPARE(d.quantize(scale, Rounding::HalfEven).toString(), halfEven);
        QCOMPARE(d.quantize(scale, Rounding::HalfAwayFromZero).toString(), halfAway);
        QCOMPARE(d.quantize(scale).scale(), scale);
    }

    void generalNumberFormat()
    {
        QCOMPARE(Decimal::fromString("12.50").toString(), QString("12.5"));
        QCOMPARE(Decimal::fromString("12.00").toString(), QString("12"));
        QCOMPARE(Decimal::fromString("0.000001").toString(), QString("0.000001"));
        QCOMPARE(Decimal::fromString("-0.00").toString(), QString("0"));
        QCOMPARE(Decimal::fromString("1234567.8").toString(), QString("1234567.8"));  // no separators
        QCOMPARE(Decimal::fromString("2.5").toFixed(2), QString("2.50"));
        QCOMPARE(Decimal::fromString("-0.5").toFixed(2), QString("-0.50"));
        QCOMPARE(Decimal::fromString(".5").toString(), QString("0.5"));
    }

    void parsingRefusesJunk()
    {
        QVERIFY(!Decimal::parse("abc"));
        QVERIFY(!Decimal::parse("1.2.3"));
        QVERIFY(!Decimal::parse("1e3"));
        QVERIFY(!Decimal::parse("1,000"));
        QVERIFY(!Decimal::parse("-"));
        QVERIFY(!Decimal::parse("."));
        QVERIFY(Decimal::parse("  ")->isNull());
        QCOMPARE(Decimal::parse(" +7.25 ")->toString(), QString("7.25"));
        QVERIFY_THROWS_EXCEPTION(data::Error, Decimal::fromString("12a"));
    }

    void nullBehavesLikeDatabaseNull()
    {
        const Decimal n;
        QVERIFY(n.isNull());
        QVERIFY((n + Decimal(1)).isNull());
        QVERIFY((Decimal(1) * n).isNull());
        QCOMPARE(n.toString(), QString());
        QVERIFY(!n.toVariant().isValid() || n.toVariant().isNull());
        QCOMPARE((n.orZero() + Decimal(2)).toString(), QString("2"));
        QVERIFY(n < Decimal(-1000));
        QVERIFY(n == Decimal());
    }

    void databaseValues()
    {
        // The embedded database hands decimals back as doubles.
        QCOMPARE(Decimal::fromDouble(2.68).toString(), QString("2.68"));
        QCOMPARE(Decimal::fromDouble(0.1 + 0.2).quantize(2).toString(), QString("0.3"));
        QCOMPARE(Decimal::fromDouble(9999999999.99).toString(), QString("9999999999.99"));
        QCOMPARE(Decimal::fromVariant(QVariant(QString("123.4500"))).toString(), QString("123.45"));
        QCOMPARE(Decimal::fromVariant(QVariant(42)).toString(), QString("42"));
        QVERIFY(Decimal::fromVariant(QVariant()).isNull());
        QCOMPARE(Decimal::fromDouble(1e-7).toString(), QString("0.0000001"));
    }

    void division()
    {
        QCOMPARE(Decimal(1).divide(Decimal(3), 2).toString(), QString("0.33"));
        QCOMPARE(Decimal(2).divide(Decimal(3), 2).toString(), QString("0.67"));
        QCOMPARE(Decimal::fromString("0.125").divide(Decimal(1), 2).toString(), QString("0.12"));
        QCOMPARE(Decimal::fromString("-1").divide(Decimal::fromString("8"), 2, Rounding::HalfAwayFromZero).toString(),
                 QString("-0.13"));
        QCOMPARE(Decimal(50).divide(Decimal::fromString("-0.5"), 0).toString(), QString("-100"));
        QVERIFY_THROWS_EXCEPTION(data::Error, Decimal(1).divide(Decimal(0), 2));
    }

    void ordering()
    {
        QVERIFY(Decimal::fromString("2.50") == Decimal::fromString("2.5"));
        QVERIFY(Decimal::fromString("-0.01") < Decimal(0));
        QVERIFY(Decimal::fromString("10.1") > Decimal::fromString("10.09"));
        QCOMPARE(Decimal::fromString("12.99").toLongLong(), 12LL);
        QCOMPARE(Decimal::fromString("-12.99").toLongLong(), -12LL);
    }

    void overflowIsAnErrorNotAWrap()
    {
        const Decimal big = Decimal::fromString("999999999999999999");
        QVERIFY_THROWS_EXCEPTION(data::Error, big * big * big);
    }
};

WYGL_TEST(TestDecimal)
#include "tst_Decimal.moc"
