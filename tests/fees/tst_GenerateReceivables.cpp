#include "FeeFixture.h"
#include "fees/ChargingSettings.h"
#include "fees/GenerateReceivables.h"
#include "fees/Money.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using fees::GenerationResult;
using Outcome = fees::GenerationResult::Outcome;
using namespace feetest;

class TestGenerateReceivables : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;

    // Every case runs through both paths, which must write the same rows.
    GenerationResult generate(int year, int month, int n = 1, bool replace = false)
    {
        QFETCH_GLOBAL(int, path);
        return fees::GenerateReceivables(*c, {{year, month}, n, replace, fees::GenerationPath(path)});
    }
    qint64 row(const QString& roomNum, const QString& period)
    {
        return c->scalar("SELECT rid FROM Fee WHERE RoomNum = ? AND inDate = ? ORDER BY rid", {roomNum, period})
            .toLongLong();
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<int>("path");
        QTest::newRow("fastest") << int(fees::GenerationPath::Fastest);
        QTest::newRow("general") << int(fees::GenerationPath::General);
    }
    void init() { c = testsupport::freshDatabase(); }

    void takesTheBaseMonthNMonthsBack()
    {
        const struct {
            int year, month, n;
            const char* base;
        } cases[] = {{2024, 1, 1, "202312"}, {2024, 3, 3, "202312"}, {2024, 5, 3, "202402"},
                     {2024, 12, 1, "202411"}, {2024, 2, 9, "202305"}};
        for (const auto& t : cases) {
            init();
            addItem(*c, room(), "01", {{"BDS1", 7}});
            // The months on either side of the base month hold other readings.
            const fees::Period b = *fees::Period::fromText(t.base);
            addFee(*c, room(), "01", b.monthsBefore(1).text(), {{"BMNum1", "111"}});
            addFee(*c, room(), "01", t.base, {{"BMNum1", "222"}});
            if (t.n > 1)
                addFee(*c, room(), "01", fees::Period{b.year + b.month / 12, b.month % 12 + 1}.text(),
                       {{"BMNum1", "333"}});
            const GenerationResult r = generate(t.year, t.month, t.n);
            QCOMPARE(r.outcome, Outcome::Generated);
            QCOMPARE(r.basePeriod, QString(t.base));
            QCOMPARE(amount(*c, "BCNum1", row("101", r.period)), d("222"));
        }
    }

    void carriesReadingsAndBillsEveryItem()
    {
        addItem(*c, room("101"), "01", {{"BDS1", 1}, {"BDS2", 2}, {"BDS3", 3}, {"DL", 10}});
        addItem(*c, room("102"), "01", {{"BDS1", 10}, {"BDS2", 20}, {"DL", 8}});
        // A vacant room's item is billed all the same.
        insertRow(*c, "Rooms", {{"RegionID", "1"}, {"BuildId", "2"}, {"UnitName", "1"}, {"RoomNum", "102"},
                                {"UState", "A"}});
        addFee(*c, room("101"), "01", "202403", {{"BCNum1", "100"}, {"BMNum1", "150.5"}, {"BCNum2", "80"}});
        const GenerationResult r = generate(2024, 4);
        QCOMPARE(r.inserted, 2);
        QCOMPARE(r.carried, 1);
        const qint64 read = row("101", "202404"), fresh = row("102", "202404");
        QCOMPARE(amount(*c, "BCNum1", read), d("150.50"));  // the end reading
        QCOMPARE(amount(*c, "BCNum2", read), d("80"));      // not read: the start reading again
        QVERIFY(amount(*c, "BCNum3", read).isNull());       // neither
        QCOMPARE(c->scalar("SELECT DL FROM Fee WHERE rid = ?", {read}).toInt(), 10);
        QCOMPARE(amount(*c, "BCNum1", fresh), d("10"));     // no base row: the room's base readings
        QCOMPARE(amount(*c, "BCNum2", fresh), d("20"));
        for (const char* zero : {"WYqk", "ZNJ", "FTFee"})
            QCOMPARE(amount(*c, zero, fresh), d("0"));
        QVERIFY(amount(*c, "BYHJ", fresh).isNull());
        QCOMPARE(text(*c, "flag", fresh), QString("未收取"));
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
        QTest::newRow("flag with a tab") << "\t未收取\r\n" << QVariant("20") << "0.1" << "20" << "2";
        QTest::newRow("flag with an ideographic space") << "未收取\u3000" << QVariant("20") << "0.1" << "0" << "0";
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
        if (!rate.isEmpty())
            insertRow(*c, "SFSet", {{"JSDate1", 10}, {"ZNJ", rate}});
        addItem(*c, room(), "01");
        addFee(*c, room(), "01", "202312", {{"flag", flag}, {"BYHJ", total}, {"BMNum1", "9"}});
        QCOMPARE(generate(2024, 1).outcome, Outcome::Generated);
        const qint64 r = row("101", "202401");
        QCOMPARE(amount(*c, "WYqk", r), d(arrears));
        QCOMPARE(amount(*c, "ZNJ", r), d(lateFee));
        QCOMPARE(amount(*c, "BCNum1", r), d("9"));
    }

    void duplicateItemsTakeTheFirstBaseRow()
    {
        insertRow(*c, "SFSet", {{"ZNJ", "0.1"}});
        addItem(*c, room(), "01");
        addItem(*c, room(), "01");
        // The row with the lower identity counts, whichever was written first.
        addFee(*c, room(), "01", "202402", {{"rid", 900}, {"BMNum1", "70"}, {"BYHJ", "99"}, {"flag", "已收取"}});
        addFee(*c, room(), "01", "202402", {{"rid", 800}, {"BMNum1", "50"}, {"BYHJ", "20"}});
        QCOMPARE(generate(2024, 3).inserted, 2);
        QSqlQuery q = c->exec("SELECT BCNum1, WYqk, ZNJ FROM Fee WHERE inDate = '202403'");
        for (int i = 0; i < 2; ++i) {
            QVERIFY(q.next());
            QCOMPARE(QList<data::Decimal>({fees::money(q.value(0)), fees::money(q.value(1)), fees::money(q.value(2))}),
                     QList<data::Decimal>({d("50"), d("20"), d("2")}));
        }
    }

    void regeneratesOnlyWhenConfirmedAndNeverOverCollections()
    {
        addItem(*c, room(), "01", {{"BDS1", 5}});
        addItem(*c, room(), "02");
        QCOMPARE(generate(2024, 6).message(), QString("生成数据成功，可以进行收费操作。"));
        const qint64 typed = row("101", "202406");
        c->exec("UPDATE Fee SET BMNum1 = 30 WHERE rid = ?", {typed});
        addFee(*c, room(), "01", "202405", {{"BMNum1", "4"}});

        const GenerationResult asked = generate(2024, 6);
        QCOMPARE(asked.outcome, Outcome::NeedsConfirmation);
        QCOMPARE(asked.message(), QString("该月的费用帐单已生成，要重新生成吗？"));
        QCOMPARE(amount(*c, "BMNum1", typed), d("30"));

        const GenerationResult again = generate(2024, 6, 1, true);
        QCOMPARE(again.message(), QString("重新生成数据成功，可以进行收费操作。"));
        QCOMPARE(again.deleted, 2);
        QCOMPARE(count(*c, "Fee", "inDate = '202406'"), 2);
        QCOMPARE(amount(*c, "BCNum1", row("101", "202406")), d("4"));
    }

    void regenerationKeepsCollectedRowsAndBillsTheRest()
    {
        for (const char* r : {"101", "102"}) {
            addItem(*c, room(r), "01", {{"BDS1", 5}});
            addItem(*c, room(r), "02");
        }
        QCOMPARE(generate(2024, 6).inserted, 4);
        const qint64 paid = row("101", "202406");
        c->exec("UPDATE Fee SET BMNum1 = 30, BYHJ = 50, SSJE = 50, flag = ? WHERE rid = ?",
                {QString("已收取\t"), paid});
        c->exec("UPDATE Fee SET BMNum1 = 9 WHERE RoomNum = '102'");
        addItem(*c, room("103"), "01");  // assigned after the month was generated

        const GenerationResult asked = generate(2024, 6);
        QCOMPARE(asked.outcome, Outcome::NeedsConfirmation);
        QCOMPARE(asked.message(), QString("该月的费用帐单已生成，其中 1 项已收取将保留，要重新生成其余项目吗？"));
        const GenerationResult again = generate(2024, 6, 1, true);
        QCOMPARE(again.outcome, Outcome::Regenerated);
        QCOMPARE(again.deleted, 3);
        QCOMPARE(again.inserted, 4);  // every item but the collected one, and the new room's
        QCOMPARE(count(*c, "Fee", "inDate = '202406'"), 5);
        QCOMPARE(count(*c, "Fee", "inDate = '202406' AND RoomNum = '101' AND FeeID = '01'"), 1);
        QCOMPARE(amount(*c, "SSJE", paid), d("50"));
        QCOMPARE(amount(*c, "BMNum1", paid), d("30"));
        QCOMPARE(count(*c, "Fee", "inDate = '202406' AND RoomNum = '103'"), 1);
        QCOMPARE(count(*c, "Fee", "inDate = '202406' AND BMNum1 IS NOT NULL"), 1);
    }

    void noMonthsBackTakesTheMonthItself()
    {
        insertRow(*c, "SFSet", {{"ZNJ", "0.1"}});
        addItem(*c, room(), "01", {{"BDS1", 5}});
        addFee(*c, room(), "01", "202405", {{"BMNum1", "40"}, {"BYHJ", "20"}});
        QCOMPARE(fees::parseMonthCount("0"), std::optional<int>(0));
        const GenerationResult first = generate(2024, 6, 0);
        QCOMPARE(first.outcome, Outcome::Generated);
        QCOMPARE(first.basePeriod, QString("202406"));
        // Generated again over its own typed rows, it still carries nothing from them.
        c->exec("UPDATE Fee SET BMNum1 = 70, BYHJ = 99 WHERE inDate = '202406'");
        QCOMPARE(generate(2024, 6, 0, true).outcome, Outcome::Regenerated);
        const qint64 r = row("101", "202406");
        QCOMPARE(amount(*c, "BCNum1", r), d("5"));
        QCOMPARE(amount(*c, "WYqk", r), d("0"));
        QCOMPARE(amount(*c, "ZNJ", r), d("0"));
    }

    void refusesBadInputsBeforeChangingAnything()
    {
        addItem(*c, room(), "01");
        const struct {
            int year, month, n;
            Outcome outcome;
        } cases[] = {{2024, 6, -1, Outcome::InvalidMonthCount}, {2024, 6, 10, Outcome::InvalidMonthCount},
                     {2024, 0, 1, Outcome::InvalidMonth},      {2024, 13, 1, Outcome::InvalidMonth},
                     {99, 6, 1, Outcome::InvalidMonth}};
        for (const auto& t : cases) {
            const qint64 kept = addFee(*c, room(), "01", fees::Period{t.year, t.month}.text(), {{"BMNum1", "8"}});
            const GenerationResult r = generate(t.year, t.month, t.n, true);
            QCOMPARE(r.outcome, t.outcome);
            QVERIFY(!r.message().isEmpty());
            QCOMPARE(amount(*c, "BMNum1", kept), d("8"));
        }
        QCOMPARE(count(*c, "Fee"), 5);
        QCOMPARE(fees::parseMonthCount(" 3 "), std::optional<int>(3));
        for (const char* typed : {"", "a", "12", "-1", "３"})
            QVERIFY2(!fees::parseMonthCount(QString::fromUtf8(typed)), typed);
    }

    void failuresLeaveTheMonthAsItWas()
    {
        for (const char* r : {"101", "102", "103"})
            addItem(*c, room(r), "01");
        const qint64 old = addFee(*c, room("101"), "01", "202406", {{"BMNum1", "77"}});
        failWhen(*c, "Fee", "INSERT", "NEW.RoomNum = '103'");
        QVERIFY_THROWS_EXCEPTION(data::Error, generate(2024, 6, 1, true));
        // An item code that Fee.FeeID cannot hold is refused before anything is written.
        c->exec("DELETE FROM FeeSet WHERE RoomNum = '103'");
        addItem(*c, room("104"), "01234");
        try {
            generate(2024, 6, 1, true);
            QFAIL("an item code too long for Fee was generated");
        } catch (const data::Error& e) {
            QVERIFY(e.message().contains("01234"));
        }
        QCOMPARE(c->transactionDepth(), 0);
        QCOMPARE(count(*c, "Fee"), 1);
        QCOMPARE(amount(*c, "BMNum1", old), d("77"));
    }

    void readsTheSettings()
    {
        QCOMPARE(fees::settlementNote(fees::readChargingSettings(*c)), QString("说明：你没设置应收款结算日期"));
        insertRow(*c, "SFSet", {{"JSDate1", 10}, {"JSDate2", 0}, {"ZNJ", "0.000125"}});
        const fees::ChargingSettings s = fees::readChargingSettings(*c);
        QCOMPARE(fees::settlementNote(s), QString("说明：应收款在下月 10 日结算"));
        QCOMPARE(s.lateFeeRate, d("0.000125"));
        c->exec("UPDATE SFSet SET JSDate1 = 0, JSDate2 = 25");
        QCOMPARE(fees::settlementNote(fees::readChargingSettings(*c)), QString("说明：应收款在本月 25 日结算"));
        const QDate today = QDate::currentDate();
        const fees::Period now = fees::serverPeriod(*c);
        QVERIFY(now == (fees::Period{today.year(), today.month()}) || today.day() == 1);
    }
};

WYGL_TEST(TestGenerateReceivables)
#include "tst_GenerateReceivables.moc"
