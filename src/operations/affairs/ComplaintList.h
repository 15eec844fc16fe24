#pragma once
// The complaint list "客户投诉清单": the complaints a search found, 29 to a
// page under the company heading, the print date and a boxed head row.

#include "templates/ListReport.h"

#include <QDate>
#include <vector>

class SearchForm;
namespace data {
class DataSet;
}

ListLayout complaintListLayout(const QString& heading, const QDate& printed);
// One row per complaint, first to last: number, complainant, the content cut
// to 42 display columns, date, state, investigator, reviewer; a null "--".
std::vector<QStringList> complaintListRows(const data::DataSet& complaints);

// The complaint search's 打印: the list of its current result through the
// print set-up (preview, printer or PDF).
void printComplaintList(SearchForm& search);
