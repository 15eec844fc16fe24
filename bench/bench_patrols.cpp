// The patrol register with 100,000 patrols, through its windows: opening the
// register and searches in its search window by date range, by number and by
// person. Goals: opening < 0.5 s, a date-range search < 50 ms.
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

    t.restart();
    DM->AT_Patrol->close();
    DM->AT_Patrol->open();
    DM->AT_Patrol->last();
    std::printf("the dataset alone, closed, opened and read: %.1f ms\n", bench::ms(t));
    const double openMs = bench::timedOpen(QStringLiteral("Patrol"));
    std::printf("open the patrol window: %.1f ms (goal < 500)\n", openMs);

    frmPatrol->TB_FindClick();
    SearchForm* f = frmPatFind;
    int rows = 0;
    const double month = bench::timedSearch(f, {{"", "巡检日期", ">", "2021-05-31"}, {"并且", "巡检日期", "<", "2021-07-01"}}, &rows);
    std::printf("search a month of patrols: %.1f ms, %d rows (goal < 50)\n", month, rows);
    const double day = bench::timedSearch(f, {{"", "巡检日期", "=", "2022-03-01"}}, &rows);
    std::printf("search one day: %.1f ms, %d rows\n", day, rows);
    const double byKey = bench::timedSearch(f, {{"", "巡检编号", "=", "X050000"}}, &rows);
    std::printf("search by number: %.1f ms, %d row\n", byKey, rows);
    const double byPerson = bench::timedSearch(f, {{"", "巡检人员", "=", "张伟"}}, &rows);
    std::printf("search by person: %.1f ms, %d rows\n", byPerson, rows);
    return openMs < 500 && month < 50 ? 0 : 1;
}
