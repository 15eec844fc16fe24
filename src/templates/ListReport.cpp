#include "templates/ListReport.h"

#include "platform/report/TextFit.h"

using namespace report;

namespace {

const QString kSong = QStringLiteral("宋体");

void drawTop(PageWriter& w, const ListLayout& l)
{
    w.SetSectionTop(l.sectionTop);
    w.SetFont(QStringLiteral("楷体_GB2312"), l.headingSize);
    w.SetUnderline(true);
    w.Home();
    w.SetYPos(l.headingY);
    w.PrintCenter(l.heading, w.PageWidth() / 2);
    w.Home();
    w.SetFont(l.titleFace, l.titleSize);
    if (isNA(l.titleY))
        w.NewLine();
    else
        w.SetYPos(l.titleY);
    w.PrintCenter(l.title, w.PageWidth() / 2);
    if (l.dateLineCentred) {
        w.SetFont(kSong, 14);
        w.NewLine();
        w.SetFont(kSong, 11);
        w.PrintCenter(l.dateLine, w.PageWidth() / 2);
    } else {
        w.SetFont(kSong, 11);
        w.NewLine();
        w.SetXPos(l.dateX);
        w.PrintLn(l.dateLine);
    }
    // Without a set place, the head row's boxes start right under the date
    // line, however much taller than it they are.
    if (isNA(l.headY))
        w.SetYPos(w.LineTop() + PageWriter::kAboveBaseline * l.lineHeight);
    w.SetTopOfPage();
    if (!isNA(l.headY)) {
        w.Home();
        w.SetYPos(l.headY);
    }
}

void setStops(PageWriter& w, const ListLayout& l, bool head)
{
    w.ClearTabs();
    for (size_t c = 0; c < l.columns.size(); ++c)
        w.SetTab(c == 0 ? l.firstStop : NA, head ? pjCenter : l.columns[c].body, l.columns[c].width, NA, BoxAll, 0);
}

void drawHead(PageWriter& w, const ListLayout& l)
{
    w.SetFont(kSong, l.headSize);
    w.SetLineHeight(l.lineHeight);
    w.SetPen(Qt::black, psSolid, 1);
    setStops(w, l, true);
    const size_t n = l.columns.size();
    for (size_t c = 0; c < n; ++c) {
        if (l.heavyHeadTops)
            w.Tab(c == 0 ? -2 : NA, c + 1 == n ? -2 : NA, -2, NA, NA);
        else
            w.Tab();
        w.Print(l.columns[c].title);
    }
    w.NewLine();
    w.SetBold(false);
    w.SetFont(kSong, l.bodySize);
    setStops(w, l, false);
}

// One body row, each cell fitted inside its box.
void drawRow(PageWriter& w, const ListLayout& l, const QStringList& cells)
{
    for (size_t c = 0; c < l.columns.size(); ++c) {
        w.Tab();
        const QString text = qsizetype(c) < cells.size() ? cells[qsizetype(c)] : QString();
        PrintFitted(w, text, l.columns[c].width - 2 * TabStops::kDefaultMargin);
    }
    w.NewLine();
}

void drawEmptyRow(PageWriter& w, const ListLayout& l)
{
    w.Print(QString(qsizetype(l.columns.size()), QLatin1Char('\t')));
    w.NewLine();
}

void drawFooter(PageWriter& w)
{
    w.SetFont(kSong, 14);
    w.SetSectionBottom(10.75);
    w.PrintFooter(QStringLiteral("第  %1  页").arg(w.CurrentPage()), pjCenter);
}

}  // namespace

int listPageCount(const ListLayout& layout, int rowCount)
{
    const int perPage = std::max(1, layout.rowsPerPage);
    return std::max(1, (rowCount + perPage - 1) / perPage);
}

void drawListReport(PageWriter& w, const ListLayout& layout, const std::vector<QStringList>& rows)
{
    const int perPage = std::max(1, layout.rowsPerPage);
    const int pages = listPageCount(layout, int(rows.size()));
    size_t next = 0;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            w.NewPage();
        drawTop(w, layout);
        drawHead(w, layout);
        if (rows.empty() && layout.whenEmpty == EmptyList::HeadOnly)
            return;
        int printed = 0;
        for (; next < rows.size() && printed < perPage; ++next, ++printed)
            drawRow(w, layout, rows[next]);
        const bool lastPage = p + 1 == pages;
        const bool fill = layout.fillEmptyRows && !(rows.empty() && layout.whenEmpty == EmptyList::HeadAndFooter);
        for (; fill && printed < perPage; ++printed)
            drawEmptyRow(w, layout);
        if (lastPage && !layout.lastRow.isEmpty())
            drawRow(w, layout, layout.lastRow);
        drawFooter(w);
    }
}
