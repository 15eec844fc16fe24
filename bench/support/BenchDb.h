#pragma once
// Databases of a realistic size for the benchmarks.
//
// The embedded database is a file under the system's temporary folder; when
// WYGL_BENCH_CONN holds a PostgreSQL connection line the benchmark uses that
// server (its database is emptied and re-created).

#include "platform/data/Connection.h"

#include <QElapsedTimer>
#include <memory>

namespace bench {

struct Size {
    int districts = 50;
    int buildings = 1000;   // spread evenly over the districts
    int rooms = 40000;      // spread evenly over the buildings, 2 units each
    int owners = 40000;     // one per room, each placed in its room
    int members = 100000;   // spread over the owners
};

// A new database with the schema, the first account and the company row,
// named `name` (by default runName("wygl_bench")). The databases a run made
// are dropped when it ends, unless WYGL_BENCH_KEEP is set.
std::unique_ptr<data::Connection> newDatabase(const QString& name = QString());
// A name of this run's own: the base with the process id, so that runs side
// by side, of the same benchmark or of others, never share a database or a file.
QString runName(const QString& base);
// Fills it with districts, buildings, units, rooms, owners and members.
void fill(data::Connection& c, const Size& size);
// Fee items "01".."0n" (the first three metered, the rest not) and every
// occupied room given each of them, with base readings and a quota.
void assignFees(data::Connection& c, int items);
// A month of Fee rows, one per room item, as the month would stand after
// readings and charges: end readings, a charge and a total; every third row
// collected when `someCollected`.
void fillFeeMonth(data::Connection& c, const QString& period, bool someCollected);
// The late-fee rate of the charging settings.
void setLateFeeRate(data::Connection& c, const QString& rate);
// `count` security patrols, numbered X000001..., dated one a day (about 68
// a day) from 2020-01-01 on.
void fillPatrols(data::Connection& c, int count);
// `count` rows in each of the registers an office fills fastest: complaints,
// patrols, goods received, goods issued and documents received.
void fillBusyRegisters(data::Connection& c, int count);
// Brings the server's planner statistics up to date after a bulk load.
void analyze(data::Connection& c);

// The target of the database newDatabase() made (for a conn.udl).
const data::ConnectionSpec& target();

// Reads every column of every row a SELECT returns through a bare Qt query
// on a connection of its own to the benchmark's database, as the floor of
// opening a register; returns the milliseconds it took.
double bareReadMs(const QString& select);

// Milliseconds since start, as a double.
double ms(const QElapsedTimer& t);

// "SQLite" or "PostgreSQL", for the first line a benchmark prints.
const char* backendName(data::Backend b);

}  // namespace bench
