#include "fees/XMSet.h"

#include "fees/ChargeLookups.h"
#include "fees/Cpsc.h"
#include "platform/data/TrimmedText.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ColumnWidth.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

TfrmXMSet* frmXMSet = nullptr;

namespace {

// The room on a row of the building's room list; none when a part of its
// key is missing (such a room cannot be told apart from others).
std::optional<fees::AssignableRoom> roomAt(const data::DataSet& rooms, int row)
{
    auto value = [&](const char* field) { return rooms.valueAt(row, rooms.fieldByName(QString::fromLatin1(field))->index()); };
    const QVariant key[] = {value("RegionID"), value("BuildId"), value("UnitName"),
                            value("RoomNum"),  value("UserId"),  value("Users")};
    for (const QVariant& v : key)
        if (v.isNull())
            return std::nullopt;
    fees::AssignableRoom r;
    r.key = {key[0].toString(), key[1].toString(), key[2].toString(),
             key[3].toString(), key[4].toString(), key[5].toString()};
    r.floorArea = value("JZm");
    return r;
}

// The item on the current row of a dataset; none when it has no row or the
// code or name is missing.
std::optional<fees::ItemKey> currentItem(const data::DataSet& ds)
{
    if (!ds.isActive() || ds.isEmpty())
        return std::nullopt;
    const QVariant id = ds.fieldValue(QStringLiteral("FeeId"));
    const QVariant name = ds.fieldValue(QStringLiteral("FeeName"));
    if (id.isNull() || name.isNull())
        return std::nullopt;
    return fees::ItemKey{id.toString(), name.toString()};
}

// The hourglass while a long operation runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setEnabled(false);
    return b;
}

}  // namespace

