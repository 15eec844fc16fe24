#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "fees/Collection.h"
#include "fees/FeeLock.h"
#include "fees/GenerateReceivables.h"
#include "fees/Shouqu.h"
#include "operations/stores/StockVoucher.h"
#include "platform/data/Error.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/OwnerFixture.h"
#include "support/AppFixture.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QSqlQuery>
#include <QSqlRecord>
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

// A clerk's saving while another workstation holds what it writes: the
// window as the clerk leaves it before saving, the save itself, the table
// the other one holds and the tables the save writes.
struct HeldSave {
    const char* name;
    std::function<void(data::Connection&)> seed;
    std::function<std::function<void()>()> prepare;
    QString held;
    QStringList written;
};

const std::vector<HeldSave>& heldSaves()
{
    static const std::vector<HeldSave> table = {
        {"stock receipt",
         [](data::Connection& c) {
             c.exec("INSERT INTO repertory (GoodsName, reperName, startNum, inputNum, outputNum, storage) "
                    "VALUES ('水泥', '建材', 10, 0, 0, 10)");
         },
         [] {
             runOpener(*findOpener("Input"), mdiForm);
             StockVoucher* w = nullptr;
             for (ui::Form* f : ui::liveForms())
                 w = w ? w : dynamic_cast<StockVoucher*>(f);
             w->CheckBox->click();
             w->TB_AddClick();
             for (const auto& [name, text] : {std::pair{"DBE_IoputId", "D1"}, {"DBE_GoodsName", "水泥"},
                                              {"DBE_IoNum", "4"}, {"DBE_Keeper", "王五"}})
                 testsupport::typeInto(qobject_cast<ui::DBEdit*>(w->control(name)), text);
             return [w] { w->TB_SaveClick(); };
         },
         "repertory", {"inputs", "repertory"}},
        {"owner modified", testsupport::seedOwners,
         [] {
             TfrmMan* w = testsupport::openMan();
             testsupport::openBuilding(w);
             w->DBGrid1CellClick();
             w->TB_ModiClick();
             testsupport::typeInto(w->DBE_OwnerName, "张三丰");
             return [w] { w->TB_SaveClick(); };
         },
         "Owner", {"Owner", "Rooms"}},
        {"collection", deskRegister,
         [] {
             TfrmSk* w = openDesk();
             chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101");
             w->N2->trigger();
             return [] { frmShouqu->BB_OkClick(); };
         },
         "Fee", {"Fee", "SFSJ"}},
    };
    return table;
}

// Every row of the tables, to tell whether anything changed.
QString rowsOf(data::Connection& c, const QStringList& tables)
{
    QStringList out;
    for (const QString& t : tables)
        for (QSqlQuery q = c.exec("SELECT * FROM " + t + " ORDER BY rid"); q.next();)
            for (int i = 0; i < q.record().count(); ++i)
                out << q.value(i).toString();
    return out.join(u'|');
}

}  // namespace

// Two workstations on one database: generating a month and collecting in it
// take the fee lock first, so the second one waits and then sees the first
// one's work; nothing is doubled, nothing committed is undone. No wait for
// the other workstation is unlimited.
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

    // A save that meets rows another workstation holds (the server) or the
    // file's write lock (the embedded database) is refused after the lock
    // wait with nothing written, and goes through once the other lets go.
    void aSaveMeetingHeldDataIsRefusedAfterTheWait_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(heldSaves().size()); ++i)
            QTest::newRow(heldSaves()[i].name) << i;
    }
    void aSaveMeetingHeldDataIsRefusedAfterTheWait()
    {
        QFETCH(int, row);
        const HeldSave& h = heldSaves()[row];
        testsupport::AppFixture app("1", h.seed);
        const std::function<void()> save = h.prepare();
        app.db().setLockWaitMs(300);
        const QString before = rowsOf(app.db(), h.written);
        auto other = data::Connection::open(testsupport::lastSpec());
        other->begin();
        if (testsupport::onPostgres()) {
            // Should the wait have no limit, the server lets the rows go.
            other->exec("SET LOCAL idle_in_transaction_session_timeout = 5000");
            other->exec("SELECT * FROM " + h.held + " FOR UPDATE");
        } else {
            other->exec("UPDATE " + h.held + " SET rid = rid WHERE 0 = 1");
        }
        ui::Msg::clearLog();
        QVERIFY(!ui::guarded(save));
        // On the embedded database the collection already waits for the fee lock.
        const bool feeLock = !testsupport::onPostgres() && h.held == "Fee";
        QCOMPARE(ui::Msg::texts(ui::MsgKind::Error),
                 QStringList(feeLock ? "另一台电脑正在生成或收取费用，请稍后再试。" : "另一台电脑正在使用这些数据，请稍后再试。"));
        QCOMPARE(app.db().transactionDepth(), 0);
        QCOMPARE(rowsOf(app.db(), h.written), before);
        other.reset();
        ui::Msg::clearLog();
        QVERIFY(ui::guarded(save));
        QCOMPARE(ui::Msg::texts(ui::MsgKind::Error), QStringList());
        QVERIFY(rowsOf(app.db(), h.written) != before);
    }
};

WYGL_TEST(TestTwoWorkstations)
#include "tst_TwoWorkstations.moc"
