// The owner window's page "家庭成员": the household members of the current
// owner. Only an owner who lives in a room can have members added.

#include "property/Man.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "property/ManInternal.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>

namespace {

const QString kMemberIdInUse = QStringLiteral("该成员编号已存在！重新输入。");
const QString kMemberMissing =
    QStringLiteral("错误原因可能是以下各项：\r\n   业主编号为空\r\n   成员编号为空\r\n   成员姓名为空\r请核对各项！");
const QString kDeleteMember = QStringLiteral("确实要删除该条记录吗？");

QString text(data::DataSet* d, const char* field)
{
    return d->fieldByName(QString::fromLatin1(field))->asString().trimmed();
}

}  // namespace

void TfrmMan::setMemberEditsEnabled(bool on)
{
    for (QWidget* w : m_memberEdits)
        w->setEnabled(on);
}

void TfrmMan::setMemberButtonsEnabled(bool on)
{
    for (ui::SpeedButton* b : {SB_Add, SB_Modi, SB_Delete, SB_Save, SB_Cancel})
        b->setEnabled(on);
}

bool TfrmMan::ownerHasRoom() const
{
    for (const char* f : {"ownerId", "ownerName", "UnitName", "RoomNum"})
        if (storedOwner(f).trimmed().isEmpty())
            return false;
    return true;
}

void TfrmMan::TS_memberShow()
{
    if (CheckBox->isChecked() && session::level() != 2) {
        const bool open = ownerHasRoom();
        setMemberEditsEnabled(open);
        setMemberButtonsEnabled(open);
    }
    DBE_MOwnerId->setText(storedOwner("ownerId"));
}

void TfrmMan::SB_AddClick()
{
    if (!CheckBox->isChecked() || session::level() == 2 || !ownerHasRoom() || !DM->DS_Member->enabled())
        return;
    data::Table* m = DM->AT_Member;
    ui::quietly([&] {
        m->checkBrowseMode();
        m->disableControls();
        try {
            m->last();
            m->insert();
            m->fieldByName(QStringLiteral("OwnerId"))->setAsString(storedOwner("ownerId"));
        } catch (...) {
            m->enableControls();
            throw;
        }
        m->enableControls();
        setMemberEditsEnabled(true);
        SB_Save->setEnabled(true);
        SB_Delete->setEnabled(true);
        SB_Cancel->setEnabled(true);
        SB_Add->setEnabled(false);
        SB_Modi->setEnabled(false);
        DBE_MemberId->setFocus();
    });
}

void TfrmMan::SB_ModiClick()
{
    setMemberEditsEnabled(true);
    SB_Modi->setEnabled(false);
}

void TfrmMan::DBE_MemberIdExit()
{
    data::Table* m = DM->AT_Member;
    if (!m->isEditing())
        return;
    const QString id = DBE_MemberId->text().trimmed();
    if (id.isEmpty() || !memberIdInUse(id, text(m, "OwnerId")))
        return;
    ui::Msg::warning(kMemberIdInUse);
    DBE_MemberId->setFocus();
    DBE_MemberId->setText(QString());
}

// Another member of the same owner with this id; the member being edited
// does not count.
bool TfrmMan::memberIdInUse(const QString& memberId, const QString& ownerId)
{
    data::Table* m = DM->AT_Member;
    const qint64 self = m->state() == data::DataSetState::Insert ? 0 : m->rowId();
    AQ_TempMan->reopen(QStringLiteral("select * from Member where MemberId=:MemberId and OwnerID=:OwnerID and rid<>:self"),
                       {{QStringLiteral("MemberId"), memberId},
                        {QStringLiteral("OwnerID"), ownerId},
                        {QStringLiteral("self"), self}});
    const bool found = !AQ_TempMan->isEmpty();
    AQ_TempMan->close();
    return found;
}

// Every path that posts a member (Save, a move in the member grid, another
// owner) runs these checks.
void TfrmMan::memberBeforePost()
{
    data::Table* m = DM->AT_Member;
    const QString owner = text(m, "OwnerId");
    const QString id = text(m, "memberID");
    if (owner.isEmpty() || id.isEmpty() || text(m, "mbName").isEmpty()) {
        ui::Msg::warning(kMemberMissing);
        throw data::Abort();
    }
    if (memberIdInUse(id, owner)) {
        ui::Msg::warning(kMemberIdInUse);
        DBE_MemberId->setEnabled(true);
        DBE_MemberId->setFocus();
        DBE_MemberId->setText(QString());
        throw data::Abort();
    }
}

void TfrmMan::SB_SaveClick()
{
    ui::quietly([&] {
        if (DM->AT_Member->isEditing())
            DM->AT_Member->post();
        setMemberEditsEnabled(false);
        SB_Add->setEnabled(session::level() != 2);
    });
}

void TfrmMan::SB_CancelClick()
{
    setMemberEditsEnabled(false);
    for (ui::SpeedButton* b : {SB_Add, SB_Delete, SB_Modi})
        b->setEnabled(true);
    SB_Save->setEnabled(false);
    SB_Cancel->setEnabled(false);
    DM->AT_Member->cancel();
}

void TfrmMan::SB_DeleteClick()
{
    data::Table* m = DM->AT_Member;
    setMemberEditsEnabled(false);
    if (m->state() == data::DataSetState::Insert) {
        m->cancel();
        return;
    }
    if (!m->isActive() || m->isEmpty() || !DM->DS_Member->enabled())
        return;
    if (!ui::Msg::confirm(kDeleteMember))
        return;
    m->discardEdits();
    m->remove();
}

void TfrmMan::DBGrid2ColEnter()
{
    if (DM->AT_Member->isEditing())
        DM->AT_Member->discardEdits();
    setMemberEditsEnabled(false);
    if (CheckBox->isChecked()) {
        SB_Modi->setEnabled(true);
        SB_Delete->setEnabled(true);
    }
}
