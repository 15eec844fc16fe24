// The owner window's owner record: its buttons and the checks every post of
// an owner runs.

#include "property/Man.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Find.h"
#include "property/ManInternal.h"
#include "property/Occupancy.h"
#include "session/DMRegion.h"

namespace {

const QString kAddMissing = QStringLiteral(
    "错误原因可能是以下各项：\r\n   业主编号和姓名为空\r\n   未安排房间入住\r\n   小区编号和楼宇编号为空\r请核对各项！");
const QString kModiMissing =
    QStringLiteral("错误原因可能是以下各项：\r\n   业主编号和姓名为空\r\n   小区编号和楼宇编号为空\r请核对各项！");
const QString kIdInUse = QStringLiteral("该业主编号已存在！重新输入。");
const QString kDeleteOwner = QStringLiteral("删除该记录其家庭成员也将被删除");

OwnerSheetPrinter& sheetPrinter()
{
    static OwnerSheetPrinter print;
    return print;
}

}  // namespace

void setOwnerSheetPrinter(OwnerSheetPrinter print)
{
    sheetPrinter() = std::move(print);
}

void TfrmMan::TB_AddClick()
{
    data::Query* q = DM->AQ_Man;
    if (!q->isActive() || !DM->DS_Man->enabled())
        return;
    ui::quietly([&] {
        q->checkBrowseMode();
        ModeFlag() = QStringLiteral("N");
        q->disableControls();
        try {
            q->last();
            q->insert();
            q->fieldByName(QStringLiteral("RegionName"))->setAsString(DBLC_Reg->text());
            q->fieldByName(QStringLiteral("BuildName"))->setAsString(DBLC_Build->text());
            // The proposed id, when it fits the column; else the user types it all.
            const QString proposal = m_regionId + QLatin1Char('-') + m_buildId + QLatin1Char('-');
            data::Field* id = q->fieldByName(QStringLiteral("ownerId"));
            if (id->width() == 0 || proposal.size() <= id->width())
                id->setAsString(proposal);
        } catch (...) {
            q->enableControls();
            throw;
        }
        q->enableControls();
        setOwnerEditsEnabled(true);
        setMoveInEnabled(true);
        TB_Save->setEnabled(true);
        TB_Delete->setEnabled(true);
        TB_Cancel->setEnabled(true);
        TB_Add->setEnabled(false);
        TB_Modi->setEnabled(false);
        DBE_OwnerId->setFocus();
        DBE_OwnerId->end(false);
    });
}

void TfrmMan::DBE_OwnerIdExit()
{
    // Only a new owner's id is typed; an existing owner keeps its id.
    if (DM->AQ_Man->state() != data::DataSetState::Insert)
        return;
    const QString id = DBE_OwnerId->text().trimmed();
    if (id.isEmpty() || !ownerIdInUse(id))
        return;
    ui::Msg::warning(kIdInUse);
    DBE_OwnerId->setFocus();
    DBE_OwnerId->setText(QString());
}

bool TfrmMan::ownerIdInUse(const QString& id)
{
    AQ_TempMan->reopen(QStringLiteral("select * from Owner where OwnerId=:OwnerId"), {{QStringLiteral("OwnerId"), id}});
    const bool found = !AQ_TempMan->isEmpty();
    AQ_TempMan->close();
    return found;
}

void TfrmMan::TB_ModiClick()
{
    if (!hasOwner() || DM->AQ_Man->state() == data::DataSetState::Insert)
        return;
    ModeFlag() = QStringLiteral("M");
    setOwnerEditsEnabled(true);
    DBE_OwnerId->setEnabled(false);  // an owner's id is never changed
    setMoveInEnabled(false);
    TB_Modi->setEnabled(false);
    TB_Save->setEnabled(true);
    TB_Cancel->setEnabled(true);
}

void TfrmMan::ownerBeforePost()
{
    m_placing = false;
    if (DM->AQ_Man->state() == data::DataSetState::Insert) {
        if (!checkNewOwner())
            throw data::Abort();
        placeOwner();
        m_placing = true;
    } else {
        if (!checkChangedOwner())
            throw data::Abort();
        renameOwnerRooms();
    }
}

