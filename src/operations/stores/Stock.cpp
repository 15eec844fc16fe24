#include "operations/stores/Stock.h"

#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/data/Field.h"

#include <QSqlQuery>

namespace stores {

namespace {

// numeric(18,0): the counts and quantities the columns hold.
constexpr qint64 kMaxCount = 999'999'999'999'999'999LL;

QString goodsKey(const QString& goods)
{
    // The goods column's width and the right-trimming every written text gets.
    return data::normalizeValue(goods, data::ColType::String, 50, 0, QStringLiteral("物品名称")).toString();
}

QString categoryText(const QString& category)
{
    return data::normalizeValue(category, data::ColType::String, 20, 0, QStringLiteral("物资类别")).toString();
}

qint64 count(const QVariant& v)
{
    return data::Decimal::fromVariant(v).orZero().toLongLong();
}

}  // namespace

namespace {
QString refusalText(StockRefusal::Reason r)
{
    switch (r) {
    case StockRefusal::Reason::UnknownGoods:
        return QStringLiteral("库中无该产品，操作失败！");
    case StockRefusal::Reason::ShortStock:
        return QStringLiteral("库存数量不足");
    case StockRefusal::Reason::NothingToReturn:
        return QStringLiteral("无法删除该笔记录！");
    }
    return QString();
}
}  // namespace

StockRefusal::StockRefusal(Reason r) : data::Error(refusalText(r)), m_reason(r) {}

std::optional<qint64> parseQuantity(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 18)
        return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const qint64 n = t.toLongLong();
    if (n <= 0)
        return std::nullopt;
    return n;
}

Stock::Stock(data::Connection& c) : m_conn(c) {}

Stock::Row* Stock::read(const QString& goods)
{
    QSqlQuery q = m_conn.exec(QStringLiteral("SELECT rid, startNum, inputNum, outputNum, storage FROM repertory "
                                             "WHERE GoodsName = ? ORDER BY rid LIMIT 1")
                                  + m_conn.dialect().rowLockClause(),
                              {goods});
    if (!q.next())
        return nullptr;
    Row r;
    r.goods = goods;
    r.rid = q.value(0).toLongLong();
    r.start = count(q.value(1));
    r.in = count(q.value(2));
    r.out = count(q.value(3));
    r.storage = count(q.value(4));
    m_rows.push_back(r);
    return &m_rows.back();
}

Stock::Row* Stock::find(const QString& goods)
{
    for (Row& r : m_rows)
        if (r.goods == goods)
            return &r;
    if (std::find(m_missing.begin(), m_missing.end(), goods) != m_missing.end())
        return nullptr;
    Row* r = read(goods);
    if (!r)
        m_missing.push_back(goods);
    return r;
}

Stock::Row& Stock::create(const QString& goods)
{
    // Two workstations may bring in a new goods name at once: with the table
    // locked, the look-up is repeated before the row is made.
    const QString lock = m_conn.dialect().tableLockSql(QStringLiteral("repertory"));
    if (!lock.isEmpty()) {
        m_conn.exec(lock);
        m_missing.erase(std::remove(m_missing.begin(), m_missing.end(), goods), m_missing.end());
        if (Row* r = read(goods))
            return *r;
    }
    m_missing.erase(std::remove(m_missing.begin(), m_missing.end(), goods), m_missing.end());
    Row r;
    r.goods = goods;
    m_rows.push_back(r);
    return m_rows.back();
}

void Stock::receive(const QString& goods, const QString& category, qint64 quantity)
{
    const QString key = goodsKey(goods);
    Row* r = find(key);
    Row& row = r ? *r : create(key);
    row.in += quantity;
    row.storage += quantity;
    row.category = categoryText(category);
    row.categorySet = true;
    row.changed = true;
}

void Stock::issue(const QString& goods, const QString& category, qint64 quantity)
{
    Row* r = find(goodsKey(goods));
    if (!r)
        throw StockRefusal(StockRefusal::Reason::UnknownGoods);
    r->out += quantity;
    r->storage -= quantity;
    r->category = categoryText(category);
    r->categorySet = true;
    r->changed = true;
}

void Stock::undoReceipt(const QString& goods, qint64 quantity)
{
    Row* r = find(goodsKey(goods));
    if (!r)
        return;
    r->in -= quantity;
    r->storage -= quantity;
    r->changed = true;
}

void Stock::undoIssue(const QString& goods, qint64 quantity)
{
    Row* r = find(goodsKey(goods));
    if (!r)
        throw StockRefusal(StockRefusal::Reason::NothingToReturn);
    r->out -= quantity;
    r->storage += quantity;
    r->changed = true;
}

void Stock::post(Direction direction, const std::optional<StockLine>& stored, const std::optional<StockLine>& edited)
{
    if (direction == Direction::Receipt) {
        if (stored)
            undoReceipt(stored->goods, stored->quantity);
        if (edited)
            receive(edited->goods, edited->category, edited->quantity);
    } else {
        try {
            if (stored)
                undoIssue(stored->goods, stored->quantity);
        } catch (const StockRefusal&) {
            if (edited)
                throw StockRefusal(StockRefusal::Reason::UnknownGoods);
            throw;
        }
        if (edited)
            issue(edited->goods, edited->category, edited->quantity);
    }
    write();
}

void Stock::write()
{
    for (const Row& r : m_rows)
        if (r.changed && r.storage < 0)
            throw StockRefusal(StockRefusal::Reason::ShortStock);
    for (const Row& r : m_rows) {
        if (!r.changed)
            continue;
        for (qint64 v : {r.in, r.out, r.storage})
            if (v > kMaxCount || v < -kMaxCount)
                throw data::Error(QStringLiteral("“%1”的库存数量超出了可保存的范围。").arg(r.goods));
        if (r.rid == 0) {
            m_conn.exec(QStringLiteral("INSERT INTO repertory (GoodsName, reperName, startNum, inputNum, outputNum, "
                                       "storage) VALUES (?, ?, 0, ?, ?, ?)"),
                        {r.goods, r.category, r.in, r.out, r.storage});
            continue;
        }
        QSqlQuery q = r.categorySet
                          ? m_conn.exec(QStringLiteral("UPDATE repertory SET inputNum = ?, outputNum = ?, storage = ?, "
                                                       "reperName = ? WHERE rid = ?"),
                                        {r.in, r.out, r.storage, r.category, r.rid})
                          : m_conn.exec(QStringLiteral("UPDATE repertory SET inputNum = ?, outputNum = ?, storage = ? "
                                                       "WHERE rid = ?"),
                                        {r.in, r.out, r.storage, r.rid});
        if (q.numRowsAffected() != 1)
            throw data::Error(QStringLiteral("“%1”的库存记录已被删除，请刷新后重试。").arg(r.goods));
    }
    m_rows.clear();
    m_missing.clear();
}

}  // namespace stores