TfrmXMSet::TfrmXMSet(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmXMSet"));
    setFormKey(QStringLiteral("XMSet"));
    setWindowTitle(QStringLiteral("项目设置"));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto tool = [&](ui::ToolButton*& b, const char* name, const QString& caption, void (TfrmXMSet::*h)()) {
        ui::addToolButton(bar, b, name, caption, this, h);
        b->setEnabled(false);
    };
    tool(TB_Cancel, "TB_Cancel", QStringLiteral("取消"), &TfrmXMSet::TB_CancelClick);
    tool(TB_Save, "TB_Save", QStringLiteral("保存"), &TfrmXMSet::TB_SaveClick);
    bar->addSeparator();
    tool(TB_Close, "TB_Close", QStringLiteral("离开"), &TfrmXMSet::TB_CloseClick);
    TB_Close->setEnabled(true);

    DBLC_Reg = fees::newLookup(this, QStringLiteral("DBLC_Reg"), DM->DS_Regs, QStringLiteral("RegionId"),
                               QStringLiteral("RegionName"));
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RegCloseUp(); });

    DBLC_Build = fees::newLookup(this, QStringLiteral("DBLC_Build"), DM->DS_Bud, QStringLiteral("BuildId"),
                                 QStringLiteral("BuildName"));
    ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_BuildCloseUp(); });

    CheckBox = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this);
    CheckBox->setEnabled(false);
    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });

    DBG_Room = new ui::DBGrid(DM->DS_Rooms, this);
    DBG_Room->setObjectName(QStringLiteral("DBG_Room"));
    DBG_Room->setColumns({{QStringLiteral("UnitName"), QStringLiteral("单元"), 36},
                          {QStringLiteral("RoomNum"), QStringLiteral("房间"), 44},
                          {QStringLiteral("Users"), QStringLiteral("业主姓名"), 60},
                          {QStringLiteral("JZm"), QStringLiteral("面积"), 44},
                          {QStringLiteral("UserId"), QStringLiteral("用户ID"), 0, false}});
    DBG_Room->setRowSelect(true);
    DBG_Room->setReadOnly(true);
    DBG_Room->setEnabled(false);
    ui::connectHandler(DBG_Room, &ui::DBGrid::entered, this, [this] { DBG_RoomCellClick(); });
    ui::connectHandler(DBG_Room, &ui::DBGrid::cellClicked, this, [this] { DBG_RoomCellClick(); });
    ui::connectHandler(DBG_Room, &ui::DBGrid::columnEntered, this, [this] { DBG_RoomCellClick(); });

    DBG_Fee = new ui::DBGrid(DM->DS_FeeType1, this);
    DBG_Fee->setObjectName(QStringLiteral("DBG_Fee"));
    DBG_Fee->setColumns({{QStringLiteral("FeeId"), QStringLiteral("编号"), 36},
                         {QStringLiteral("FeeName"), QStringLiteral("费用名称"), 80}});
    DBG_Fee->setRowSelect(true);
    DBG_Fee->setReadOnly(true);
    ui::connectHandler(DBG_Fee, &ui::DBGrid::entered, this, [this] { DBG_FeeCellClick(); });
    ui::connectHandler(DBG_Fee, &ui::DBGrid::cellClicked, this, [this] { DBG_FeeCellClick(); });

    DBG_FeeSet = new ui::DBGrid(DM->DS_FeeSet, this);
    DBG_FeeSet->setObjectName(QStringLiteral("DBG_FeeSet"));
    // The validity mark has no behaviour; it can be typed in the grid.
    DBG_FeeSet->setColumns({{QStringLiteral("FeeId"), QStringLiteral("编号"), 36, true, true},
                            {QStringLiteral("FeeName"), QStringLiteral("计费项目名称"), 80, true, true},
                            {QStringLiteral("Flag"), QStringLiteral("有效性"), 44}});
    // The item lists show their columns whole, the window widening for them.
    for (ui::DBGrid* items : {DBG_Fee, DBG_FeeSet})
        items->setMinimumWidth(ui::columnsWidth(*items));
    ui::connectHandler(DBG_FeeSet, &ui::DBGrid::entered, this, [this] { DBG_FeeSetCellClick(); });
    ui::connectHandler(DBG_FeeSet, &ui::DBGrid::cellClicked, this, [this] { DBG_FeeSetCellClick(); });

    SB_Add = new ui::SpeedButton(QStringLiteral("添加"), this);
    SB_Add->setObjectName(QStringLiteral("SB_Add"));
    SB_Add->setEnabled(false);
    ui::connectHandler(SB_Add, &QPushButton::clicked, this, [this] { SB_AddClick(); });
    SB_Delete = new ui::SpeedButton(QStringLiteral(" 删除"), this);
    SB_Delete->setObjectName(QStringLiteral("SB_Delete"));
    SB_Delete->setEnabled(false);
    ui::connectHandler(SB_Delete, &QPushButton::clicked, this, [this] { SB_DeleteClick(); });

    B_CZ = button(this, "B_CZ", QStringLiteral("参照"));
    B_CA = button(this, "B_CA", QStringLiteral("全选"));
    B_CP = button(this, "B_CP", QStringLiteral("成批复制"));
    B_CD = button(this, "B_CD", QStringLiteral("成批删除"));
    ui::connectHandler(B_CZ, &QPushButton::clicked, this, [this] { B_CZClick(); });
    ui::connectHandler(B_CA, &QPushButton::clicked, this, [this] { B_CAClick(); });
    ui::connectHandler(B_CP, &QPushButton::clicked, this, [this] { B_CPClick(); });
    ui::connectHandler(B_CD, &QPushButton::clicked, this, [this] { B_CDClick(); });

    buildLayout(bar);
}

QWidget* TfrmXMSet::meterPanel()
{
    auto* panel = new QGroupBox(this);
    auto* g = new QGridLayout(panel);
    auto edit = [&](ui::DBEdit*& e, const char* field, int maxLength) {
        e = new ui::DBEdit(DM->DS_FeeSet, QString::fromLatin1(field), panel);
        e->setObjectName(QStringLiteral("DBE_") + QString::fromLatin1(field));
        e->setMaxLength(maxLength);
        e->setEnabled(false);
        return e;
    };
    const std::pair<ui::DBEdit**, ui::DBEdit**> meters[] = {
        {&DBE_BNum1, &DBE_BDS1}, {&DBE_BNum2, &DBE_BDS2}, {&DBE_BNum3, &DBE_BDS3}};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(new QLabel(QStringLiteral("表%1号：").arg(i + 1), panel), i, 0, Qt::AlignRight);
        g->addWidget(edit(*meters[i].first, QStringLiteral("BNum%1").arg(i + 1).toLatin1().constData(), 8), i, 1);
        g->addWidget(new QLabel(QStringLiteral("底数："), panel), i, 2, Qt::AlignRight);
        g->addWidget(edit(*meters[i].second, QStringLiteral("BDS%1").arg(i + 1).toLatin1().constData(), 6), i, 3);
    }
    g->addWidget(new QLabel(QStringLiteral("定额用量："), panel), 3, 0, Qt::AlignRight);
    g->addWidget(edit(DBE_DL, "DL", 3), 3, 1);
    P_fjl = new QLabel(QStringLiteral("非计量类"), panel);
    P_fjl->setObjectName(QStringLiteral("P_fjl"));
    QPalette red = P_fjl->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    P_fjl->setPalette(red);
    P_fjl->setFrameShape(QFrame::Panel);
    P_fjl->setAlignment(Qt::AlignCenter);
    P_fjl->hide();
    g->addWidget(P_fjl, 3, 2, 1, 2);
    return panel;
}

