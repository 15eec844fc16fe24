// Printing a room's arrears notice, from reading the room's month to the
// drawn page, in a database of 40,000 rooms x 20 months x 5 items of Fee
// rows (4,000,000 rows). Goal: under 100 ms a notice, the first one (cold)
// and the slowest.

#include "fees/ArrearsNotice.h"
#include "platform/data/Connection.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    auto c = bench::newDatabase();
    bench::Size size;
    size.members = 0;
    bench::fill(*c, size);
    bench::assignFees(*c, 5);
    QElapsedTimer load;
    load.start();
    for (int m = 1; m <= 20; ++m) {
        const int year = 2023 + (m - 1) / 12;
        const int month = (m - 1) % 12 + 1;
        bench::fillFeeMonth(*c, QStringLiteral("%1%2").arg(year).arg(month, 2, 10, QLatin1Char('0')), true);
    }
    bench::analyze(*c);
    std::printf("backend: %s, Fee rows: %d (loaded in %.1f s)\n",
                bench::backendName(c->backend()),
                c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toInt(), bench::ms(load) / 1000);

    QSqlQuery rooms = c->exec(QStringLiteral("SELECT RegionID, BuildId, UnitName, RoomNum, UserId, Users FROM Rooms "
                                             "WHERE UState = 'B' AND rid % 400 = 11 ORDER BY rid"));
    std::vector<fees::RoomKey> keys;
    while (rooms.next())
        keys.push_back({rooms.value(0).toString(), rooms.value(1).toString(), rooms.value(2).toString(),
                        rooms.value(3).toString(), rooms.value(4).toString(), rooms.value(5).toString()});

    std::vector<double> reading, drawing, total;
    double first = -1;
    size_t items = 0;
    for (const fees::RoomKey& k : keys) {
        QElapsedTimer t;
        t.start();
        const fees::ArrearsNotice n = fees::readArrearsNotice(*c, k, QStringLiteral("202406"));
        const double read = bench::ms(t);
        report::Document doc;
        report::PageWriter w(doc);
        fees::drawArrearsNotice(w, n, QStringLiteral("翠苑物业管理有限公司"));
        const double all = bench::ms(t);
        reading.push_back(read);
        drawing.push_back(all - read);
        total.push_back(all);
        if (first < 0)
            first = all;
        items += n.rows.size();
    }
    for (auto* v : {&reading, &drawing, &total})
        std::sort(v->begin(), v->end());
    const auto median = [](const std::vector<double>& v) { return v[v.size() / 2]; };
    std::printf("arrears notice of one room's month: %zu rooms, %zu unpaid items\n", keys.size(), items);
    std::printf("  read the rows: median %.2f ms, slowest %.2f ms\n", median(reading), reading.back());
    std::printf("  draw the page: median %.2f ms, slowest %.2f ms\n", median(drawing), drawing.back());
    std::printf("  read and draw: median %.2f ms, slowest %.2f ms\n", median(total), total.back());
    const QString sizeText = QStringLiteral("Fee %1 rows").arg(bench::count(c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toLongLong()));
    bench::report(QStringLiteral("arrears notice, read and draw, first"), sizeText, first, bench::Goal::under(100));
    bench::report(QStringLiteral("arrears notice, read and draw, slowest"), sizeText, total.back(), bench::Goal::under(100));

    // The page as the preview shows it, once, for scale.
    QTemporaryDir dir;
    report::Document doc;
    report::PageWriter w(doc);
    fees::drawArrearsNotice(w, fees::readArrearsNotice(*c, keys.front(), QStringLiteral("202406")),
                            QStringLiteral("翠苑物业管理有限公司"));
    QElapsedTimer t;
    t.start();
    report::savePagePng(doc, 0, dir.filePath(QStringLiteral("notice.png")));
    std::printf("  the page rendered at 150 dpi: %.1f ms\n", bench::ms(t));
    return bench::exitStatus();
}
