// Collecting one room's month, from listing the rows to the committed
// receipt, in a database of 40,000 rooms x 12 months x 5 items of Fee rows:
// the first room (cold) and the median, for information (the goal is the
// collection window's, bench_collect_window).

#include "fees/Collection.h"
#include "platform/data/Connection.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace {

// How the database finds a room's month: it must go through the Fee index.
// (The generated keys hold no quotes.)
void printPlan(data::Connection& c, const fees::RoomKey& k)
{
    const bool lite = c.backend() == data::Backend::SQLite;
    const QString roomMonth =
        QStringLiteral("SELECT rid, FeeName, BYHJ, flag FROM Fee WHERE RegionId = '%1' AND BuildID = '%2' AND "
                       "UnitName = '%3' AND RoomNum = '%4' AND ownerID = '%5' AND ownerName = '%6' AND "
                       "inDate = '202412' ORDER BY rid")
            .arg(k.regionId, k.buildId, k.unitName, k.roomNum, k.ownerId, k.ownerName);
    QSqlQuery q = c.exec((lite ? QStringLiteral("EXPLAIN QUERY PLAN ") : QStringLiteral("EXPLAIN ")) + roomMonth);
    std::printf("plan of a room's month:\n");
    while (q.next())
        std::printf("  %s\n", qPrintable(q.value(lite ? 3 : 0).toString()));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    auto c = bench::newDatabase();
    bench::Size size;
    size.members = 0;
    bench::fill(*c, size);
    bench::assignFees(*c, 5);
    for (int m = 1; m <= 12; ++m)
        bench::fillFeeMonth(*c, QStringLiteral("2024%1").arg(m, 2, 10, QLatin1Char('0')), m != 12);
    // December is the month collected. It is the last month: an earlier
    // month's rows have been carried into the next month's arrears and are
    // collected there.
    bench::analyze(*c);
    std::printf("backend: %s, Fee rows: %d\n", bench::backendName(c->backend()),
                c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toInt());

    // Rooms spread over the register, each collected with a receipt.
    QSqlQuery rooms = c->exec(QStringLiteral("SELECT RegionID, BuildId, UnitName, RoomNum, UserId, Users FROM Rooms "
                                             "WHERE rid % 2000 = 7 ORDER BY rid"));
    std::vector<fees::RoomKey> keys;
    while (rooms.next())
        keys.push_back({rooms.value(0).toString(), rooms.value(1).toString(), rooms.value(2).toString(),
                        rooms.value(3).toString(), rooms.value(4).toString(), rooms.value(5).toString()});
    printPlan(*c, keys.front());
    std::vector<double> times;
    int marked = 0, collected = 0;
    for (const fees::RoomKey& k : keys) {
        QElapsedTimer t;
        t.start();
        const fees::CollectionPlan p = fees::planCollection(*c, k, QStringLiteral("202412"));
        const fees::CollectionResult r = fees::collect(*c, p, true);
        times.push_back(bench::ms(t));
        marked += r.marked;
        collected += r.receipt ? 1 : 0;
        if (!r.receipt)
            std::printf("room %s-%s not collected: %s\n", qPrintable(k.buildId), qPrintable(k.roomNum),
                        qPrintable(p.message()));
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("collect one room's month with its receipt: %zu rooms, %d rows marked; median %.2f ms, slowest %.2f ms\n",
                times.size(), marked, times[times.size() / 2], times.back());
    const QString sizeText = QStringLiteral("Fee %1 rows").arg(bench::count(c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toLongLong()));
    if (!bench::check(QStringLiteral("every room collected with its receipt"), collected == int(keys.size())))
        return bench::exitStatus();
    bench::report(QStringLiteral("collect a room's month, first"), sizeText, first, bench::Goal::none());
    bench::report(QStringLiteral("collect a room's month, median"), sizeText, times[times.size() / 2], bench::Goal::none());
    return bench::exitStatus();
}
