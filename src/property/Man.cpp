// The owner window: creation and closing, the district and building choices,
// and the edit switch.

#include "property/Man.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "property/ManInternal.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmMan* frmMan = nullptr;

namespace {

const QString kNoBuilding = QStringLiteral("楼宇不能为空！");
const QString kNoUnits = QStringLiteral("该栋楼宇尚未建立房间信息，请先添加房间信息");

}  // namespace

QString& TfrmMan::ModeFlag()
{
    static QString flag;
    return flag;
}

TfrmMan::TfrmMan(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setFormKey(QStringLiteral("Man"));
    setWindowTitle(QStringLiteral("业主信息"));

    auto query = [this](data::Query*& q, const char* name) {
        q = new data::Query(DM->connection(), this);
        q->setObjectName(QString::fromLatin1(name));
    };
    query(AQ_TempMan, "AQ_TempMan");
    query(AQ_TUnit, "AQ_TUnit");
    query(AQ_TRoom, "AQ_TRoom");
    DS_TUnits = new data::DataSource(AQ_TUnit, this);
    DS_TUnits->setObjectName(QStringLiteral("DS_TUnits"));
    DS_TRoom = new data::DataSource(AQ_TRoom, this);
    DS_TRoom->setObjectName(QStringLiteral("DS_TRoom"));
    for (data::DataSource* s : {DS_TUnits, DS_TRoom}) {
        s->setEnabled(false);
        s->setAutoEdit(false);
    }
    AC_Update = new data::Command(DM->connection(), this);
    AC_Update->setObjectName(QStringLiteral("AC_Update"));
    AC_Update->setSql(QStringLiteral("update Rooms  set UState=:UState , inDate=:inDate,UserID=null,Users=null  "
                                     "where RegionID=:RegionID and BuildID=:BuildID and BuildName=:BuildName and  "
                                     "UserID=:UserId"));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    buildToolBar(root);

    CheckBox = ui::newEditSwitch(QStringLiteral(" 进入编辑状态"), this);
    CheckBox->setFont(QFont(QStringLiteral("楷体_GB2312"), 11, QFont::Bold));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::South);
    TS_Owner = buildOwnerPage();
    TS_member = buildMemberPage();
    TS_Pic = buildPicturePage();
    PageControl1->addTab(TS_Owner, QStringLiteral("业主资料"));
    PageControl1->addTab(TS_member, QStringLiteral("家庭成员"));
    PageControl1->addTab(TS_Pic, QStringLiteral("图片"));

    auto* right = new QWidget(this);
    right->setObjectName(QStringLiteral("Panel2"));
    auto* rl = new QVBoxLayout(right);
    rl->setContentsMargins(0, 0, 0, 0);
    rl->addWidget(CheckBox, 0, Qt::AlignRight);
    rl->addWidget(PageControl1, 1);
    rl->addStretch(0);

    auto* body = new QHBoxLayout;
    body->addWidget(buildLeftPanel());
    body->addWidget(right, 1);
    root->addLayout(body, 1);

    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
    DBLC_Reg->installEventFilter(this);
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RegCloseUp(); });
    ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_BuildCloseUp(); });
    ui::connectHandler(DBLC_UnitNum, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_UnitNumCloseUp(); });
    ui::connectHandler(DBLC_RoomNum, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RoomNumCloseUp(); });
    ui::connectHandler(DBLC_UnitNum1, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_UnitNum1CloseUp(); });
    ui::connectHandler(DBLC_RoomNum1, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RoomNum1CloseUp(); });
    ui::connectHandler(BB_Out, &QPushButton::clicked, this, [this] { BB_OutClick(); });
    ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1CellClick(); });
    ui::connectHandler(DBGrid2, &ui::DBGrid::columnEntered, this, [this] { DBGrid2ColEnter(); });
    ui::connectHandler(PageControl1, &QTabWidget::currentChanged, this, [this](int i) {
        if (PageControl1->widget(i) == TS_member)
            TS_memberShow();
    });
    ui::connectHandler(SB_Add, &QPushButton::clicked, this, [this] { SB_AddClick(); });
    ui::connectHandler(SB_Delete, &QPushButton::clicked, this, [this] { SB_DeleteClick(); });
    ui::connectHandler(SB_Modi, &QPushButton::clicked, this, [this] { SB_ModiClick(); });
    ui::connectHandler(SB_Cancel, &QPushButton::clicked, this, [this] { SB_CancelClick(); });
    ui::connectHandler(SB_Save, &QPushButton::clicked, this, [this] { SB_SaveClick(); });
    ui::connectHandler(SB_ImgIn, &QPushButton::clicked, this, [this] { SB_ImgInClick(); });
    ui::connectHandler(SB_ImgOut, &QPushButton::clicked, this, [this] { SB_ImgOutClick(); });
    // The move-out lists, the picture and the member page follow the owner
    // row, however the row was reached.
    connect(DM->DS_Man, &data::DataSource::dataChanged, this, [this](data::Field* f) {
        if (!f)
            followOwner();
    });
    // Only a new owner's id can be typed: once the new owner is saved or
    // dropped, by whatever path, the id edit closes.
    connect(DM->DS_Man, &data::DataSource::stateChanged, this, [this] {
        if (DM->AQ_Man->state() != data::DataSetState::Insert)
            DBE_OwnerId->setEnabled(false);
    });
}

