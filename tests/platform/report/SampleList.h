#pragma once
// A sample of the fee reports' boxed list, drawn through the shared list
// report, for tests that check the writer on a whole printout.

#include "templates/ListReport.h"

#include <QStringList>
#include <vector>

namespace reporttest {

std::vector<ListColumn> feeColumns();
std::vector<QStringList> sampleRows(int count);

void drawBoxedList(report::PageWriter& w, const QString& heading, const QString& title,
                   const std::vector<ListColumn>& columns, const std::vector<QStringList>& rows);

}  // namespace reporttest
