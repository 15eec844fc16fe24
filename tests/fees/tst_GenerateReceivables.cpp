#include "FeeFixture.h"
#include "fees/Money.h"
#include "fees/ChargingSettings.h"
#include "fees/GenerateReceivables.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using data::Decimal;
using fees::GenerationResult;
using Outcome = fees::GenerationResult::Outcome;
using namespace feetest;

namespace {
Decimal d(const QString& s)
{
    return Decimal::fromString(s);
}

GenerationResult generate(data::Connection& c, int year, int month, int n = 1, bool replace = false)
{
    return fees::GenerateReceivables(c, {{year, month}, n, replace});
}

// The one row of a room's item in a month.
qint64 feeRow(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& period)
{
    return c.scalar("SELECT rid FROM Fee WHERE RoomNum = ? AND FeeID = ? AND inDate = ? ORDER BY rid",
                    {k.roomNum, feeId, period})
        .toLongLong();
}
}  // namespace

class TestGenerateReceivables : public QObject {
    Q_OBJECT
private slots:
    void takesTheBaseMonthNMonthsBack_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("base");
        QTest::newRow("January, 1") << 2024 << 1 << 1 << "202312";
        QTest::newRow("March, 3") << 2024 << 3 << 3 << "202312";
        QTest::newRow("May, 3") << 2024 << 5 << 3 << "202402";
        QTest::newRow("December, 1") << 2024 << 12 << 1 << "202411";
        QTest::newRow("February, 9") << 2024 << 2 << 9 << "202305";
    }
    void takesTheBaseMonthNMonthsBack()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, n);
        QFETCH(QString, base);
        auto c = testsupport::freshDatabase();
        const auto k = room();
        addItem(*c, k, "01", "水费", {{"BDS1", 7}});
        // The base month and its neighbours hold different end readings.
        const fees::Period b = *fees::Period::fromText(base);
        addFee(*c, k, "01", "水费", b.monthsBefore(1).text(), {{"BMNum1", "111"}});
        addFee(*c, k, "01", "水费", base, {{"BMNum1", "222"}});
        const fees::Period after = b.month == 12 ? fees::Period{b.year + 1, 1} : fees::Period{b.year, b.month + 1};
        if (n > 1)
            addFee(*c, k, "01", "水费", after.text(), {{"BMNum1", "333"}});

        const GenerationResult r = generate(*c, year, month, n);
        QCOMPARE(r.outcome, Outcome::Generated);
        QCOMPARE(r.basePeriod, base);
        QCOMPARE(r.period, (fees::Period{year, month}.text()));
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", feeRow(*c, k, "01", r.period)), d("222"));
    }

    void carriesReadingsAndBillsEveryItem()
    {
        auto c = testsupport::freshDatabase();
        const auto read = room("101"), unread = room("102"), fresh = room("103");
        addItem(*c, read, "01", "水费", {{"BDS1", 1}, {"BDS2", 2}, {"BDS3", 3}, {"DL", 10}});
        addItem(*c, unread, "01", "水费", {{"BDS1", 1}});
        addItem(*c, fresh, "01", "水费", {{"BDS1", 10}, {"BDS2", 20}, {"DL", 8}});
        // A vacant room's item is billed all the same.
        insertRow(*c, "Rooms", {{"RegionID", "1"}, {"BuildId", "2"}, {"UnitName", "1"}, {"RoomNum", "103"},
                                {"UState", "A"}});
        addFee(*c, read, "01", "水费", "202403",
               {{"BCNum1", "100"}, {"BMNum1", "150.5"}, {"BCNum2", "80"}, {"BMNum2", QVariant()}});
        addFee(*c, unread, "01", "水费", "202403", {{"BCNum1", "40"}});

        const GenerationResult r = generate(*c, 2024, 4);
        QCOMPARE(r.inserted, 3);
        QCOMPARE(r.carried, 2);
        QCOMPARE(count(*c, "Fee", "inDate = '202404'"), 3);

        const qint64 a = feeRow(*c, read, "01", "202404");
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", a), d("150.50"));  // the end reading
        QCOMPARE(decimalAt(*c, "Fee", "BCNum2", a), d("80"));      // no end reading: the start reading
        QVERIFY(decimalAt(*c, "Fee", "BCNum3", a).isNull());       // neither
        QCOMPARE(c->scalar("SELECT DL FROM Fee WHERE rid = ?", {a}).toInt(), 10);
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", feeRow(*c, unread, "01", "202404")), d("40"));

        const qint64 f = feeRow(*c, fresh, "01", "202404");  // no base row: the room's base readings
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", f), d("10"));
        QCOMPARE(decimalAt(*c, "Fee", "BCNum2", f), d("20"));
        QCOMPARE(decimalAt(*c, "Fee", "WYqk", f), d("0"));
        QCOMPARE(decimalAt(*c, "Fee", "ZNJ", f), d("0"));
        QCOMPARE(decimalAt(*c, "Fee", "FTFee", f), d("0"));
        QVERIFY(decimalAt(*c, "Fee", "BYHJ", f).isNull());
        QCOMPARE(textAt(*c, "Fee", "flag", f), QString("未收取"));
    }

    void arrearsAndLateFeeFromTheBaseRow_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QVariant>("total");
        QTest::addColumn<QString>("rate");  // empty: no settings row
        QTest::addColumn<QString>("arrears");
        QTest::addColumn<QString>("lateFee");
        QTest::newRow("unpaid, tie away from zero") << "未收取" << QVariant("10.50") << "0.05" << "10.50" << "0.53";
        QTest::newRow("unpaid credit") << "未收取" << QVariant("-10.50") << "0.05" << "-10.50" << "-0.53";
        QTest::newRow("rate keeps six decimals") << "未收取" << QVariant("1000") << "0.000250" << "1000" << "0.25";
        QTest::newRow("flag with blanks") << "未收取  " << QVariant("20") << "0.1" << "20" << "2";
        QTest::newRow("collected") << "已收取" << QVariant("300") << "0.05" << "0" << "0";
        QTest::newRow("null total") << "未收取" << QVariant() << "0.05" << "0" << "0";
        QTest::newRow("no settings") << "未收取" << QVariant("100") << "" << "100" << "0";
    }
    void arrearsAndLateFeeFromTheBaseRow()
    {
        QFETCH(QString, flag);
        QFETCH(QVariant, total);
        QFETCH(QString, rate);
        QFETCH(QString, arrears);
        QFETCH(QString, lateFee);
        auto c = testsupport::freshDatabase();
        if (!rate.isEmpty())
            setLateFeeRate(*c, rate);
        const auto k = room();
        addItem(*c, k, "01", "水费");
        addFee(*c, k, "01", "水费", "202312", {{"flag", flag}, {"BYHJ", total}, {"BMNum1", "9"}});

        const GenerationResult r = generate(*c, 2024, 1);
        QCOMPARE(r.outcome, Outcome::Generated);
        const qint64 row = feeRow(*c, k, "01", "202401");
        QCOMPARE(decimalAt(*c, "Fee", "WYqk", row), d(arrears));
        QCOMPARE(decimalAt(*c, "Fee", "ZNJ", row), d(lateFee));
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", row), d("9"));
    }

    void duplicateItemsAndBaseRowsTakeTheFirstBaseRow()
    {
        auto c = testsupport::freshDatabase();
        setLateFeeRate(*c, "0.1");
        const auto k = room();
        addItem(*c, k, "01", "水费");
        addItem(*c, k, "01", "水费");
        // The row with the lower identity counts, whichever was written first.
        addFee(*c, k, "01", "水费", "202402", {{"rid", 900}, {"BMNum1", "70"}, {"BYHJ", "99"}, {"flag", "已收取"}});
        addFee(*c, k, "01", "水费", "202402", {{"rid", 800}, {"BMNum1", "50"}, {"BYHJ", "20"}});

        const GenerationResult r = generate(*c, 2024, 3);
        QCOMPARE(r.inserted, 2);
        QSqlQuery q = c->exec("SELECT BCNum1, WYqk, ZNJ FROM Fee WHERE inDate = '202403'");
        int rows = 0;
        for (; q.next(); ++rows) {
            QCOMPARE(fees::money(q.value(0)), d("50"));
            QCOMPARE(fees::money(q.value(1)), d("20"));
            QCOMPARE(fees::money(q.value(2)), d("2"));
        }
        QCOMPARE(rows, 2);
    }

    void regeneratesOnlyWhenConfirmed()
    {
        auto c = testsupport::freshDatabase();
        const auto k = room();
        addItem(*c, k, "01", "水费", {{"BDS1", 5}});
        addItem(*c, k, "02", "电费", {{"BDS1", 6}});
        QCOMPARE(generate(*c, 2024, 6).outcome, Outcome::Generated);
        const qint64 typed = feeRow(*c, k, "01", "202406");
        c->exec("UPDATE Fee SET BMNum1 = 30 WHERE rid = ?", {typed});
        addFee(*c, k, "01", "水费", "202405", {{"BMNum1", "4"}});

        const GenerationResult asked = generate(*c, 2024, 6);
        QCOMPARE(asked.outcome, Outcome::NeedsConfirmation);
        QCOMPARE(asked.message(), QString("该月的费用帐单已生成，要重新生成吗？"));
        QCOMPARE(decimalAt(*c, "Fee", "BMNum1", typed), d("30"));

        const GenerationResult again = generate(*c, 2024, 6, 1, true);
        QCOMPARE(again.outcome, Outcome::Regenerated);
        QCOMPARE(again.message(), QString("重新生成数据成功，可以进行收费操作。"));
        QCOMPARE(again.deleted, 2);
        QCOMPARE(again.inserted, 2);
        QCOMPARE(count(*c, "Fee", "inDate = '202406'"), 2);
        QCOMPARE(count(*c, "Fee", "inDate = '202405'"), 1);
        QCOMPARE(decimalAt(*c, "Fee", "BCNum1", feeRow(*c, k, "01", "202406")), d("4"));
    }

    void refusesAMonthWithCollectedRows()
    {
        auto c = testsupport::freshDatabase();
        const auto k = room();
        addItem(*c, k, "01", "水费");
        addItem(*c, k, "02", "电费");
        const qint64 paid = addFee(*c, k, "01", "水费", "202406", {{"BYHJ", "12"}, {"SSJE", "12"}, {"flag", "已收取 "}});
        addFee(*c, k, "02", "电费", "202406", {{"BYHJ", "5"}});

        for (bool replace : {false, true}) {
            const GenerationResult r = generate(*c, 2024, 6, 1, replace);
            QCOMPARE(r.outcome, Outcome::CollectedRowsExist);
            QCOMPARE(r.collectedRows, 1);
            QVERIFY(r.message().contains("已收取"));
        }
        QCOMPARE(count(*c, "Fee"), 2);
        QCOMPARE(decimalAt(*c, "Fee", "SSJE", paid), d("12"));
    }

    void refusesBadInputsBeforeChangingAnything_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("outcome");
        QTest::newRow("n = 0") << 2024 << 6 << 0 << int(Outcome::InvalidMonthCount);
        QTest::newRow("n = 10") << 2024 << 6 << 10 << int(Outcome::InvalidMonthCount);
        QTest::newRow("n < 0") << 2024 << 6 << -1 << int(Outcome::InvalidMonthCount);
        QTest::newRow("month 0") << 2024 << 0 << 1 << int(Outcome::InvalidMonth);
        QTest::newRow("month 13") << 2024 << 13 << 1 << int(Outcome::InvalidMonth);
        QTest::newRow("year 99") << 99 << 6 << 1 << int(Outcome::InvalidMonth);
    }
    void refusesBadInputsBeforeChangingAnything()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, n);
        QFETCH(int, outcome);
        auto c = testsupport::freshDatabase();
        const auto k = room();
        addItem(*c, k, "01", "水费");
        const qint64 kept = addFee(*c, k, "01", "水费", fees::Period{year, month}.text(), {{"BMNum1", "8"}});
        const GenerationResult r = generate(*c, year, month, n, true);
        QCOMPARE(int(r.outcome), outcome);
        QVERIFY(!r.succeeded());
        QVERIFY(!r.message().isEmpty());
        QCOMPARE(count(*c, "Fee"), 1);
        QCOMPARE(decimalAt(*c, "Fee", "BMNum1", kept), d("8"));
    }

    void readsTheTypedMonthCount()
    {
        QCOMPARE(fees::parseMonthCount(" 3 "), std::optional<int>(3));
        QCOMPARE(fees::parseMonthCount("9"), std::optional<int>(9));
        for (const char* bad : {"0", "", "a", "12", "-1"})
            QVERIFY2(!fees::parseMonthCount(QString::fromUtf8(bad)), bad);
        QVERIFY(!fees::parseMonthCount(QString::fromUtf8("３")));
    }

    void aFailureLeavesTheMonthAsItWas()
    {
        auto c = testsupport::freshDatabase();
        for (const char* r : {"101", "102", "103", "104"})
            addItem(*c, room(r), "01", "水费");
        const qint64 old = addFee(*c, room("101"), "01", "水费", "202406", {{"BMNum1", "77"}});
        failWhen(*c, "Fee", "INSERT", "NEW.RoomNum = '103'");

        QVERIFY_THROWS_EXCEPTION(data::Error, generate(*c, 2024, 6, 1, true));
        QCOMPARE(c->transactionDepth(), 0);
        QCOMPARE(count(*c, "Fee"), 1);
        QCOMPARE(decimalAt(*c, "Fee", "BMNum1", old), d("77"));
    }

    void refusesAnItemCodeTooLongForFee()
    {
        auto c = testsupport::freshDatabase();
        addItem(*c, room("101"), "01", "水费");
        addItem(*c, room("102"), "01234", "电费");
        const qint64 old = addFee(*c, room("101"), "01", "水费", "202406");
        try {
            generate(*c, 2024, 6, 1, true);
            QFAIL("generated a code longer than Fee.FeeID");
        } catch (const data::Error& e) {
            QVERIFY(e.message().contains("01234"));
        }
        QCOMPARE(count(*c, "Fee"), 1);
        QCOMPARE(count(*c, "Fee", "rid = ?", {old}), 1);
    }

    void explainsTheSettlementDay()
    {
        auto c = testsupport::freshDatabase();
        QCOMPARE(fees::settlementNote(fees::readChargingSettings(*c)), QString("说明：你没设置应收款结算日期"));
        QCOMPARE(fees::readChargingSettings(*c).lateFeeRate, d("0"));
        insertRow(*c, "SFSet", {{"JSDate1", 10}, {"JSDate2", 0}, {"ZNJ", "0.000125"}});
        const fees::ChargingSettings s = fees::readChargingSettings(*c);
        QCOMPARE(fees::settlementNote(s), QString("说明：应收款在下月 10 日结算"));
        QCOMPARE(s.lateFeeRate, d("0.000125"));
        c->exec("UPDATE SFSet SET JSDate1 = 0, JSDate2 = 25");
        QCOMPARE(fees::settlementNote(fees::readChargingSettings(*c)), QString("说明：应收款在本月 25 日结算"));
    }
};

WYGL_TEST(TestGenerateReceivables)
#include "tst_GenerateReceivables.moc"
