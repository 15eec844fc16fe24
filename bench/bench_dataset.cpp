// Data layer speed: opening a large table, scrolling through it, and posting
// many edits in one transaction, beside a bare Qt SQL loop over the same rows.

#include "platform/data/Connection.h"
#include "platform/data/Table.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rooms = 100000;
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

    // Bare Qt SQL: read every column of every row.
    QElapsedTimer t;
    t.start();
    {
        QSqlQuery q = c->newQuery();
        q.exec("SELECT * FROM Rooms ORDER BY rid");
        const int n = q.record().count();
        long long cells = 0;
        while (q.next())
            for (int i = 0; i < n; ++i)
                cells += q.value(i).isValid();
        (void)cells;
    }
    const double bare = bench::ms(t);

    data::Table rooms_(c.get());
    rooms_.setObjectName("AT_Room");
    rooms_.setTableName("Rooms");
    t.restart();
    rooms_.open();
    const double open = bench::ms(t);

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

    std::printf("bare Qt SQL read:   %8.1f ms  %10.0f rows/s\n", bare, rooms / bare * 1000);
    std::printf("dataset open:       %8.1f ms  %10.0f rows/s  (%.2fx the bare read; goal < 500 ms, <= 3x)\n", open,
                rooms / open * 1000, open / bare);
    std::printf("scroll all rows:    %8.1f ms  %10.0f rows/s\n", scroll, rooms / scroll * 1000);
    std::printf("10,000 posts in one transaction: %8.1f ms  %10.0f rows/s\n", posts, 10000 / posts * 1000);
    const QString sizeText = QStringLiteral("%1 rooms").arg(bench::count(rooms));
    bench::report(QStringLiteral("dataset open"), sizeText, open, bare, bench::Goal::within(3).andUnder(500));
    return sum > 0 ? bench::exitStatus() : 1;
}
