#include "FeeFixture.h"
#include "fees/Collection.h"
#include "fees/FeeLock.h"
#include "fees/GenerateReceivables.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QThread>
#include <functional>

using fees::GenerationResult;
using Outcome = fees::GenerationResult::Outcome;
using namespace feetest;

namespace {

const fees::Period kJune{2024, 6};

// The other workstation: its own connection to the same database, working in
// a thread of its own while this one holds its transaction open.
class OtherWorkstation {
public:
    explicit OtherWorkstation(std::function<void(data::Connection&)> work)
        : m_thread(QThread::create([this, work, target = testsupport::lastSpec()] {
              try {
                  auto c = data::Connection::open(target);
                  work(*c);
              } catch (const data::Error& e) {
                  m_error = e.message();
              }
          }))
    {
        m_thread->start();
        // Long enough for it to reach the lock and wait there.
        QThread::msleep(400);
    }
    ~OtherWorkstation() { finish(); }
    bool waiting() const { return m_thread->isRunning(); }
    // Waits for it; the error it met, if any.
    QString finish()
    {
        m_thread->wait();
        return m_error;
    }

private:
    QString m_error;
    std::unique_ptr<QThread> m_thread;
};

}  // namespace

// Two workstations on one database: generating a month and collecting in it
// take the fee lock first, so the second one waits and then sees the first
// one's work; nothing is doubled, nothing committed is undone.
class TestTwoWorkstations : public QObject {
    Q_OBJECT
    std::unique_ptr<data::Connection> c;

    GenerationResult generate(data::Connection& on, bool replace = false)
    {
        return fees::GenerateReceivables(on, {kJune, 1, replace});
    }

private slots:
    void init()
    {
        c = testsupport::freshDatabase();
        for (const char* r : {"101", "102"})
            for (const char* item : {"01", "02"})
                addItem(*c, room(r), item);
    }

    void theSecondGenerationSeesTheFirstOnesRows()
    {
        GenerationResult second;
        data::Transaction first(*c);
        QCOMPARE(generate(*c).inserted, 4);
        OtherWorkstation other([&](data::Connection& on) { second = generate(on); });
        QVERIFY(other.waiting());
        first.commit();
        QCOMPARE(other.finish(), QString());
        QCOMPARE(second.outcome, Outcome::NeedsConfirmation);
        QCOMPARE(second.existingRows, 4);
        QCOMPARE(count(*c, "Fee"), 4);
    }

    void regenerationWaitsForACollectionAndKeepsIt()
    {
        generate(*c);
        c->exec("UPDATE Fee SET BYFee = 10, BYHJ = 10");
        const fees::CollectionPlan plan = fees::planCollection(*c, room("101"), kJune.text());
        GenerationResult regenerated;
        data::Transaction cashier(*c);
        QVERIFY(fees::collect(*c, plan, true).succeeded());
        OtherWorkstation other([&](data::Connection& on) { regenerated = generate(on, true); });
        QVERIFY(other.waiting());
        cashier.commit();
        QCOMPARE(other.finish(), QString());
        QCOMPARE(regenerated.outcome, Outcome::Regenerated);
        QCOMPARE(regenerated.collectedRows, 2);
        QCOMPARE(count(*c, "Fee", "flag = '已收取' AND SSJE = 10"), 2);
        QCOMPARE(count(*c, "Fee"), 4);
        QCOMPARE(count(*c, "SFSJ"), 1);
    }

    void aCollectionWaitsForARegenerationAndRefusesWhatChanged()
    {
        generate(*c);
        c->exec("UPDATE Fee SET BYFee = 10, BYHJ = 10");
        const fees::CollectionPlan plan = fees::planCollection(*c, room("101"), kJune.text());
        fees::CollectionResult collected;
        data::Transaction generating(*c);
        QCOMPARE(generate(*c, true).outcome, Outcome::Regenerated);
        OtherWorkstation other([&](data::Connection& on) { collected = fees::collect(on, plan, true); });
        QVERIFY(other.waiting());
        generating.commit();
        QCOMPARE(other.finish(), QString());
        QCOMPARE(collected.outcome, fees::CollectionResult::Outcome::Changed);
        QCOMPARE(count(*c, "Fee", "flag = '已收取'"), 0);
        QCOMPARE(count(*c, "SFSJ"), 0);
    }

    void aLongWaitIsToldPlainly()
    {
        generate(*c);
        c->exec("UPDATE Fee SET BYFee = 10, BYHJ = 10");
        auto other = data::Connection::open(testsupport::lastSpec());
        other->setLockWaitMs(200);
        data::Transaction holding(*c);
        fees::lockFees(*c);
        const QString busy = "另一台电脑正在生成或收取费用，请稍后再试。";
        try {
            generate(*other, true);
            QFAIL("generated while the other workstation held the lock");
        } catch (const data::Error& e) {
            QCOMPARE(e.message(), busy);
        }
        try {
            fees::collect(*other, fees::planCollection(*other, room("101"), kJune.text()), false);
            QFAIL("collected while the other workstation held the lock");
        } catch (const data::Error& e) {
            QCOMPARE(e.message(), busy);
        }
        QCOMPARE(other->transactionDepth(), 0);
        holding.commit();
        QCOMPARE(generate(*other, true).outcome, Outcome::Regenerated);
    }
};

WYGL_TEST(TestTwoWorkstations)
#include "tst_TwoWorkstations.moc"
