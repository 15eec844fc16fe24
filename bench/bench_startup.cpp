// Start-up speed: connecting and opening the 63 start-up tables of the data
// module on an office-sized database (50 districts, 1,000 buildings, 40,000
// rooms and owners, 100,000 household members) whose busiest registers
// (complaints, patrols, goods received and issued, documents received) hold
// 100,000 rows each.
//
//   bench_startup [rows in each busy register]

#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        auto c = bench::newDatabase();
        bench::fill(*c, bench::Size());
        bench::fillBusyRegisters(*c, argc > 1 ? atoi(argv[1]) : 100000);
        bench::analyze(*c);
    }
    const QString udl = QDir::temp().filePath(QStringLiteral("wygl-bench.udl"));
    QFile f(udl);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(data::connectionFileText(bench::target()).toUtf8());
    f.close();

    QElapsedTimer t;
    t.start();
    TDM dm;
    const double create = bench::ms(t);
    dm.connectAndOpen(udl);
    const double total = bench::ms(t);
    std::printf("backend: %s\n", bench::backendName(bench::target().backend));
    std::printf("data module created:           %8.1f ms\n", create);
    std::printf("connected and 63 tables open:  %8.1f ms  (rooms %d, members %d)\n", total - create,
                dm.AT_Room->recordCount(), dm.AT_Member->recordCount());
    std::printf("busy registers: complaints %d, patrols %d, received %d, issued %d, documents %d\n",
                dm.AT_Appeal->recordCount(), dm.AT_Patrol->recordCount(), dm.AT_IOput->recordCount(),
                dm.AT_Output->recordCount(), dm.AT_Accept->recordCount());
    bench::report(QStringLiteral("start-up to the login window"),
                  QStringLiteral("%1 rows in each busy register").arg(bench::count(dm.AT_Appeal->recordCount())), total,
                  bench::Goal::under(1500));
    return bench::exitStatus();
}
