#include "platform/ui/ColumnWidth.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>

#include <algorithm>

namespace ui {

namespace {

// Rows read for the dates and times a column shows.
constexpr int kSampledRows = 50;

int titleWidth(const QTableView& grid, int column, const QString& title)
{
    const QHeaderView* header = grid.horizontalHeader();
    QStyleOptionHeader opt;
    opt.initFrom(header);
    opt.section = column;
    opt.text = title;
    opt.fontMetrics = header->fontMetrics();
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), header).width();
}

bool isDateOrTime(const QString& text)
{
    static const QRegularExpression dateOrTime(
        QStringLiteral(R"(^(\d{4}[-/.]\d{1,2}[-/.]\d{1,2})?\s*(\d{1,2}:\d{2}(:\d{2})?)?$)"));
    return !text.trimmed().isEmpty() && dateOrTime.match(text.trimmed()).hasMatch();
}

// The widest date or time the column shows: a full one in its format for a
// date-time column, and those its first rows hold (dates are typed into text
// columns too).
int dateTimeWidth(const QTableView& grid, int column, const GridColumn& c, const data::Field* field)
{
    const QFontMetrics fm = grid.fontMetrics();
    int width = 0;
    if (field->type() == data::ColType::DateTime) {
        const QDateTime widest(QDate(2000, 12, 28), QTime(20, 58, 58));
        width = fm.horizontalAdvance(widest.toString(c.format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : c.format));
    }
    const QAbstractItemModel* m = grid.model();
    for (int r = 0; r < std::min(m->rowCount(), kSampledRows); ++r)
        if (const QString text = m->index(r, column).data().toString(); isDateOrTime(text))
            width = std::max(width, fm.horizontalAdvance(text));
    if (width == 0)
        return 0;
    // A cell's text has a margin on either side, and the grid line.
    return width + 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1) + 3;
}

}  // namespace

int fittedColumnWidth(const QTableView& grid, int column, const GridColumn& c, const data::Field* field)
{
    int width = c.width;
    if (!c.title.isEmpty())
        width = std::max(width, titleWidth(grid, column, c.title));
    if (field && (field->type() == data::ColType::DateTime || field->type() == data::ColType::String))
        width = std::max(width, dateTimeWidth(grid, column, c, field));
    return width;
}

int columnsWidth(const QTableView& grid)
{
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    if (!grid.verticalHeader()->isHidden())
        width += grid.verticalHeader()->width();
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        if (!grid.isColumnHidden(c))
            width += grid.columnWidth(c);
    return width;
}

}  // namespace ui
