#pragma once
// How every benchmark says what a user pays. Each figure is the time of the
// path a user takes, cold (the first time in a fresh program, as a clerk
// meets it), printed on one line beside the size it was measured on, the
// floor (the same work done the bare way in the same run, when there is
// one), the ratio of the two, and the goal; "MISSED" ends the line when the
// goal is missed. A benchmark's exit status is 0 exactly when every goal
// was met: return bench::exitStatus() from main().
//
// The lines start with "= " and hold their fields separated by " | ", so
// that tools/bench.sh can gather them into one table.

#include <QElapsedTimer>
#include <QString>

namespace bench {

// What a figure must stay within: below a time, within a multiple of its
// floor, or both; a goal of neither is a figure printed for information.
struct Goal {
    double underMs = 0;   // 0: no limit of time
    double ratio = 0;     // 0: no limit against the floor

    static Goal none() { return {}; }
    static Goal under(double ms) { return {ms, 0}; }
    static Goal within(double times) { return {0, times}; }
    Goal& andUnder(double ms)
    {
        underMs = ms;
        return *this;
    }
};

// No floor measured for a figure.
constexpr double kNoFloor = -1;

// Prints one figure (milliseconds) and records whether its goal was met.
// Returns whether it was.
bool report(const QString& operation, const QString& size, double ms, double floorMs, const Goal& goal);
// The same without a floor.
inline bool report(const QString& operation, const QString& size, double ms, const Goal& goal)
{
    return report(operation, size, ms, kNoFloor, goal);
}

// Records a goal that is not a time (the stock agrees with the vouchers):
// printed, with "MISSED" when not met.
bool check(const QString& what, bool met);

// 0 when every goal reported so far was met, 1 otherwise.
int exitStatus();

// A row count with thousands separated ("100,000").
QString count(qint64 n);

}  // namespace bench
