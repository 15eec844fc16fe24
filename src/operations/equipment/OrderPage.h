#pragma once
// The printed repair and maintenance orders: one page for the supervisor's
// signature, under the company heading and the order's title. Below a head
// line, a frame with a label column holds bands, each closed by a rule: a
// band may carry captions and values, vertical rules, a memo wrapped into
// lines, and a label written downwards. The two orders differ only in their
// data (OrderLayout); drawOrder draws either.
//
// Positions are inches from the page's top left, y the text's baseline. A
// null value prints "--", a date the short date. A memo prints trimmed, its
// line breaks as blanks, cut into lines of the order's wrap width in display
// columns (a Chinese character takes two and is never split); what does not
// fit in the band's lines is not printed, which is why the order's memo
// inputs take no more than their band holds (OrderLayout::memoFits).

#include "platform/report/PageWriter.h"

#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// A caption followed by a value ("维修单号： " + MendId), or either alone.
struct OrderText {
    QString caption;
    QString field;  // none: the caption alone
    double x = 0, y = 0;
};

// A memo in lines at x, one line per y.
struct OrderMemo {
    QString field;
    double x = 0;
    std::vector<double> ys;
};

// A label written downwards, one character per y.
struct OrderDownwards {
    QString text;
    double x = 0;
    std::vector<double> ys;
};

struct OrderBand {
    double top = 0, bottom = 0;
    bool closed = true;         // a rule across the frame at the bottom
    std::vector<double> rules;  // vertical rules from top to bottom
    std::vector<OrderText> texts;
    std::optional<OrderMemo> memo;
    std::optional<OrderDownwards> downwards;
};

struct OrderLayout {
    QString title;
    std::vector<OrderText> head;  // the line above the frame
    int wrapWidth = 72;           // display columns of a memo line
    std::vector<OrderBand> bands;

    // The memo bands' fields with their number of lines.
    std::vector<std::pair<QString, int>> memos() const;
    // The beginning of a memo text that the band of `field` prints whole.
    QString memoFits(const QString& field, const QString& text) const;
};

const OrderLayout& repairOrderLayout();
const OrderLayout& maintenanceOrderLayout();

// The lines a memo value prints as: trimmed, line breaks as blanks, cut by
// display width, at most `lines` of them; a null value "--".
QStringList orderMemoLines(const QVariant& value, int width, int lines);

using OrderValue = std::function<QVariant(const QString& field)>;
void drawOrder(report::PageWriter& w, const OrderLayout& layout, const OrderValue& value, const QString& heading);