void TfrmXMSet::buildLayout(QToolBar* bar)
{
    auto* choose = new QHBoxLayout;
    choose->addWidget(new QLabel(QStringLiteral("小区："), this));
    choose->addWidget(DBLC_Reg, 1);
    choose->addWidget(new QLabel(QStringLiteral("楼宇："), this));
    choose->addWidget(DBLC_Build, 1);
    choose->addWidget(CheckBox);

    auto titled = [this](const QString& title, QWidget* w) {
        auto* box = new QGroupBox(title, this);
        auto* l = new QVBoxLayout(box);
        l->setContentsMargins(2, 2, 2, 2);
        l->addWidget(w);
        return box;
    };
    auto* between = new QWidget(this);
    between->setFixedWidth(44);
    auto* addRemove = new QVBoxLayout(between);
    addRemove->setContentsMargins(0, 0, 0, 0);
    addRemove->addStretch(1);
    addRemove->addWidget(SB_Add);
    addRemove->addWidget(SB_Delete);
    addRemove->addStretch(1);
    auto* items = new QHBoxLayout;
    items->addWidget(titled(QStringLiteral("可供选择项目"), DBG_Fee), 1);
    items->addWidget(between);
    items->addWidget(titled(QStringLiteral("现有计费项目"), DBG_FeeSet), 1);

    auto* right = new QVBoxLayout;
    right->addLayout(items, 1);
    right->addWidget(meterPanel());
    auto* middle = new QHBoxLayout;
    DBG_Room->setMinimumWidth(226);
    middle->addWidget(DBG_Room);
    middle->addLayout(right, 1);

    auto* batch = new QHBoxLayout;
    batch->addStretch(1);
    for (QPushButton* b : {B_CZ, B_CA, B_CP, B_CD})
        batch->addWidget(b);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(bar);
    root->addLayout(choose);
    root->addLayout(middle, 1);
    root->addLayout(batch);
}

// --- creation and closing ------------------------------------------------------

void TfrmXMSet::formCreate()
{
    lists::reopenDistricts();
    DM->DS_FeeType1->setEnabled(false);
    DM->AT_FeeType1->close();
    DM->AT_FeeType1->open();
    DM->DS_FeeType1->setEnabled(true);
    DM->DS_Rooms->setEnabled(false);
    // No room is chosen yet: an item list left from an earlier opening goes.
    DM->AQ_FeeSet->close();
    DM->DS_FeeSet->setEnabled(true);
    if (session::browseOnly()) {
        CheckBox->setVisible(false);
        CheckBox->setEnabled(false);
        ui::setBoundControlsReadOnly(this, true);
    }
    setFormSize(568, 508);
    centerOnScreen();
}

void TfrmXMSet::formClose(ui::CloseAction& action)
{
    if (DM->AQ_FeeSet->isEditing())
        DM->AQ_FeeSet->discardEdits();
    session::clearModuleKey();
    action = ui::CloseAction::Free;
}

// --- helpers -------------------------------------------------------------------

bool TfrmXMSet::mayChange() const
{
    return CheckBox->isChecked() && !session::browseOnly();
}

void TfrmXMSet::setMeterEditsEnabled(bool on)
{
    for (ui::DBEdit* e : {DBE_BNum1, DBE_BNum2, DBE_BNum3, DBE_BDS1, DBE_BDS2, DBE_BDS3, DBE_DL})
        e->setEnabled(on);
}

