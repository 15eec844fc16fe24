#pragma once
// The boxed list printout the office's lists share: the company heading, a
// title, a date line, a head row of boxed titles, then body rows of boxed
// cells, a fixed number to a page, filled up with empty rows, and "第  n  页"
// at the foot of every page. Rows that do not fit on a page continue on the
// next, which repeats the heading and the head row, so no row is printed
// twice or runs off the paper.
//
// Every body cell is fitted to its box: text is cut between characters,
// numbers are printed smaller instead (report/TextFit.h). A cell holds what
// the printout wants shown; a null is already "--" there.

#include "platform/report/PageWriter.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ListColumn {
    QString title;
    double width = 0;  // inches
    report::Justify body = report::pjCenter;
};

// What a list printed with no rows shows.
enum class EmptyList {
    Filled,        // one page of empty rows and its footer
    HeadOnly,      // the heading, title, date line and head row; no rows, no footer
    HeadAndFooter, // the same and the footer
};

struct ListLayout {
    QString heading;  // the company name
    double sectionTop = 0.55;
    double headingSize = 22;  // "楷体_GB2312", underlined, centred
    double headingY = 0.8;
    QString title;
    QString titleFace = QStringLiteral("楷体_GB2312");
    double titleSize = 18;
    double titleY = report::NA;  // NA: the line after the heading's
    // The line under the title: "打印日期：..." at dateX in "宋体" 11; or,
    // when centred, centred a blank 14-pt line further down.
    QString dateLine;
    double dateX = 0.5;
    bool dateLineCentred = false;

    double headY = 1.6;  // NA: the line after the date line
    double headSize = 12.5;
    bool heavyHeadTops = true;  // head cells' top sides 0.02 in, the outer sides too
    double bodySize = 9.5;
    double lineHeight = 0.21;
    double firstStop = 0.4;
    std::vector<ListColumn> columns;

    int rowsPerPage = 38;
    bool fillEmptyRows = true;  // pages are filled up to rowsPerPage
    EmptyList whenEmpty = EmptyList::Filled;
    // A row after the last page's rows (and their fill): a total, say.
    QStringList lastRow;
};

// Draws the pages of the list from the writer's current page on.
void drawListReport(report::PageWriter& w, const ListLayout& layout, const std::vector<QStringList>& rows);

// The number of pages drawListReport() draws for so many rows.
int listPageCount(const ListLayout& layout, int rowCount);
