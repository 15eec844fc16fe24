// The patrol register with 100,000 patrols, through its windows: opening the
// register (cold: the first opening in the program, beside a bare read of
// the same rows) and searches in its search window by date range, by number
// and by person. Goals: opening < 0.5 s and within 1.5x the bare read, a
// date-range search < 50 ms.
//
//   bench_patrols [patrols]

#include "app/Main.h"
#include "app/Openers.h"
#include "operations/fieldwork/FieldRegisters.h"
#include "operations/fieldwork/FieldSearches.h"
#include "platform/ui/Application.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchProgram.h"
#include "support/BenchReport.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv);
    const int count = argc > 1 ? qMax(1000, atoi(argv[1])) : 100000;
    auto c = bench::newDatabase();
    QElapsedTimer t;
    t.start();
    bench::fillPatrols(*c, count);
    bench::analyze(*c);
    std::printf("backend: %s, patrols: %d (written in %.0f ms)\n",
                bench::backendName(c->backend()),
                c->scalar(QStringLiteral("SELECT count(*) FROM patrol")).toInt(), bench::ms(t));

    bench::startProgram(std::move(c), QStringLiteral("1"));
    const double openMs = bench::timedOpen(QStringLiteral("Patrol"));
    const double bare = bench::bareReadMs(QStringLiteral("SELECT * FROM patrol ORDER BY rid"));

    frmPatrol->TB_FindClick();
    SearchForm* f = frmPatFind;
    int rows = 0;
    const double month = bench::timedSearch(f, {{"", "巡检日期", ">", "2021-05-31"}, {"并且", "巡检日期", "<", "2021-07-01"}}, &rows);
    std::printf("search a month of patrols: %d rows\n", rows);
    const double day = bench::timedSearch(f, {{"", "巡检日期", "=", "2022-03-01"}}, &rows);
    std::printf("search one day: %.1f ms, %d rows\n", day, rows);
    const double byKey = bench::timedSearch(f, {{"", "巡检编号", "=", "X050000"}}, &rows);
    std::printf("search by number: %.1f ms, %d row\n", byKey, rows);
    const double byPerson = bench::timedSearch(f, {{"", "巡检人员", "=", "张伟"}}, &rows);
    std::printf("search by person: %.1f ms, %d rows\n", byPerson, rows);
    const QString size = QStringLiteral("%1 patrols").arg(bench::count(count));
    bench::report(QStringLiteral("open the patrol register"), size, openMs, bare, bench::Goal::within(1.5).andUnder(500));
    bench::report(QStringLiteral("patrols: search a month"), size, month, bench::Goal::under(50));
    return bench::exitStatus();
}
