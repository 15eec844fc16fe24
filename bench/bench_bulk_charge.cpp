// The bulk charge of one non-metered item over 40,000 rooms, by floor area
// and per room. Printed for information: no goal.

#include "fees/BulkCharge.h"
#include "fees/GenerateReceivables.h"
#include "platform/data/Connection.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    auto c = bench::newDatabase();
    bench::Size size;
    size.members = 0;
    bench::fill(*c, size);
    bench::assignFees(*c, 5);
    bench::fillFeeMonth(*c, QStringLiteral("202405"), true);
    fees::GenerateReceivables(*c, {{2024, 6}, 1, false});
    bench::analyze(*c);
    std::printf("backend: %s, Fee rows of the month: %d\n",
                bench::backendName(c->backend()),
                c->scalar(QStringLiteral("SELECT count(*) FROM Fee WHERE inDate = '202406'")).toInt());

    const struct {
        const char* name;
        const char* feeId;
        const char* feeName;
        fees::ChargeBasis basis;
    } runs[] = {{"floor area", "04", "物业费", fees::ChargeBasis::FloorArea},
                {"per room", "05", "卫生费", fees::ChargeBasis::PerRoom}};
    for (const auto& run : runs) {
        QElapsedTimer t;
        t.start();
        const auto r = fees::bulkCharge(*c, {QString::fromUtf8(run.feeId), QString::fromUtf8(run.feeName),
                                             QStringLiteral("1.25"), QStringLiteral("1"), run.basis,
                                             QStringLiteral("202406")});
        const double ms = bench::ms(t);
        std::printf("bulk charge by %s: %s, %.0f rows/s\n", run.name, qPrintable(r.message()),
                    r.charged / (ms / 1000.0));
        bench::report(QStringLiteral("bulk charge by %1").arg(QLatin1String(run.name)),
                      QStringLiteral("%1 rooms").arg(bench::count(r.charged)), ms, bench::Goal::none());
    }
    return bench::exitStatus();
}
