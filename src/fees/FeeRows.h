#pragma once
// The month's fee rows of one building and one item, as the charge windows
// show them in their grids: each window reads them through a query of its
// own, so another window's rows never appear in it.
//
// A grid row can be changed only while it is still due: a collected row
// ("已收取") is read-only, and a row without an item (an empty list) is
// refused with "不能对空记录进行操作！！".

#include "fees/RoomKey.h"
#include "platform/ui/Handler.h"

#include <QObject>
#include <QString>

namespace data {
class DataSet;
class DataSource;
class Query;
}  // namespace data
namespace ui { class DBGrid; }

namespace fees {

struct FeeRowsKey {
    QString regionId;
    QString buildId;
    QString feeId;
    QString feeName;
    QString period;  // Fee.inDate, "yyyyMM"

    // District, building and item are all chosen.
    bool complete() const { return !regionId.isEmpty() && !buildId.isEmpty() && !feeId.isEmpty(); }
};

// Reads the rows into the query, by room number.
void openFeeRows(data::Query& q, const FeeRowsKey& key);

// Reads one room's rows of a month into the shared list DM.AQ_SFeeM, in the
// order they were generated.
void openRoomMonth(const RoomKey& room, const QString& period);

QString emptyRowMessage();
QString collectedRowMessage();

// True when the dataset shows no row with an item: closed, empty, or on a
// row whose FeeID is null.
bool onEmptyRow(const data::DataSet& ds);
// On an empty row: the warning, the edit cancelled, the first row; true then.
bool refuseEmptyRow(data::DataSet& ds);
// Before a row is stored: an empty row is refused as above and a collected
// row with a warning, its edit cancelled; both stop the post (data::Abort).
void checkRowBeforePost(data::DataSet& ds);

// Stores the row being typed in the grid: what an open cell editor holds is
// written into the row, then the row is posted. The grid adds no rows, so
// going on past the last row stores it, as leaving any other row does.
void storeTypedRow(ui::DBGrid* grid, data::DataSet& ds);
// The charge windows have no Save button: closing one stores the row being
// typed through the same checks. False (the user told why) when the row
// cannot be stored; the window then stays open on it.
bool storeTypedRowOnClose(ui::DBGrid* grid, data::DataSet& ds);

// A key pressed in the grid: on an empty row it is refused as above; Down on
// the last row stores the row being typed. True when the key was used up.
bool gridKeyDown(ui::DBGrid* grid, data::DataSet& ds, int key);

// Keeps the grid read-only while its current row is collected, and always
// for a browse-only user.
void lockCollectedRows(ui::DBGrid* grid, data::DataSource* source);

// Fee rows written behind the charge windows (a bulk charge) are announced
// here, and every charge window open reads its rows again.
class FeeRowsNotice : public QObject {
    Q_OBJECT
public:
    static FeeRowsNotice& instance();
    void announce() { emit rowsChanged(); }

signals:
    void rowsChanged();
};

// Connects a charge window to the notice for as long as it is open.
template <class Window>
void followFeeRows(Window* window)
{
    ui::connectHandler(&FeeRowsNotice::instance(), &FeeRowsNotice::rowsChanged, window, [window] {
        if (!window->isReleased())
            window->refreshRows();
    });
}

}  // namespace fees
