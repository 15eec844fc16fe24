#pragma once
// The store's stock: one row of table repertory per goods name, holding
// storage = startNum + inputNum - outputNum.
//
// A voucher's stock step goes through one Stock object inside the voucher's
// own transaction. The steps name goods and quantities; the rows they touch
// are read once, locked against the other workstations, and changed in
// memory; write() then checks that no stock falls below zero and writes the
// rows back by their row identity. Undoing a stored voucher and applying its
// edited form is therefore checked as one change: raising a receipt whose
// goods were issued meanwhile is allowed, lowering it below what was issued
// is not.
//
// Goods are matched by their exact text (right-trimmed; letter case counts).
// Should the table hold several rows of one goods name, the first by identity
// is the goods' row. Counts are whole numbers; a null count is 0. A stock row
// is never deleted.

#include "platform/data/Error.h"

#include <QString>
#include <optional>
#include <vector>

namespace data {
class Connection;
}

namespace stores {

// A stock step the store cannot make; nothing has been written. Its message
// is the text the window shows.
class StockRefusal : public data::Error {
public:
    enum class Reason {
        UnknownGoods,     // an issue of goods that have no stock row
        ShortStock,       // the stock would fall below zero
        NothingToReturn,  // an issue to be undone whose goods have no stock row
    };
    explicit StockRefusal(Reason r);
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// What a voucher's quantity must be.
inline const QString kQuantityMessage = QStringLiteral("数量必须是大于零的整数！");
// The typed quantity of a voucher: digits only (blanks around them allowed),
// above 0 and at most 18 digits; nullopt for anything else.
std::optional<qint64> parseQuantity(const QString& text);

// Which way a voucher moves goods.
enum class Direction { Receipt, Issue };

// What a voucher asks of the stock.
struct StockLine {
    QString goods;
    QString category;
    qint64 quantity = 0;
};

class Stock {
public:
    explicit Stock(data::Connection& c);

    // The whole stock change of saving or deleting one voucher, written: the
    // stored voucher (none while it is new) is taken back and the edited one
    // (none when it is deleted) applied. An issue whose stored goods have no
    // row is refused as NothingToReturn when deleted and as UnknownGoods when
    // edited.
    void post(Direction direction, const std::optional<StockLine>& stored, const std::optional<StockLine>& edited);

    // A receipt: the goods' row gains the quantity received and in stock, and
    // takes the voucher's category. A goods name without a row gets one, with
    // an opening stock of 0.
    void receive(const QString& goods, const QString& category, qint64 quantity);
    // An issue: the goods' row gains the quantity issued, loses it from
    // stock, and takes the voucher's category. Refused (UnknownGoods) when the
    // goods have no row.
    void issue(const QString& goods, const QString& category, qint64 quantity);
    // A stored receipt taken back: its quantity comes off what was received
    // and what is in stock. Goods without a row change nothing.
    void undoReceipt(const QString& goods, qint64 quantity);
    // A stored issue taken back: its quantity comes off what was issued and
    // goes back into stock. Refused (NothingToReturn) when the goods have no row.
    void undoIssue(const QString& goods, qint64 quantity);

    // Refuses (ShortStock) when a row's stock would fall below zero, else
    // writes every changed row. Throws data::Error on a database error or a
    // count beyond what the columns hold.
    void write();

private:
    struct Row {
        QString goods;
        qint64 rid = 0;  // 0: a new row
        qint64 start = 0, in = 0, out = 0, storage = 0;
        QString category;
        bool categorySet = false;
        bool changed = false;
    };
    // The goods' row, read (and locked) the first time; nullptr when there is none.
    Row* find(const QString& goods);
    Row* read(const QString& goods);
    Row& create(const QString& goods);

    data::Connection& m_conn;
    std::vector<Row> m_rows;
    std::vector<QString> m_missing;  // goods known to have no row
};

}  // namespace stores
