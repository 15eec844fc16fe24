// Backup, restore and clearing of a full-size database: 40,000 rooms with
// five fee items each over 24 months (about 4.3 million receivable rows).
// Each figure is printed beside the size it was measured on, with the longest
// stretch between two progress calls (how long the window went unpainted).
//
// Embedded database by default; set WYGL_BENCH_CONN to a PostgreSQL
// connection line to measure on a server. Goals: embedded backup < 5 s,
// restore (check and copy) < 15 s, clear < 5 s; server backup < 60 s,
// restore < 2 min, clear < 2 s.

#include "app/BackupCheck.h"
#include "app/BackupWriter.h"
#include "app/ClearData.h"
#include "app/RestoreData.h"
#include "platform/data/SchemaCatalog.h"
#include "support/BenchDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <ctime>

namespace {

const QString kName = QStringLiteral("wygl_bench_backup");

// The longest time between two progress calls, and how many there were.
struct Gaps {
    QElapsedTimer clock;
    double longest = 0;
    int calls = 0;
    app::DataProgress progress()
    {
        clock.start();
        return [this](const QString&) {
            longest = std::max(longest, bench::ms(clock));
            ++calls;
            clock.restart();
        };
    }
    void finish() { longest = std::max(longest, bench::ms(clock)); }
};

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

qint64 databaseBytes(data::Connection& c)
{
    if (c.backend() == data::Backend::SQLite)
        return QFileInfo(c.target().database).size() + QFileInfo(c.target().database + "-wal").size();
    return c.scalar(QStringLiteral("SELECT pg_database_size(current_database())")).toLongLong();
}

// Seconds of processor time this program used since the last call (the
// rest of the time is the database engine's: the server's, or disk waits).
double programSeconds()
{
    static std::clock_t last = std::clock();
    const std::clock_t now = std::clock();
    const double s = double(now - last) / CLOCKS_PER_SEC;
    last = now;
    return s;
}

void report(const char* what, double ms, qint64 rows, const Gaps& g, const char* goal)
{
    std::printf("  %-24s %8.2f s  %9.0f rows/s  longest unpainted %6.0f ms (%d calls)  program %5.1f s  goal %s\n",
                what, ms / 1000.0, rows / (ms / 1000.0), g.longest, g.calls, programSeconds(), goal);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    auto c = bench::newDatabase(kName);
    const bool server = c->backend() == data::Backend::PostgreSQL;
    bench::Size size;
    size.owners = 36000;  // every tenth room stands vacant
    QElapsedTimer t;
    t.start();
    bench::fill(*c, size);
    bench::assignFees(*c, 5);
    for (int y = 2023; y <= 2024; ++y)
        for (int m = 1; m <= 12; ++m)
            bench::fillFeeMonth(*c, QStringLiteral("%1%2").arg(y).arg(m, 2, 10, QLatin1Char('0')), true);
    bench::analyze(*c);
    const qint64 feeRows = c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toLongLong();
    qint64 allRows = 0;
    for (const data::TableDef& td : data::systemTables())
        if (!td.isView)
            allRows += c->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(td.name))).toLongLong();
    std::printf("backend: %s; %d rooms, Fee %lld rows, all tables %lld rows; database %.0f MB (loaded in %.0f s)\n",
                server ? "PostgreSQL" : "SQLite", size.rooms, feeRows, allRows, megabytes(databaseBytes(*c)),
                t.elapsed() / 1000.0);

    const QString file = QDir::temp().filePath(kName + QStringLiteral("-copy.db"));
    QFile::remove(file);

    Gaps backup;
    programSeconds();
    t.start();
    app::writeBackup(*c, file, backup.progress());
    backup.finish();
    const double backupMs = bench::ms(t);
    std::printf("backup file %.0f MB\n", megabytes(QFileInfo(file).size()));
    report("backup:", backupMs, allRows, backup, server ? "< 60 s" : "< 5 s");

    c->exec(QStringLiteral("DELETE FROM Fee WHERE inDate >= '202401'"));
    programSeconds();
    t.start();
    app::checkBackupFile(file);
    const double checkMs = bench::ms(t);
    Gaps restore;
    t.start();
    app::restoreDatabase(*c, file, restore.progress());
    restore.finish();
    const double restoreMs = bench::ms(t);
    std::printf("  check of the file:       %8.2f s\n", checkMs / 1000.0);
    std::printf("  copy alone:              %8.2f s\n", restoreMs / 1000.0);
    report("restore (check + copy):", checkMs + restoreMs, allRows, restore, server ? "< 2 min" : "< 15 s");
    const qint64 back = c->scalar(QStringLiteral("SELECT count(*) FROM Fee")).toLongLong();
    if (back != feeRows)
        std::printf("  !! Fee has %lld rows after the restore, %lld before\n", back, feeRows);

    if (qEnvironmentVariableIsSet("WYGL_BENCH_KEEP"))
        return 0;
    Gaps clear;
    programSeconds();
    t.start();
    app::clearAllData(*c, clear.progress());
    clear.finish();
    report("clear:", bench::ms(t), allRows, clear, server ? "< 2 s" : "< 5 s");

    c.reset();
    if (qEnvironmentVariableIsSet("WYGL_BENCH_KEEP"))
        return 0;
    QFile::remove(file);
    if (server) {
        auto admin = data::Connection::open(data::parseConnectionLine(qEnvironmentVariable("WYGL_BENCH_CONN"), QString()));
        admin->exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(kName));
    } else {
        const QString db = QDir::temp().filePath(kName + QStringLiteral(".db"));
        for (const char* s : {"", "-wal", "-shm"})
            QFile::remove(db + QLatin1String(s));
    }
    return 0;
}
