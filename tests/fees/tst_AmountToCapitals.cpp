#include "fees/AmountToCapitals.h"
#include "support/TestMain.h"

using data::Decimal;

class TestAmountToCapitals : public QObject {
    Q_OBJECT
private slots:
    void writesAmounts_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("capitals");
        // The examples receipts have always printed.
        QTest::newRow("1234.56") << "1234.56" << "壹仟贰佰叁拾肆元伍角陆分";
        QTest::newRow("85") << "85" << "捌拾伍元整";
        QTest::newRow("100") << "100" << "壹佰元整";
        QTest::newRow("1005") << "1005" << "壹仟零伍元整";
        QTest::newRow("10.05") << "10.05" << "壹拾元零伍分";
        QTest::newRow("0.5") << "0.5" << "伍角整";
        QTest::newRow("0.05") << "0.05" << "零伍分";
        QTest::newRow("101.01") << "101.01" << "壹佰零壹元零壹分";
        QTest::newRow("60000") << "60000" << "陆万元整";
        QTest::newRow("1000000.1") << "1000000.1" << "壹佰万元壹角整";
        QTest::newRow("-12.3") << "-12.3" << "负壹拾贰元叁角整";
        // Zeros in every group of places.
        QTest::newRow("0.01") << "0.01" << "零壹分";
        QTest::newRow("10.5") << "10.50" << "壹拾元伍角整";
        QTest::newRow("1020") << "1020" << "壹仟零贰拾元整";
        QTest::newRow("100100") << "100100" << "壹拾万零壹佰元整";
        QTest::newRow("1001000") << "1001000" << "壹佰万壹仟元整";
        QTest::newRow("16409.02") << "16409.02" << "壹万陆仟肆佰零玖元零贰分";
        QTest::newRow("100000.07") << "100000.07" << "壹拾万元零柒分";
        QTest::newRow("9999999.99") << "9999999.99" << "玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
        // The eighth integer digit.
        QTest::newRow("10000000") << "10000000" << "壹仟万元整";
        QTest::newRow("10010000") << "10010000" << "壹仟零壹万元整";
        QTest::newRow("20000000.5") << "20000000.5" << "贰仟万元伍角整";
        QTest::newRow("largest") << "99999999.99" << "玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
        QTest::newRow("negative eight digits") << "-10000000" << "负壹仟万元整";
        // A third decimal is rounded away first, ties to even.
        QTest::newRow("12.345") << "12.345" << "壹拾贰元叁角肆分";
        QTest::newRow("12.355") << "12.355" << "壹拾贰元叁角陆分";
        QTest::newRow("0") << "0" << "";
        QTest::newRow("below a cent") << "0.004" << "";
        QTest::newRow("negative zero") << "-0.00" << "";
    }
    void writesAmounts()
    {
        QFETCH(QString, amount);
        QFETCH(QString, capitals);
        const auto text = fees::AmountToCapitals(Decimal::fromString(amount));
        QVERIFY(text.has_value());
        QCOMPARE(*text, capitals);
    }

    void refusesAmountsItCannotWrite()
    {
        QVERIFY(!fees::AmountToCapitals(Decimal::fromString("100000000")).has_value());
        QVERIFY(!fees::AmountToCapitals(Decimal::fromString("-100000000.00")).has_value());
        QVERIFY(!fees::AmountToCapitals(Decimal::fromString("99999999.995")).has_value());
        QVERIFY(fees::amountTooLargeMessage().contains("99999999.99"));
        QCOMPARE(*fees::AmountToCapitals(Decimal()), QString());
    }
};

WYGL_TEST(TestAmountToCapitals)
#include "tst_AmountToCapitals.moc"
