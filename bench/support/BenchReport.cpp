#include "support/BenchReport.h"

#include <QLocale>
#include <QStringList>
#include <cstdio>

namespace bench {

namespace {

bool g_missed = false;

QString duration(double ms)
{
    if (ms < 0)
        return QStringLiteral("-");
    if (ms >= 10000)
        return QStringLiteral("%1 s").arg(ms / 1000, 0, 'f', 1);
    if (ms >= 1000)
        return QStringLiteral("%1 s").arg(ms / 1000, 0, 'f', 2);
    if (ms >= 10)
        return QStringLiteral("%1 ms").arg(ms, 0, 'f', 0);
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', 2);
}

QString goalText(const Goal& g)
{
    QStringList parts;
    if (g.underMs > 0)
        parts << QStringLiteral("< %1").arg(duration(g.underMs));
    if (g.ratio > 0)
        parts << QStringLiteral("<= %1x floor").arg(g.ratio, 0, 'g', 3);
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

void printLine(const QStringList& fields)
{
    std::printf("= %s\n", qPrintable(fields.join(QStringLiteral(" | "))));
    std::fflush(stdout);
}

}  // namespace

bool report(const QString& operation, const QString& size, double ms, double floorMs, const Goal& goal)
{
    const bool hasFloor = floorMs > 0;
    const double ratio = hasFloor ? ms / floorMs : 0;
    bool met = true;
    if (goal.underMs > 0 && !(ms < goal.underMs))
        met = false;
    if (goal.ratio > 0 && (!hasFloor || ratio > goal.ratio))
        met = false;
    const bool hasGoal = goal.underMs > 0 || goal.ratio > 0;
    if (!met)
        g_missed = true;
    printLine({operation, size, duration(ms), hasFloor ? duration(floorMs) : QStringLiteral("-"),
               hasFloor ? QStringLiteral("%1x").arg(ratio, 0, 'f', 2) : QStringLiteral("-"), goalText(goal),
               !hasGoal ? QStringLiteral("-") : met ? QStringLiteral("met") : QStringLiteral("MISSED")});
    return met;
}

bool check(const QString& what, bool met)
{
    if (!met)
        g_missed = true;
    printLine({what, QStringLiteral("-"), met ? QStringLiteral("yes") : QStringLiteral("no"), QStringLiteral("-"),
               QStringLiteral("-"), QStringLiteral("yes"), met ? QStringLiteral("met") : QStringLiteral("MISSED")});
    return met;
}

int exitStatus()
{
    return g_missed ? 1 : 0;
}

QString count(qint64 n)
{
    QLocale l(QLocale::English);
    return l.toString(n);
}

}  // namespace bench
