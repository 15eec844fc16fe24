#pragma once
// The cashier's desk for window tests: a register with two districts, their
// buildings and rooms, fee rows of May and April 2024 and a receipt, and the
// steps a cashier takes in the collection window.
//
// District "1" 翠苑小区: building "2" 2号楼 with rooms 101 (张三), 102 (李四),
// 103 (vacant) and 104 (王五, no rows), building "3" 3号楼 with room 301.
// District "5" 西湖小区: building "7" 7号楼 with room 701.
// Room 101 in May: water 35.50 (30 + 5.50 arrears), electricity 0, gas not
// yet charged, management collected, cleaning 12. Room 101 in April: water 9.
// Room 102 in May: water 8. Room 101 has a receipt of March.

#include "fees/Sk.h"
#include "platform/report/DisplayList.h"

#include <QDate>
#include <QDateEdit>
#include <QString>
#include <memory>
#include <vector>

namespace data {
class Connection;
}
namespace report {
class ScopedOutputSeam;
}
namespace ui {
class DBGrid;
class DBLookupComboBox;
}

namespace feetest {

void deskRegister(data::Connection& c);

// Opens the collection window through the fee module's opener.
TfrmSk* openDesk();
// Chooses the entry shown as `name` as the user would; false when none is.
bool choose(ui::DBLookupComboBox* box, const QString& name);
// Clicks the grid's row whose column `field` shows `text`; false when none does.
bool clickRow(ui::DBGrid* grid, const QString& field, const QString& text);

// The month and the room of a window that chooses them (the collection and
// the receivables window).
template <typename Window>
void setMonth(Window* w, int year, int month)
{
    w->DTP_Date->setDate(QDate(year, month, 1));
}
// District, building, month and room, in that order; false when one of them
// could not be chosen.
template <typename Window>
bool chooseRoom(Window* w, const QString& district, const QString& building, int year, int month,
                const QString& room)
{
    if (!choose(w->DBLC_Reg, district) || !choose(w->DBLC_Build, building))
        return false;
    setMonth(w, year, month);
    return clickRow(w->DBG_JBxx, QStringLiteral("RoomNum"), room);
}

// The texts a grid shows in one column, top to bottom.
QStringList column(ui::DBGrid* grid, const QString& field);

// Catches what a report system prints: the set-up answers "preview" and
// every previewed document is kept.
class PrintCatcher {
public:
    PrintCatcher();
    ~PrintCatcher();
    const std::vector<report::Document>& documents() const { return m_docs; }
    // The texts of the last document's first page.
    QStringList lastTexts() const;

private:
    std::vector<report::Document> m_docs;
    std::unique_ptr<report::ScopedOutputSeam> m_seam;
};

}  // namespace feetest