void TfrmXMSet::forgetRoom()
{
    m_room.reset();
    m_roomItem.reset();
    m_sample.reset();
    SampleState = QStringLiteral("A");
    for (QWidget* w : {static_cast<QWidget*>(B_CZ), static_cast<QWidget*>(B_CA), static_cast<QWidget*>(B_CP),
                       static_cast<QWidget*>(B_CD), static_cast<QWidget*>(SB_Delete)})
        w->setEnabled(false);
    setMeterEditsEnabled(false);
    P_fjl->hide();
    DM->DS_FeeSet->setEnabled(false);
    DM->AQ_FeeSet->close();
    DM->DS_FeeSet->setEnabled(true);
}

std::vector<fees::AssignableRoom> TfrmXMSet::buildingRooms() const
{
    std::vector<fees::AssignableRoom> rooms;
    const data::DataSet& list = *DM->AQ_Rooms;
    if (!list.isActive())
        return rooms;
    for (int row = 0; row < list.recordCount(); ++row)
        if (auto r = roomAt(list, row))
            rooms.push_back(*r);
    return rooms;
}

void TfrmXMSet::showRoomItems()
{
    if (!m_room)
        return;
    const fees::RoomKey& k = m_room->key;
    DM->DS_FeeSet->setEnabled(false);
    DM->AQ_FeeSet->reopen(QStringLiteral("select * from FeeSet where RegionId=:RegionId and buildId=:buildId and "
                                         "UnitName=:UnitName and RoomNum=:RoomNum and OwnerID=:OwnerID and "
                                         "OwnerName=:OwnerName "),
                          {{QStringLiteral("RegionId"), k.regionId},
                           {QStringLiteral("buildId"), k.buildId},
                           {QStringLiteral("UnitName"), k.unitName},
                           {QStringLiteral("RoomNum"), k.roomNum},
                           {QStringLiteral("OwnerID"), k.ownerId},
                           {QStringLiteral("OwnerName"), k.ownerName}});
    DM->DS_FeeSet->setEnabled(true);
    DBG_FeeSet->setEnabled(true);
}

// --- choosing ------------------------------------------------------------------

void TfrmXMSet::DBLC_RegCloseUp()
{
    const QVariant key = DBLC_Reg->keyValue();
    if (key.isNull())
        return;
    m_regionId = key.toString();
    // A building of another district can no longer be the one chosen.
    m_buildId.clear();
    DBLC_Build->setKeyValue(QVariant());
    DM->DS_Rooms->setEnabled(false);
    DBG_Room->setEnabled(false);
    forgetRoom();
    lists::loadBuildings(m_regionId);
}

void TfrmXMSet::DBLC_BuildCloseUp()
{
    DM->DS_Rooms->setEnabled(false);
    forgetRoom();
    const QVariant key = DBLC_Build->keyValue();
    if (m_regionId.isEmpty() || key.isNull())
        return;
    m_buildId = key.toString();
    lists::loadOccupiedRooms(DM->AQ_Rooms, DM->DS_Rooms, m_regionId, m_buildId, DBLC_Build->text());
    if (!session::browseOnly())
        CheckBox->setEnabled(true);
    DBG_Room->setEnabled(true);
}

void TfrmXMSet::DBG_RoomCellClick()
{
    if (!DM->AQ_Rooms->isActive() || DM->AQ_Rooms->isEmpty())
        return;
    // The room's own items are listed, and a sample must be chosen again.
    forgetRoom();
    m_room = roomAt(*DM->AQ_Rooms, DM->AQ_Rooms->recNo() - 1);
    if (!session::browseOnly()) {
        B_CZ->setEnabled(true);
        B_CD->setEnabled(true);
    }
    showRoomItems();
}

void TfrmXMSet::DBG_FeeCellClick()
{
    m_item = currentItem(*DM->AT_FeeType1);
    SB_Add->setEnabled(mayChange() && m_item.has_value());
}

void TfrmXMSet::DBG_FeeSetCellClick()
{
    m_roomItem = currentItem(*DM->AQ_FeeSet);
    const bool on = mayChange() && m_roomItem.has_value();
    SB_Delete->setEnabled(on);
    setMeterEditsEnabled(on);
    bool nonMetered = false;
    if (m_roomItem) {
        const QVariant kind = DM->connection()->scalar(QStringLiteral("select JLFlag from feetype1 where FeeName=?"),
                                                       {m_roomItem->feeName});
        nonMetered = data::trimmedEquals(kind.toString(), QStringLiteral("F"));
    }
    P_fjl->setVisible(nonMetered);
}

