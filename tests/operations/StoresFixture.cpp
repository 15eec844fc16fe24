#include "StoresFixture.h"

#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"

#include <QSqlQuery>

namespace storestest {

namespace {
qint64 n(const QVariant& v)
{
    return data::Decimal::fromVariant(v).orZero().toLongLong();
}
}  // namespace

StockRow stockOf(data::Connection& c, const QString& goods)
{
    QSqlQuery q = c.exec("SELECT reperName, startNum, inputNum, outputNum, storage FROM repertory "
                         "WHERE GoodsName = ? ORDER BY rid",
                         {goods});
    StockRow r;
    if (!q.next())
        return r;
    r.exists = true;
    r.category = q.value(0).toString();
    r.start = n(q.value(1));
    r.in = n(q.value(2));
    r.out = n(q.value(3));
    r.storage = n(q.value(4));
    return r;
}

int stockRows(data::Connection& c, const QString& goods)
{
    return c.scalar("SELECT count(*) FROM repertory WHERE GoodsName = ?", {goods}).toInt();
}

QString stockSnapshot(data::Connection& c)
{
    QSqlQuery q = c.exec("SELECT rid, GoodsName, reperName, startNum, inputNum, outputNum, storage FROM repertory "
                         "ORDER BY rid");
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 7; ++i)
            cells << (i >= 3 ? QString::number(n(q.value(i))) : q.value(i).toString());
        rows << cells.join(u'|');
    }
    return rows.join(u'\n');
}

QString stockBreach(data::Connection& c)
{
    QSqlQuery q = c.exec(
        "SELECT r.GoodsName, sum(r.startNum), sum(r.inputNum), sum(r.outputNum), sum(r.storage), "
        "min(r.storage), "
        "  (SELECT coalesce(sum(i.ioNum), 0) FROM inputs i WHERE i.GoodsName = r.GoodsName), "
        "  (SELECT coalesce(sum(o.ioNum), 0) FROM outputs o WHERE o.GoodsName = r.GoodsName), "
        "  sum(CASE WHEN r.storage = r.startNum + r.inputNum - r.outputNum THEN 0 ELSE 1 END) "
        "FROM repertory r GROUP BY r.GoodsName ORDER BY r.GoodsName");
    while (q.next()) {
        const QString goods = q.value(0).toString();
        const qint64 start = n(q.value(1)), in = n(q.value(2)), out = n(q.value(3)), storage = n(q.value(4));
        const qint64 lowest = n(q.value(5)), received = n(q.value(6)), issued = n(q.value(7));
        if (n(q.value(8)) != 0)
            return goods + ": a row's storage is not start + in - out";
        if (lowest < 0)
            return goods + QString(": storage %1 below zero").arg(lowest);
        if (in != received || out != issued)
            return goods + QString(": in %1 / out %2 against vouchers %3 / %4").arg(in).arg(out).arg(received).arg(issued);
        if (storage != start + received - issued)
            return goods + QString(": storage %1 against %2 + %3 - %4").arg(storage).arg(start).arg(received).arg(issued);
    }
    return QString();
}

}  // namespace storestest