bool TfrmMan::checkNewOwner()
{
    const QString id = currentOwner("ownerId").trimmed();
    const QString name = currentOwner("ownerName").trimmed();
    const bool where = !m_regionId.isEmpty() && !m_buildId.isEmpty() && !DBLC_Reg->text().isEmpty()
                       && !DBLC_Build->text().isEmpty();
    if (id.isEmpty() || name.isEmpty() || !where || !locateChosenRoom()) {
        ui::Msg::warning(kAddMissing);
        return false;
    }
    if (ownerIdInUse(id)) {
        ui::Msg::warning(kIdInUse);
        DBE_OwnerId->setEnabled(true);
        DBE_OwnerId->setFocus();
        DBE_OwnerId->setText(QString());
        return false;
    }
    return true;
}

bool TfrmMan::checkChangedOwner()
{
    const bool where = !m_regionId.isEmpty() && !m_buildId.isEmpty() && !DBLC_Reg->text().isEmpty()
                       && !DBLC_Build->text().isEmpty();
    if (currentOwner("ownerId").trimmed().isEmpty() || currentOwner("ownerName").trimmed().isEmpty() || !where) {
        ui::Msg::warning(kModiMissing);
        return false;
    }
    return true;
}

void TfrmMan::TB_SaveClick()
{
    ui::quietly([&] {
        data::Query* q = DM->AQ_Man;
        if (q->isEditing())
            q->post();
        else if (ModeFlag() != QStringLiteral("M"))
            return;
        ModeFlag() = QStringLiteral("N");
        setOwnerEditsEnabled(false);
        setMoveInEnabled(true);
        TB_Add->setEnabled(true);
        q->requery();
    });
}

void TfrmMan::TB_CancelClick()
{
    ModeFlag() = QStringLiteral("N");
    setOwnerEditsEnabled(false);
    setMoveInEnabled(true);
    TB_Cancel->setEnabled(false);
    DM->AQ_Man->cancel();
    TB_Add->setEnabled(true);
}

void TfrmMan::TB_DeleteClick()
{
    data::Query* q = DM->AQ_Man;
    ModeFlag() = QStringLiteral("N");
    if (!hasOwner())
        return;
    if (q->state() == data::DataSetState::Insert) {
        // Only the new owner goes; no room is touched.
        q->cancel();
        setOwnerEditsEnabled(false);
        TB_Add->setEnabled(true);
        return;
    }
    if (!ui::Msg::confirm(kDeleteOwner))
        return;
    if (q->isEditing())
        q->discardEdits();
    const QString id = storedOwner("ownerId");
    m_holdFollow = true;
    try {
        data::Transaction tx(*DM->connection());
        if (!id.trimmed().isEmpty()) {
            freeOwnerRooms(id);
            occupancy::removeBuildingItems(*DM->connection(), m_regionId, m_buildId, id);
        }
        q->remove();
        tx.commit();
    } catch (...) {
        m_holdFollow = false;
        throw;
    }
    m_holdFollow = false;
    setOwnerEditsEnabled(false);
    refreshVacantRooms();
    followOwner();
}

void TfrmMan::TB_FirstClick()
{
    if (DM->AQ_Man->isActive())
        ui::quietly([&] {
            DM->AQ_Man->first();
            ModeFlag() = QStringLiteral("N");
        });
}

void TfrmMan::TB_PrevClick()
{
    if (DM->AQ_Man->isActive())
        ui::quietly([&] {
            DM->AQ_Man->prior();
            ModeFlag() = QStringLiteral("N");
        });
}

void TfrmMan::TB_NextClick()
{
    if (DM->AQ_Man->isActive())
        ui::quietly([&] {
            DM->AQ_Man->next();
            ModeFlag() = QStringLiteral("N");
        });
}

void TfrmMan::TB_LastClick()
{
    if (DM->AQ_Man->isActive())
        ui::quietly([&] {
            DM->AQ_Man->last();
            ModeFlag() = QStringLiteral("N");
        });
}

// Refresh, Find and Print leave an owner being modified in modify mode.
void TfrmMan::TB_RefreshClick()
{
    if (ModeFlag() != QStringLiteral("M"))
        ModeFlag() = QStringLiteral("N");
}

void TfrmMan::TB_FindClick()
{
    ui::openChildForm(frmFind, this);
    if (ModeFlag() != QStringLiteral("M"))
        ModeFlag() = QStringLiteral("N");
}

void TfrmMan::TB_PrintClick()
{
    if (ModeFlag() != QStringLiteral("M"))
        ModeFlag() = QStringLiteral("N");
    if (hasOwner() && sheetPrinter())
        sheetPrinter()(*this);
}

void TfrmMan::TB_CloseClick()
{
    DM->AQ_Man->close();
    DM->DS_Man->setEnabled(false);
    close();
}
