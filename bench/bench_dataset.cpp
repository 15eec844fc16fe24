// Data layer speed: opening a large table, scrolling through it, and posting
// many edits in one transaction, beside a bare Qt SQL loop over the same rows.
// Goal: the opening within 1.5x of the bare read and < 500 ms (for every
// 100,000 rooms).
//
//   bench_dataset [rooms]

#include "platform/data/Connection.h"
#include "platform/data/Table.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rooms = argc > 1 ? qMax(1000, atoi(argv[1])) : 100000;
    auto c = bench::newDatabase();
    bench::Size size;
    size.districts = 50;
    size.buildings = 1000;
    size.rooms = rooms;
    size.owners = 0;
    size.members = 0;
    bench::fill(*c, size);
    std::printf("backend: %s, Rooms rows: %d\n", bench::backendName(c->backend()),
                c->scalar("SELECT count(*) FROM Rooms").toInt());

    // Bare Qt SQL: read every column of every row (before and after the
    // opening; the lower of the two counts).
    const QString all = QStringLiteral("SELECT * FROM Rooms ORDER BY rid");
    double bare = bench::bareReadMs(all);

    data::Table rooms_(c.get());
    rooms_.setObjectName("AT_Room");
    rooms_.setTableName("Rooms");
    QElapsedTimer t;
    t.start();
    rooms_.open();
    const double open = bench::ms(t);
    bare = std::min(bare, bench::bareReadMs(all));

    t.restart();
    long long sum = 0;
    data::Field* area = rooms_.fieldByName("JZm");
    data::Field* num = rooms_.fieldByName("RoomNum");
    for (rooms_.first(); !rooms_.eof(); rooms_.next())
        sum += area->asDecimal().toLongLong() + num->asString().size();
    const double scroll = bench::ms(t);

    t.restart();
    {
        data::Transaction tx(*c);
        rooms_.first();
        for (int i = 0; i < 10000; ++i) {
            rooms_.edit();
            rooms_.fieldByName("SS")->setAsString(QStringLiteral("煤气、暖气"));
            rooms_.post();
            rooms_.next();
        }
        tx.commit();
    }
    const double posts = bench::ms(t);

    const QString sizeText = QStringLiteral("%1 rooms").arg(bench::count(rooms));
    bench::report(QStringLiteral("dataset open"), sizeText, open, bare,
                  bench::Goal::within(1.5).andUnder(500.0 * std::max(1, rooms / 100000)));
    bench::report(QStringLiteral("dataset: scroll all rows"), sizeText, scroll, bench::Goal::none());
    bench::report(QStringLiteral("dataset: 10,000 posts in one transaction"), sizeText, posts, bench::Goal::none());
    return sum > 0 ? bench::exitStatus() : 1;
}