TfrmMan::~TfrmMan()
{
    removeChecks();
}

// --- creation and closing ----------------------------------------------------

void TfrmMan::formCreate()
{
    // A new window shows no owners until a building is chosen.
    DM->DS_Man->setEnabled(false);
    DM->DS_Member->setEnabled(false);
    DM->AQ_Man->close();
    for (data::DataSource* s : {DM->DS_Unites, DM->DS_Rooms})
        s->setEnabled(false);
    if (session::level() == 2) {
        CheckBox->setVisible(false);
        CheckBox->setEnabled(false);
        for (ui::ToolButton* b : {TB_Save, TB_Add, TB_Modi, TB_Delete, TB_Cancel})
            b->setEnabled(false);
        // A browse-only user changes nothing by any path; choosing what to
        // look at stays open.
        ui::setBoundControlsReadOnly(this, true);
        DBLC_Reg->setReadOnly(false);
        DBLC_Build->setReadOnly(false);
    } else {
        CheckBox->setVisible(true);
        CheckBox->setEnabled(false);
    }
    setNavigationEnabled(false);
    TB_Print->setEnabled(false);
    fillCodeLists();
    lists::reopenDistricts();
    DM->DS_Bud->setEnabled(false);
    installChecks();
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowState(sw->windowState() | Qt::WindowMaximized);
}

void TfrmMan::formClose(ui::CloseAction& action)
{
    // Whatever was typed and not saved goes with the window.
    for (data::DataSet* d : {static_cast<data::DataSet*>(DM->AQ_Man), static_cast<data::DataSet*>(DM->AT_Member)})
        if (d->isEditing())
            d->discardEdits();
    DM->AQ_Man->close();
    DM->DS_Man->setEnabled(false);
    action = ui::CloseAction::Free;
}

bool TfrmMan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBLC_Reg && event->type() == QEvent::MouseButtonPress && DBLC_Reg->isEnabled())
        DBLC_RegClick();
    return ui::Form::eventFilter(watched, event);
}

void TfrmMan::installChecks()
{
    data::Query* q = DM->AQ_Man;
    q->setPostInTransaction(true);
    q->beforePost = [this](data::DataSet&) { ownerBeforePost(); };
    q->afterPost = [this](data::DataSet&) {
        if (m_placing) {
            m_placing = false;
            refreshVacantRooms();
        }
    };
    DM->AT_Member->beforePost = [this](data::DataSet&) { memberBeforePost(); };
    ui::onExit(DBE_OwnerId, [this] { DBE_OwnerIdExit(); }, this);
    ui::onExit(DBE_MemberId, [this] { DBE_MemberIdExit(); }, this);
}

void TfrmMan::removeChecks()
{
    if (!DM)
        return;
    DM->AQ_Man->beforePost = nullptr;
    DM->AQ_Man->afterPost = nullptr;
    DM->AT_Member->beforePost = nullptr;
}

// --- small helpers -------------------------------------------------------------

QString TfrmMan::storedOwner(const char* field) const
{
    data::Query* q = DM->AQ_Man;
    if (!q->isActive() || !DM->DS_Man->enabled())
        return QString();
    return data::variantToText(q->fieldByName(QString::fromLatin1(field))->oldValue());
}

QString TfrmMan::currentOwner(const char* field) const
{
    data::Query* q = DM->AQ_Man;
    if (!q->isActive() || !DM->DS_Man->enabled())
        return QString();
    return q->fieldByName(QString::fromLatin1(field))->asString();
}

bool TfrmMan::hasOwner() const
{
    data::Query* q = DM->AQ_Man;
    return q->isActive() && DM->DS_Man->enabled() && (!q->isEmpty() || q->isEditing());
}

void TfrmMan::setOwnerEditsEnabled(bool on)
{
    for (QWidget* w : m_ownerEdits)
        w->setEnabled(on);
}

