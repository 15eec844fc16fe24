#pragma once
// A boxed list laid out the way the fee reports lay out theirs: heading,
// title, date, a head row with heavier top sides, 38 abutting body rows per
// page and a page-number footer. Tests draw it to check the writer on a
// whole printout.

#include "platform/report/PageWriter.h"

#include <QStringList>
#include <vector>

namespace reporttest {

struct ListColumn {
    QString title;
    double width;
    report::Justify body;
};

std::vector<ListColumn> feeColumns();
std::vector<QStringList> sampleRows(int count);

void drawBoxedList(report::PageWriter& w, const QString& heading, const QString& title,
                   const std::vector<ListColumn>& columns, const std::vector<QStringList>& rows,
                   int rowsPerPage = 38);

}  // namespace reporttest
