// The owner window's rooms: the vacant rooms a new owner moves into, the
// owner's own rooms it moves out of, and the room rows that follow the owner.

#include "property/Man.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "property/ManInternal.h"
#include "property/Occupancy.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"

#include <QCheckBox>
#include <QTabWidget>

namespace {

const QString kNoVacantRoom = QStringLiteral("该单元无可供分配的房间！");
const QString kNoOwnerRoom = QStringLiteral("该单元无该业主的房间！");
const QString kNoOwnerName = QStringLiteral("业主名称不能为空！");

void setText(data::DataSet* d, const char* field, const QString& value)
{
    d->fieldByName(QString::fromLatin1(field))->setAsString(value);
}

QString text(data::DataSet* d, const char* field)
{
    return d->fieldByName(QString::fromLatin1(field))->asString();
}

}  // namespace

// --- moving in -------------------------------------------------------------------

void TfrmMan::resetMoveIn()
{
    DBLC_UnitNum->setKeyValue(QVariant());
    DBLC_RoomNum->setKeyValue(QVariant());
    DM->DS_Rooms->setEnabled(false);
    DM->AQ_Rooms->close();
}

void TfrmMan::DBLC_UnitNumCloseUp()
{
    DBLC_RoomNum->setKeyValue(QVariant());
    const QString unit = man::keyText(DBLC_UnitNum->keyValue());
    if (m_regionId.isEmpty() || m_buildId.isEmpty() || unit.isEmpty())
        return;
    lists::loadVacantRooms(m_regionId, m_buildId, DBLC_Build->text(), unit);
    if (DM->AQ_Rooms->isEmpty())
        ui::Msg::warning(kNoVacantRoom);
}

void TfrmMan::DBLC_RoomNumCloseUp()
{
    locateChosenRoom();
}

// Puts the vacant-room list on the room chosen in the drop-downs. False when
// no room is chosen, or the chosen one is not a vacant room of the chosen
// district, building and unit (any more).
bool TfrmMan::locateChosenRoom()
{
    const QString unit = man::keyText(DBLC_UnitNum->keyValue());
    const QString room = man::keyText(DBLC_RoomNum->keyValue());
    data::Query* r = DM->AQ_Rooms;
    if (unit.isEmpty() || room.isEmpty() || !r->isActive() || !DM->DS_Rooms->enabled())
        return false;
    if (!r->locate(QStringList{QStringLiteral("UnitName"), QStringLiteral("RoomNum")}, QVariantList{unit, room}))
        return false;
    return text(r, "RegionID") == m_regionId && text(r, "BuildId") == m_buildId
           && text(r, "BuildName") == DBLC_Build->text() && text(r, "UState") == occupancy::kVacant;
}

// A new owner's post: the chosen room takes the owner, and the owner the
// room. Runs inside the post's transaction, after the checks.
void TfrmMan::placeOwner()
{
    data::Query* r = DM->AQ_Rooms;
    data::Query* o = DM->AQ_Man;
    try {
        r->edit();
        setText(r, "UserId", text(o, "ownerId"));
        setText(r, "Users", text(o, "ownerName"));
        setText(r, "inDate", occupancy::monthText(QDate::currentDate()));
        setText(r, "UState", occupancy::kOccupied);
        r->post();
    } catch (...) {
        r->discardEdits();
        throw;
    }
    // Appended to what is stored, so a save tried again does not add twice.
    setText(o, "UnitName", storedOwner("UnitName") + text(r, "UnitName"));
    setText(o, "RoomNum", storedOwner("RoomNum") + text(r, "RoomNum"));
    setText(o, "RegionName", DBLC_Reg->text());
    setText(o, "BuildName", DBLC_Build->text());
}

void TfrmMan::refreshVacantRooms()
{
    if (DM->AQ_Rooms->isActive())
        DM->AQ_Rooms->requery();
    DBLC_RoomNum->setKeyValue(QVariant());
}

