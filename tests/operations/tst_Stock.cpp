// The stock arithmetic: what receipts, issues, edits and deletes do to the
// goods' row, what is refused, and that the books stay right under a random
// mix, a failure half-way and two workstations at once.

#include "StoresFixture.h"
#include "operations/stores/Stock.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <atomic>
#include <functional>
#include <thread>

using stores::Direction;
using stores::Stock;
using stores::StockLine;
using stores::StockRefusal;
using Reason = StockRefusal::Reason;
using namespace storestest;

Q_DECLARE_METATYPE(std::optional<StockLine>)

namespace {

std::optional<StockLine> line(const QString& goods, qint64 quantity, const QString& category = "建材")
{
    return StockLine{goods, category, quantity};
}

// Runs one voucher's stock change in its own transaction; the reason of a
// refusal, or nullopt when it was written.
std::optional<Reason> post(data::Connection& c, Direction d, const std::optional<StockLine>& stored,
                           const std::optional<StockLine>& edited)
{
    data::Transaction tx(c);
    try {
        Stock(c).post(d, stored, edited);
    } catch (const StockRefusal& r) {
        return r.reason();
    }
    tx.commit();
    return std::nullopt;
}

const char* table(Direction d)
{
    return d == Direction::Receipt ? "inputs" : "outputs";
}

}  // namespace

class TestStock : public QObject {
    Q_OBJECT
private slots:
    void receiptsAndIssuesMoveTheStock()
    {
        auto c = testsupport::freshDatabase();
        // The first receipt makes the row; the next adds and takes its category.
        QVERIFY(!post(*c, Direction::Receipt, {}, line("水泥", 10, "建材")));
        StockRow r = stockOf(*c, "水泥");
        QVERIFY(r.exists);
        QCOMPARE(r.category, QString("建材"));
        QCOMPARE(QList<qint64>({r.start, r.in, r.out, r.storage}), QList<qint64>({0, 10, 0, 10}));
        QVERIFY(!post(*c, Direction::Receipt, {}, line("水泥", 5, "辅料")));
        r = stockOf(*c, "水泥");
        QCOMPARE(r.category, QString("辅料"));
        QCOMPARE(QList<qint64>({r.in, r.out, r.storage}), QList<qint64>({15, 0, 15}));

        // The whole stock can go; one more cannot, and nothing moves.
        QVERIFY(!post(*c, Direction::Issue, {}, line("水泥", 15, "五金")));
        r = stockOf(*c, "水泥");
        QCOMPARE(r.category, QString("五金"));
        QCOMPARE(QList<qint64>({r.in, r.out, r.storage}), QList<qint64>({15, 15, 0}));
        const QString before = stockSnapshot(*c);
        QCOMPARE(post(*c, Direction::Issue, {}, line("水泥", 1)), Reason::ShortStock);
        QCOMPARE(post(*c, Direction::Issue, {}, line("沙子", 1)), Reason::UnknownGoods);
        // Goods are the exact text: trailing blanks do not count, letter case does.
        QVERIFY(!post(*c, Direction::Receipt, {}, line("Nail", 3)));
        QCOMPARE(post(*c, Direction::Issue, {}, line("nail", 1)), Reason::UnknownGoods);
        QVERIFY(!post(*c, Direction::Issue, {}, line("Nail  ", 1)));
        QCOMPARE(stockRows(*c, "Nail"), 1);
        QCOMPARE(stockOf(*c, "Nail").storage, 2);
        QCOMPARE(stockOf(*c, "水泥").storage, 0);
        QVERIFY(stockSnapshot(*c) != before);  // only through Nail

        // Deletes: a receipt of goods without a row changes nothing, an issue
        // of such goods cannot be given back.
        const QString now = stockSnapshot(*c);
        QVERIFY(!post(*c, Direction::Receipt, line("沙子", 4), {}));
        QCOMPARE(post(*c, Direction::Issue, line("沙子", 4), {}), Reason::NothingToReturn);
        QCOMPARE(stockSnapshot(*c), now);
        QCOMPARE(stockRows(*c, "沙子"), 0);
    }

