#include "fees/FeeRows.h"

#include "fees/Money.h"
#include "platform/data/Connection.h"
#include "platform/data/DataSource.h"
#include "platform/data/Query.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"


namespace fees {

void openFeeRows(data::Query& q, const FeeRowsKey& key)
{
    q.reopen(QStringLiteral("select * from Fee where RegionID=:RegionID and BuildID=:BuildID and FeeId=:FeeId "
                            "and FeeName=:FeeName  and inDate=:inDate order by roomNum"),
             {{QStringLiteral("RegionID"), key.regionId},
              {QStringLiteral("BuildID"), key.buildId},
              {QStringLiteral("FeeId"), key.feeId},
              {QStringLiteral("FeeName"), key.feeName},
              {QStringLiteral("inDate"), key.period}});
}

void openRoomMonth(const RoomKey& room, const QString& period)
{
    DM->DS_SFeeM->setEnabled(false);
    DM->AQ_SFeeM->reopen(QStringLiteral("select * from Fee where RegionId=:RegionId and buildId=:buildId and "
                                        "UnitName=:UnitName and RoomNum=:RoomNum and OwnerID=:OwnerID and "
                                        "OwnerName=:OwnerName and inDate=:inDate order by rid"),
                         {{QStringLiteral("RegionId"), room.regionId},
                          {QStringLiteral("buildId"), room.buildId},
                          {QStringLiteral("UnitName"), room.unitName},
                          {QStringLiteral("RoomNum"), room.roomNum},
                          {QStringLiteral("OwnerID"), room.ownerId},
                          {QStringLiteral("OwnerName"), room.ownerName},
                          {QStringLiteral("inDate"), period}});
    DM->DS_SFeeM->setEnabled(true);
}

QString emptyRowMessage()
{
    return QStringLiteral("不能对空记录进行操作！！");
}

QString collectedRowMessage()
{
    return QStringLiteral("该费用已收取，不能修改。");
}

bool onEmptyRow(const data::DataSet& ds)
{
    if (!ds.isActive() || (ds.isEmpty() && ds.state() != data::DataSetState::Insert))
        return true;
    const data::Field* f = ds.findField(QStringLiteral("FeeID"));
    return !f || f->isNull();
}

bool refuseEmptyRow(data::DataSet& ds)
{
    if (!onEmptyRow(ds))
        return false;
    ui::Msg::warning(emptyRowMessage());
    if (ds.isActive()) {
        ds.cancel();
        ds.first();
    }
    return true;
}

namespace {
// Collected as read, or collected since (by the collection window).
bool collected(data::DataSet& ds)
{
    if (isCollected(ds.fieldByName(QStringLiteral("flag"))->oldValue()))
        return true;
    const qint64 rid = ds.rowId();
    return rid != 0
           && isCollected(ds.connection()->scalar(QStringLiteral("SELECT flag FROM Fee WHERE rid = ?"), {rid}));
}
}  // namespace

void checkRowBeforePost(data::DataSet& ds)
{
    if (refuseEmptyRow(ds))
        throw data::Abort();
    if (collected(ds)) {
        ui::Msg::warning(collectedRowMessage());
        ds.cancel();
        throw data::Abort();
    }
}

void storeTypedRow(ui::DBGrid* grid, data::DataSet& ds)
{
    if (!grid->commitEditor())
        throw data::Abort();
    ds.post();
}

bool storeTypedRowOnClose(ui::DBGrid* grid, data::DataSet& ds)
{
    return ui::guarded([&] {
        if (!grid->commitEditor())
            throw data::Abort();
        if (ds.isActive() && ds.isEditing())
            ds.post();
    });
}

bool gridKeyDown(ui::DBGrid* grid, data::DataSet& ds, int key)
{
    if (refuseEmptyRow(ds))
        return true;
    if (key == Qt::Key_Down && ds.recNo() == ds.recordCount()) {
        storeTypedRow(grid, ds);
        return true;
    }
    return false;
}

void lockCollectedRows(ui::DBGrid* grid, data::DataSource* source)
{
    auto follow = [grid, source] {
        data::DataSet* ds = source->dataSet();
        bool locked = session::browseOnly();
        if (!locked && ds && ds->isActive() && !ds->isEmpty() && !ds->isEditing())
            locked = isCollected(ds->fieldByName(QStringLiteral("flag"))->value());
        grid->setReadOnly(locked);
    };
    QObject::connect(source, &data::DataSource::dataChanged, grid, [follow](data::Field* f) {
        if (!f)
            follow();
    });
    follow();
}

FeeRowsNotice& FeeRowsNotice::instance()
{
    static FeeRowsNotice notice;
    return notice;
}

}  // namespace fees