// --- assignments ---------------------------------------------------------------

void TfrmXMSet::SB_AddClick()
{
    SB_Add->setEnabled(false);
    if (!mayChange() || !m_room || !m_item)
        return;
    fees::assignItem(*DM->connection(), *m_room, *m_item);
    showRoomItems();
}

void TfrmXMSet::SB_DeleteClick()
{
    SB_Delete->setEnabled(false);
    if (!mayChange() || !m_room || !m_roomItem)
        return;
    if (DM->AQ_FeeSet->isEditing())
        DM->AQ_FeeSet->discardEdits();
    fees::removeItem(*DM->connection(), m_room->key, *m_roomItem);
    m_roomItem.reset();
    setMeterEditsEnabled(false);
    P_fjl->hide();
    showRoomItems();
}

void TfrmXMSet::TB_SaveClick()
{
    if (DM->AQ_FeeSet->isEditing())
        DM->AQ_FeeSet->post();
    setMeterEditsEnabled(false);
    SB_Add->setEnabled(false);
}

void TfrmXMSet::TB_CancelClick()
{
    setMeterEditsEnabled(false);
    DM->AQ_FeeSet->cancel();
}

void TfrmXMSet::CheckBoxClick()
{
    if (CheckBox->isChecked())
        return;  // the buttons follow the next click in a list
    setMeterEditsEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(B_CA), static_cast<QWidget*>(B_CD), static_cast<QWidget*>(B_CP),
                       static_cast<QWidget*>(B_CZ), static_cast<QWidget*>(SB_Add), static_cast<QWidget*>(SB_Delete)})
        w->setEnabled(false);
}

// --- copying from a sample -----------------------------------------------------

void TfrmXMSet::B_CZClick()
{
    if (m_room && !m_regionId.isEmpty() && !m_buildId.isEmpty() && !session::browseOnly()) {
        ui::Msg::information(QStringLiteral("你已选择了样本，请在点击全选后进行成批复制。"));
        SampleState = QStringLiteral("C");
        m_sample = m_room;
        B_CZ->setEnabled(false);
        B_CA->setEnabled(true);
    } else {
        SampleState = QStringLiteral("A");
    }
}

void TfrmXMSet::B_CAClick()
{
    B_CA->setEnabled(false);
    B_CP->setEnabled(true);
}

void TfrmXMSet::B_CPClick()
{
    B_CP->setEnabled(false);
    if (session::browseOnly())
        return;
    const std::optional<fees::ItemKey> current = currentItem(*DM->AQ_FeeSet);
    if (SampleState != QStringLiteral("C") || !m_sample) {
        ui::Msg::information(QStringLiteral("请先选择一个样本"));
        return;
    }
    SampleState = QStringLiteral("A");
    const ui::Choice answer =
        ui::Msg::question(QStringLiteral("[是]-复制所有项目，\r[否]-仅复制当前项。\r 数据复制需要几分钟，请稍候。"));
    if (answer == ui::Choice::Cancel)
        return;
    std::vector<fees::ItemKey> items;
    if (answer == ui::Choice::Yes)
        items = fees::itemsOf(*DM->connection(), m_sample->key);
    else if (current)
        items.push_back(*current);
    else
        return;  // the sample has no current item: there is nothing to copy
    {
        WaitCursor wait;
        fees::copyItems(*DM->connection(), buildingRooms(), items);
    }
    showRoomItems();
    ui::Msg::information(QStringLiteral("成功！"));
}

void TfrmXMSet::B_CDClick()
{
    B_CD->setEnabled(false);
    ui::openChildForm(frmCpsc, nullptr, [this](TfrmCpsc& dialog) {
        ui::connectHandler(&dialog, &TfrmCpsc::itemRemoved, this, &TfrmXMSet::showRoomItems);
    });
    frmCpsc->setBuilding(m_regionId, m_buildId, DBLC_Build->text());
}

void TfrmXMSet::TB_CloseClick()
{
    close();
}