// A renamed owner's rooms keep naming their occupant, so that moving out and
// the fee windows still find them. Runs inside the post's transaction.
void TfrmMan::renameOwnerRooms()
{
    data::Field* name = DM->AQ_Man->fieldByName(QStringLiteral("ownerName"));
    const QVariant before = name->oldValue();
    const QString id = storedOwner("ownerId");
    if (before.isNull() || !before.isValid() || id.isEmpty() || data::variantToText(before) == name->asString())
        return;
    DM->connection()->exec(QStringLiteral("UPDATE Rooms SET Users = ? WHERE UserId = ? AND Users = ?"),
                           {name->asString(), id, data::variantToText(before)});
}

// Every room of the owner in the chosen building becomes vacant, with no
// occupant and no date.
void TfrmMan::freeOwnerRooms(const QString& ownerId)
{
    AC_Update->param(QStringLiteral("UState")).setString(occupancy::kVacant);
    AC_Update->param(QStringLiteral("inDate")).setValue(QVariant());
    AC_Update->param(QStringLiteral("RegionID")).setString(m_regionId);
    AC_Update->param(QStringLiteral("BuildID")).setString(m_buildId);
    AC_Update->param(QStringLiteral("BuildName")).setString(DBLC_Build->text());
    AC_Update->param(QStringLiteral("UserId")).setString(ownerId);
    AC_Update->execute();
}

// --- moving out -------------------------------------------------------------------

// The rooms of the current (stored) owner in the chosen building, for the
// move-out unit list.
void TfrmMan::openOwnerRooms()
{
    const QString id = storedOwner("ownerId");
    const QString name = storedOwner("ownerName");
    m_roomsOf = {id, name};
    DS_TRoom->setEnabled(false);
    AQ_TRoom->close();
    BB_Out->setEnabled(false);
    DBLC_UnitNum1->setKeyValue(QVariant());
    DBLC_RoomNum1->setKeyValue(QVariant());
    if (m_regionId.isEmpty() || m_buildId.isEmpty() || id.isEmpty() || name.isEmpty()) {
        DS_TUnits->setEnabled(false);
        AQ_TUnit->close();
        return;
    }
    AQ_TUnit->reopen(QStringLiteral("select * from Rooms where RegionID=:RegionID and BuildId=:BuildID and "
                                    "BuildName=:BuildName  and UserId=:UserId and Users=:Users order by rid"),
                     {{QStringLiteral("RegionID"), m_regionId},
                      {QStringLiteral("BuildID"), m_buildId},
                      {QStringLiteral("BuildName"), DBLC_Build->text()},
                      {QStringLiteral("UserId"), id},
                      {QStringLiteral("Users"), name}});
    DS_TUnits->setEnabled(true);
    DBLC_UnitNum1->setEnabled(!AQ_TUnit->isEmpty());
}

void TfrmMan::DBLC_UnitNum1CloseUp()
{
    DBLC_RoomNum1->setKeyValue(QVariant());
    BB_Out->setEnabled(false);
    const QString id = storedOwner("ownerId");
    const QString name = storedOwner("ownerName");
    const QString unit = man::keyText(DBLC_UnitNum1->keyValue());
    if (m_regionId.isEmpty() || m_buildId.isEmpty() || id.isEmpty() || name.isEmpty() || unit.isEmpty())
        return;
    AQ_TRoom->reopen(QStringLiteral("select * from Rooms where RegionID=:RegionID and BuildId=:BuildID and "
                                    "BuildName=:BuildName and Unitname=:UnitName and UserId=:UserId and "
                                    "Users=:Users order by rid"),
                     {{QStringLiteral("RegionID"), m_regionId},
                      {QStringLiteral("BuildID"), m_buildId},
                      {QStringLiteral("BuildName"), DBLC_Build->text()},
                      {QStringLiteral("UnitName"), unit},
                      {QStringLiteral("UserId"), id},
                      {QStringLiteral("Users"), name}});
    DS_TRoom->setEnabled(true);
    if (AQ_TRoom->isEmpty())
        ui::Msg::warning(kNoOwnerRoom);
}

void TfrmMan::DBLC_RoomNum1CloseUp()
{
    BB_Out->setEnabled(CheckBox->isChecked() && !man::keyText(DBLC_RoomNum1->keyValue()).isEmpty());
}