    // A stored voucher is taken back and its edited form applied as one change,
    // from 10 received and 8 issued of 水泥 (2 in stock).
    void editsAndDeletesAreOneChange_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<std::optional<StockLine>>("stored");
        QTest::addColumn<std::optional<StockLine>>("edited");
        QTest::addColumn<int>("refusal");  // -1: written
        QTest::addColumn<qint64>("storage");  // of 水泥 afterwards
        const auto R = Direction::Receipt;
        const auto I = Direction::Issue;
        const std::optional<StockLine> none;
        const int ok = -1, shortStock = int(Reason::ShortStock);
        QTest::newRow("receipt raised") << R << line("水泥", 10) << line("水泥", 12) << ok << qint64(4);
        QTest::newRow("receipt lowered to what was issued") << R << line("水泥", 10) << line("水泥", 8) << ok << qint64(0);
        QTest::newRow("receipt lowered below it") << R << line("水泥", 10) << line("水泥", 7) << shortStock << qint64(2);
        QTest::newRow("receipt moved to other goods") << R << line("水泥", 10) << line("沙子", 10) << shortStock
                                                      << qint64(2);
        QTest::newRow("receipt deleted") << R << line("水泥", 10) << none << shortStock << qint64(2);
        QTest::newRow("issue raised to the stock") << I << line("水泥", 8) << line("水泥", 10) << ok << qint64(0);
        QTest::newRow("issue raised beyond") << I << line("水泥", 8) << line("水泥", 11) << shortStock << qint64(2);
        QTest::newRow("issue lowered") << I << line("水泥", 8) << line("水泥", 1) << ok << qint64(9);
        QTest::newRow("issue moved to unknown goods") << I << line("水泥", 8) << line("沙子", 1)
                                                      << int(Reason::UnknownGoods) << qint64(2);
        QTest::newRow("issue deleted") << I << line("水泥", 8) << none << ok << qint64(10);
    }

    void editsAndDeletesAreOneChange()
    {
        QFETCH(Direction, direction);
        QFETCH(std::optional<StockLine>, stored);
        QFETCH(std::optional<StockLine>, edited);
        QFETCH(int, refusal);
        QFETCH(qint64, storage);
        auto c = testsupport::freshDatabase();
        QVERIFY(!post(*c, Direction::Receipt, {}, line("水泥", 10)));
        QVERIFY(!post(*c, Direction::Issue, {}, line("水泥", 8)));
        const QString before = stockSnapshot(*c);
        const std::optional<Reason> got = post(*c, direction, stored, edited);
        QCOMPARE(got ? int(*got) : -1, refusal);
        if (got)
            QCOMPARE(stockSnapshot(*c), before);
        const StockRow r = stockOf(*c, "水泥");
        QCOMPARE(r.storage, storage);
        QCOMPARE(r.storage, r.start + r.in - r.out);
    }

    void duplicateRowsNullCountsAndLimits()
    {
        auto c = testsupport::freshDatabase();
        // Stored data may hold a goods name twice and counts that were never set.
        c->exec("INSERT INTO repertory (GoodsName, startNum, inputNum, outputNum, storage) "
                "VALUES ('铁钉', NULL, NULL, NULL, NULL)");
        c->exec("INSERT INTO repertory (GoodsName, startNum, inputNum, outputNum, storage) VALUES ('铁钉', 5, 0, 0, 5)");
        QCOMPARE(post(*c, Direction::Issue, {}, line("铁钉", 1)), Reason::ShortStock);
        QVERIFY(!post(*c, Direction::Receipt, {}, line("铁钉", 3)));
        QSqlQuery q = c->exec("SELECT inputNum, storage FROM repertory WHERE GoodsName = '铁钉' ORDER BY rid");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toLongLong(), 3);
        QCOMPARE(q.value(1).toLongLong(), 3);
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toLongLong(), 5);  // the second row is left alone

        // Counts are exact beyond 32 bits, up to what the columns hold.
        const qint64 big = 999'999'999'999'999'990LL;
        QVERIFY(!post(*c, Direction::Receipt, {}, line("沙子", big)));
        QCOMPARE(stockOf(*c, "沙子").storage, big);
        QVERIFY(!post(*c, Direction::Issue, {}, line("沙子", big - 1)));
        QCOMPARE(stockOf(*c, "沙子").storage, 1);
        const QString before = stockSnapshot(*c);
        {
            data::Transaction tx(*c);
            QVERIFY_THROWS_EXCEPTION(data::Error, Stock(*c).post(Direction::Receipt, {}, line("沙子", 10)));
        }
        QCOMPARE(stockSnapshot(*c), before);
        // A goods name or category longer than its column is refused, never cut.
        data::Transaction tx(*c);
        QVERIFY_THROWS_EXCEPTION(data::Error, Stock(*c).post(Direction::Receipt, {}, line(QString(51, u'x'), 1)));
        QVERIFY_THROWS_EXCEPTION(data::Error,
                                 Stock(*c).post(Direction::Receipt, {}, line("x", 1, QString(21, u'类'))));
    }

    void quantitiesAreWholeNumbersAboveZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("quantity");  // 0: refused
        QTest::newRow("plain") << "12" << qint64(12);
        QTest::newRow("blanks around") << " 7 " << qint64(7);
        QTest::newRow("leading zeros") << "007" << qint64(7);
        QTest::newRow("eighteen digits") << "999999999999999999" << qint64(999'999'999'999'999'999LL);
        QTest::newRow("nineteen digits") << "1000000000000000000" << qint64(0);
        QTest::newRow("zero") << "0" << qint64(0);
        QTest::newRow("negative") << "-3" << qint64(0);
        QTest::newRow("signed") << "+3" << qint64(0);
        QTest::newRow("fraction") << "1.5" << qint64(0);
        QTest::newRow("whole with a point") << "2.0" << qint64(0);
        QTest::newRow("letters") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("full-width digits") << "１２" << qint64(0);
        QTest::newRow("inner blank") << "1 2" << qint64(0);
    }

    void quantitiesAreWholeNumbersAboveZero()
    {
        QFETCH(QString, text);
        QFETCH(qint64, quantity);
        QCOMPARE(stores::parseQuantity(text).value_or(0), quantity);
    }

    // Receipts, issues, edits and deletes at random, each with its voucher
    // row in the same transaction: refused steps change nothing, and the
    // stock always agrees with the vouchers.
    void randomMixKeepsTheBooks()
    {
        auto c = testsupport::freshDatabase();
        struct Voucher {
            Direction direction;
            qint64 rid;
            StockLine line;
        };
        std::vector<Voucher> vouchers;
        QRandomGenerator rnd(20240611);
        const QStringList goods{"水泥", "沙子", "铁钉", "电线", "灯泡", "水管"};
        auto pick = [&] { return StockLine{goods[rnd.bounded(goods.size())], "类" + QString::number(rnd.bounded(3)),
                                           qint64(rnd.bounded(1, 25))}; };
        QMap<int, int> refusals;
        int written = 0;
        for (int step = 0; step < 600; ++step) {
            const int what = vouchers.empty() ? 0 : rnd.bounded(10);
            const QString before = stockSnapshot(*c);
            try {
                data::Transaction tx(*c);
                Stock stock(*c);
                std::function<void()> keep;  // the change to the list, once committed
                if (what < 5) {  // a new voucher
                    const Direction d = rnd.bounded(2) ? Direction::Receipt : Direction::Issue;
                    const StockLine l = pick();
                    stock.post(d, std::nullopt, l);
                    QSqlQuery q = c->exec(QString("INSERT INTO %1 (GoodsName, ioNum) VALUES (?, ?)").arg(table(d))
                                              + c->dialect().returningRowId(),
                                          {l.goods, l.quantity});
                    const qint64 rid = c->dialect().insertedRowId(q);
                    keep = [&vouchers, d, rid, l] { vouchers.push_back({d, rid, l}); };
                } else {
                    const size_t i = size_t(rnd.bounded(int(vouchers.size())));
                    const Voucher v = vouchers[i];
                    if (what < 8) {  // edited
                        StockLine l = pick();
                        if (rnd.bounded(2))
                            l.goods = v.line.goods;
                        stock.post(v.direction, v.line, l);
                        c->exec(QString("UPDATE %1 SET GoodsName = ?, ioNum = ? WHERE rid = ?").arg(table(v.direction)),
                                {l.goods, l.quantity, v.rid});
                        keep = [&vouchers, i, l] { vouchers[i].line = l; };
                    } else {  // deleted
                        stock.post(v.direction, v.line, std::nullopt);
                        c->exec(QString("DELETE FROM %1 WHERE rid = ?").arg(table(v.direction)), {v.rid});
                        keep = [&vouchers, i] { vouchers.erase(vouchers.begin() + std::ptrdiff_t(i)); };
                    }
                }
                tx.commit();
                keep();
                ++written;
            } catch (const StockRefusal& r) {
                ++refusals[int(r.reason())];
                QCOMPARE(stockSnapshot(*c), before);
            }
            if (step % 50 == 0 || step == 599) {
                const QString breach = stockBreach(*c);
                QVERIFY2(breach.isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(breach)));
            }
        }
        QVERIFY2(written > 300, qPrintable(QString::number(written)));
        QVERIFY(refusals.value(int(Reason::ShortStock)) > 0);
        QVERIFY(refusals.value(int(Reason::UnknownGoods)) > 0);
        QCOMPARE(c->transactionDepth(), 0);
    }

    void failureHalfWayChangesNothing()
    {
        auto c = testsupport::freshDatabase();
        QVERIFY(!post(*c, Direction::Receipt, {}, line("水泥", 10)));
        const QString before = stockSnapshot(*c);
        try {
            data::Transaction tx(*c);
            Stock(*c).post(Direction::Issue, {}, line("水泥", 4));
            Stock(*c).post(Direction::Receipt, {}, line("沙子", 4));
            c->exec("INSERT INTO no_such_table VALUES (1)");  // the voucher's own write fails
            tx.commit();
            QFAIL("the failing write went through");
        } catch (const data::Error&) {
        }
        QCOMPARE(c->transactionDepth(), 0);
        QCOMPARE(stockSnapshot(*c), before);
    }

    // Two workstations issue the last 5 units at the same moment: one gets
    // them, the other is refused (PostgreSQL: it waits for the first and then
    // sees the stock at 0; SQLite: its write is refused once the first has
    // changed what it read), and the stock is never counted twice.
    void twoWorkstationsIssueTheLastUnits()
    {
        auto c = testsupport::freshDatabase();
        QVERIFY(!post(*c, Direction::Receipt, {}, line("水泥", 5)));
        const data::ConnectionSpec spec = testsupport::lastSpec();
        std::atomic<int> readers{0};
        std::atomic<int> issued{0}, refused{0}, failed{0};
        auto workstation = [&](bool first) {
            try {
                auto own = data::Connection::open(spec);
                data::Transaction tx(*own);
                Stock stock(*own);
                if (!first)  // starts once the other holds the row
                    while (readers.load() == 0)
                        std::this_thread::yield();
                stock.issue("水泥", "建材", 5);
                ++readers;
                if (first)  // keeps its transaction open a while
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                stock.write();
                tx.commit();
                ++issued;
            } catch (const StockRefusal& r) {
                if (r.reason() == Reason::ShortStock)
                    ++refused;
                else
                    ++failed;
            } catch (const data::Error&) {
                ++failed;
            }
        };
        std::thread a(workstation, true);
        std::thread b(workstation, false);
        a.join();
        b.join();
        QCOMPARE(issued.load(), 1);
        if (testsupport::onPostgres())
            QCOMPARE(refused.load(), 1);
        else
            QCOMPARE(refused.load() + failed.load(), 1);
        const StockRow r = stockOf(*c, "水泥");
        QCOMPARE(r.storage, 0);
        QCOMPARE(r.out, 5);
    }
};

WYGL_TEST(TestStock)
#include "tst_Stock.moc"