void TfrmMan::setMoveInEnabled(bool on)
{
    DBLC_UnitNum->setEnabled(on);
    DBLC_RoomNum->setEnabled(on);
}

void TfrmMan::setNavigationEnabled(bool on)
{
    for (ui::ToolButton* b : {TB_First, TB_Prev, TB_Next, TB_Last})
        b->setEnabled(on);
}

// Ends what the edit switch started: the switch goes off and whatever was
// typed and not saved is dropped.
void TfrmMan::endEditMode()
{
    for (data::DataSet* d : {static_cast<data::DataSet*>(DM->AQ_Man), static_cast<data::DataSet*>(DM->AT_Member)})
        if (d->isEditing())
            d->discardEdits();
    ModeFlag() = QStringLiteral("N");
    if (CheckBox->isChecked()) {
        CheckBox->setChecked(false);
        CheckBoxClick();
    }
}

// --- the district and the building ---------------------------------------------

void TfrmMan::DBLC_RegClick()
{
    endEditMode();
    CheckBox->setEnabled(false);
    TB_Print->setEnabled(false);
}

// The lists of the window (buildings, owners, units, rooms) come in the
// order their rows were entered, on every database.
void TfrmMan::DBLC_RegCloseUp()
{
    // Chosen from the keyboard too, the district ends the edit mode.
    DBLC_RegClick();
    m_regionId = man::keyText(DBLC_Reg->keyValue());
    // The building belongs to the district: it is chosen again.
    m_buildId.clear();
    DBLC_Build->setKeyValue(QVariant());
    resetMoveIn();
    openOwnerRooms();
    lists::loadBuildings(m_regionId);
    if (DM->AQ_Bud->isEmpty())
        setNavigationEnabled(false);
    TB_Print->setEnabled(false);
}

void TfrmMan::DBLC_BuildCloseUp()
{
    DM->DS_Man->setEnabled(false);
    DM->DS_Member->setEnabled(false);
    if (DBLC_Reg->text().isEmpty() || DBLC_Build->text().isEmpty()) {
        ui::Msg::information(kNoBuilding);
        TB_Print->setEnabled(false);
        return;
    }
    m_buildId = man::keyText(DBLC_Build->keyValue());
    resetMoveIn();
    lists::loadOwners(DBLC_Reg->text(), DBLC_Build->text());
    if (DM->AQ_Man->isEmpty())
        setNavigationEnabled(false);

    lists::loadUnits(m_regionId, m_buildId, DBLC_Build->text());
    if (DM->AQ_Units->isEmpty()) {
        ui::Msg::warning(kNoUnits);
        return;
    }
    DM->DS_Man->setEnabled(true);
    DM->DS_Member->setEnabled(true);
    if (session::level() != 2)
        CheckBox->setEnabled(true);
    DBGrid1->setEnabled(true);
    TB_Refresh->setEnabled(true);
    TB_Print->setEnabled(false);
}

// --- the edit switch and the owner list -----------------------------------------

void TfrmMan::CheckBoxClick()
{
    const bool on = CheckBox->isChecked() && session::level() != 2;
    if (!on) {
        setOwnerEditsEnabled(false);
        setMemberEditsEnabled(false);
        for (QWidget* b : std::initializer_list<QWidget*>{TB_Add, TB_Modi, TB_Delete, TB_Save, TB_Cancel, SB_Add,
                                                          SB_Modi, SB_Delete, SB_Save, SB_Cancel, SB_ImgIn,
                                                          SB_ImgOut, BB_Out})
            b->setEnabled(false);
        return;
    }
    for (QWidget* b : std::initializer_list<QWidget*>{TB_Add, TB_Modi, TB_Delete, SB_Add, SB_Modi, SB_Delete,
                                                      SB_ImgIn})
        b->setEnabled(true);
    SB_ImgOut->setEnabled(!importedPicture().isEmpty());
    if (PageControl1->currentWidget() == TS_member)
        TS_memberShow();
}

void TfrmMan::DBGrid1CellClick()
{
    if (DM->AT_Member->isEditing())
        DM->AT_Member->discardEdits();
    if (CheckBox->isChecked()) {
        TB_Modi->setEnabled(true);
        TB_Delete->setEnabled(true);
    }
    const bool named = !currentOwner("ownerId").isEmpty() && !currentOwner("ownerName").isEmpty();
    if (named) {
        DBE_MOwnerId->setText(storedOwner("ownerId"));
        showPicture(currentOwner("Pic"));
    }
    TB_Print->setEnabled(named);
    followOwner();
}