void TfrmMan::BB_OutClick()
{
    if (!hasOwner())
        return;
    if (currentOwner("ownerName").trimmed().isEmpty()) {
        ui::Msg::warning(kNoOwnerName);
        return;
    }
    data::Query* o = DM->AQ_Man;
    data::Query* r = AQ_TRoom;
    const QString unit = man::keyText(DBLC_UnitNum1->keyValue());
    const QString room = man::keyText(DBLC_RoomNum1->keyValue());
    const QString id = storedOwner("ownerId");
    // The room must still be this owner's: the lists may have been read for
    // another owner or changed since.
    const bool ours = !id.isEmpty() && !unit.isEmpty() && !room.isEmpty() && r->isActive()
                      && r->locate(QStringList{QStringLiteral("UnitName"), QStringLiteral("RoomNum")},
                                   QVariantList{unit, room})
                      && text(r, "UserId") == id && text(r, "Users") == storedOwner("ownerName");
    if (!ours) {
        ui::Msg::warning(kNoOwnerRoom);
        return;
    }
    // The collection window finds a room's rows by its present occupant: what
    // the owner leaves unpaid here is out of its reach once the room is freed.
    const occupancy::Uncollected owed = occupancy::uncollectedFees(*DM->connection(), m_regionId, m_buildId, unit, room,
                                                                   id, storedOwner("ownerName"));
    if (owed.rows > 0
        && !ui::Msg::confirm(QStringLiteral("该业主尚有未收费用 %1 元，确定要退房吗？").arg(owed.total.toFixed(2))))
        return;
    const bool wasEditing = o->isEditing();
    const QString units = text(o, "UnitName");
    const QString rooms = text(o, "RoomNum");
    // After a failure the owner is as it was before the move-out: a pending
    // change of the user's stays, the shortened lists go.
    auto undo = [&] {
        m_holdFollow = false;
        r->discardEdits();
        if (o->isEditing() && !wasEditing) {
            o->discardEdits();
        } else if (o->isEditing()) {
            setText(o, "UnitName", units);
            setText(o, "RoomNum", rooms);
        }
    };
    m_holdFollow = true;
    try {
        data::Transaction tx(*DM->connection());
        o->edit();
        setText(o, "UnitName", occupancy::removeFirst(units, unit));
        setText(o, "RoomNum", occupancy::removeFirst(rooms, room));
        o->post();
        r->edit();
        // A room moved out of keeps empty texts (a deleted owner's, nulls).
        const QString empty = QStringLiteral("");
        setText(r, "UserId", empty);
        setText(r, "Users", empty);
        setText(r, "inDate", empty);
        setText(r, "UState", occupancy::kVacant);
        r->post();
        occupancy::removeRoomItems(*DM->connection(), m_regionId, m_buildId, unit, room, id);
        tx.commit();
    } catch (const data::Abort&) {
        undo();
        return;
    } catch (...) {
        undo();
        throw;
    }
    m_holdFollow = false;
    BB_Out->setEnabled(false);
    AQ_TUnit->requery();
    AQ_TRoom->requery();
    DBLC_UnitNum1->setEnabled(!AQ_TUnit->isEmpty());
    TB_Add->setEnabled(true);
    refreshVacantRooms();
    followOwner();
}

// --- following the owner row ---------------------------------------------------------

void TfrmMan::followOwner()
{
    if (m_holdFollow)
        return;
    data::Query* o = DM->AQ_Man;
    const qint64 tag = !o->isActive() || !DM->DS_Man->enabled()              ? 0
                       : o->state() == data::DataSetState::Insert ? -1
                                                                  : o->rowId();
    if (tag != m_ownerTag) {
        m_ownerTag = tag;
        forgetImportedPicture();
        showPicture(currentOwner("Pic"));
        DBE_MOwnerId->setText(storedOwner("ownerId"));
        if (PageControl1->currentWidget() == TS_member)
            TS_memberShow();
    }
    if (QStringList{storedOwner("ownerId"), storedOwner("ownerName")} != m_roomsOf)
        openOwnerRooms();
}
