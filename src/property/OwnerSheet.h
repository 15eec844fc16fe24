#pragma once
// The owner sheet "业主信息表": one owner's particulars, household members and
// room in a boxed form under the company name, with an empty remarks box.
//
// The owner window prints it through its report system:
//
//     connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmMan::RvSystemPrint);
//     void TfrmMan::RvSystemPrint(report::PageWriter& w) { printOwnerSheet(w, *DM->AQ_Man); }
//
// The member box holds eight members; further members continue on a page of
// their own under the owner's id and name, never over the room box.

#include "property/OwnerSheetValues.h"

namespace report {
class PageWriter;
}

// The owner row current in `owners` (a dataset over table Owner).
void printOwnerSheet(report::PageWriter& writer, const data::DataSet& owners);
// The owner with this id; false, with nothing drawn, when there is none.
bool printOwnerSheet(report::PageWriter& writer, const QString& ownerId);

// Draws the sheet of values already read.
void drawOwnerSheet(report::PageWriter& writer, const OwnerSheetValues& values);

// Members in the box of the first page, and on each page that continues it.
inline constexpr int kOwnerSheetBoxMembers = 8;
inline constexpr int kOwnerSheetMoreMembersPerPage = 29;
