#include "property/FCBuild.h"

#include "platform/data/Error.h"
#include "platform/data/TrimmedText.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/DialogHold.h"
#include "property/GeneratorDialog.h"
#include "property/LouCopy.h"
#include "property/Louyu.h"
#include "property/PropertyCopy.h"
#include "property/Region.h"
#include "property/RoomEdit.h"
#include "property/RoomGenerator.h"
#include "property/Units.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TfrmFCBuild* frmFCBuild = nullptr;

namespace {

const QString kDeleteTree = QStringLiteral("删除该记录与其关联的数据也将被删除！");

// The district drop-down: re-reads the districts each time it opens.
class RegionDropDown : public ui::DBLookupComboBox {
public:
    using ui::DBLookupComboBox::DBLookupComboBox;
    std::function<void()> onDropDown;
    void showPopup() override
    {
        if (onDropDown)
            ui::guarded(onDropDown);
        ui::DBLookupComboBox::showPopup();
    }
};

// A field of the current row as stored: rows derived from it (rooms of a
// unit, copies) must carry the very same key, blanks at either end included.
QString text(data::DataSet* ds, const char* field)
{
    if (!ds->isActive() || (ds->isEmpty() && !ds->isEditing()))
        return QString();
    return ds->fieldByName(QString::fromLatin1(field))->asString();
}

// Deletes the current row of a level of the tree; a delete the data module
// refused (it said why) changes nothing.
void removeRow(data::DataSet* ds)
{
    try {
        ds->remove();
    } catch (const data::Abort&) {
    }
}

bool present(data::DataSet* ds, const char* field)
{
    return !data::trimmed(text(ds, field)).isEmpty();
}

bool buildingValid()
{
    data::DataSet* b = DM->AT_Buid;
    return present(b, "RegionID") && present(b, "BuildId") && present(b, "BuildName");
}

bool unitValid()
{
    data::DataSet* u = DM->AT_Units;
    return buildingValid() && present(u, "UnitName") && present(u, "KLNum") && present(u, "JLNum")
        && present(u, "KFNum") && present(u, "JFNum");
}

bool roomValid()
{
    data::DataSet* r = DM->AT_Room;
    return unitValid() && present(r, "LCNum") && present(r, "FXNum") && present(r, "RoomNum");
}

void reopen(data::DataSource* src, data::DataSet* ds)
{
    src->setEnabled(false);
    ds->close();
    ds->open();
    src->setEnabled(true);
}

ui::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {})
{
    auto* b = new ui::SpeedButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFlat(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setEnabled(false);
    return b;
}

ui::DBGrid* grid(QWidget* parent, const char* name, data::DataSource* src, const QVector<ui::GridColumn>& cols)
{
    auto* g = new ui::DBGrid(src, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setColumns(cols);
    g->setRowSelect(true);
    g->setReadOnly(true);
    return g;
}

QGroupBox* group(QWidget* parent, const QString& title, QWidget* grid, const QList<QWidget*>& buttons)
{
    auto* box = new QGroupBox(title, parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(grid, 1);
    auto* h = new QHBoxLayout;
    for (QWidget* b : buttons)
        h->addWidget(b);
    h->addStretch(1);
    v->addLayout(h);
    return box;
}

}  // namespace

TfrmFCBuild::TfrmFCBuild(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setFormKey(QStringLiteral("FCBuild"));
    setWindowTitle(QStringLiteral("房产资源生成"));
    buildLayout();
}

void TfrmFCBuild::buildLayout()
{
    auto* dropDown = new RegionDropDown(this);
    dropDown->onDropDown = [this] { DBLC_RegDropDown(); };
    DBLC_Reg = dropDown;
    DBLC_Reg->setObjectName(QStringLiteral("DBLC_Reg"));
    DBLC_Reg->setMinimumWidth(180);
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::keyChosen, this, [this](const QVariant& k) { DBLC_RegCloseUp(k); });

    SB_Open = speedButton(this, "SB_Open", QString(), QStringLiteral("建立小区信息"));
    SB_Open->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    ui::connectHandler(SB_Open, &QPushButton::clicked, this, [this] { SB_OpenClick(); });

    CheckBox = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this);
    CheckBox->setToolTip(QStringLiteral("选中进入可编辑状态"));
    CheckBox->setVisible(false);
    CheckBox->setEnabled(false);
    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });

    DBG_buid = grid(this, "DBG_buid", DM->DS_Buid,
                    {{QStringLiteral("RegionID"), QStringLiteral("小区编号"), 60},
                     {QStringLiteral("BuildId"), QStringLiteral("楼宇编号"), 60},
                     {QStringLiteral("BuildName"), QStringLiteral("楼宇名称"), 100},
                     {QStringLiteral("Csum"), QStringLiteral("层数"), 40, false}});
    SB_Add = speedButton(this, "SB_Add", QStringLiteral("添加"), QStringLiteral("添加楼宇信息"));
    SB_Delete = speedButton(this, "SB_Delete", QStringLiteral("删除"), QStringLiteral("删除楼宇信息"));
    SB_Modi = speedButton(this, "SB_Modi", QStringLiteral("修改"), QStringLiteral("修改楼宇信息"));
    SB_ZDF = speedButton(this, "SB_ZDF", QStringLiteral("整栋复制"));

    DBG_Units = grid(this, "DBG_Units", DM->DS_Units,
                     {{QStringLiteral("UnitName"), QStringLiteral("单元名"), 60},
                      {QStringLiteral("KLNum"), QStringLiteral("开始楼层"), 60},
                      {QStringLiteral("JLNum"), QStringLiteral("结束楼层"), 60},
                      {QStringLiteral("KFNum"), QStringLiteral("开始房号"), 60},
                      {QStringLiteral("JFNum"), QStringLiteral("结束房号"), 60}});
    SB_Add1 = speedButton(this, "SB_Add1", QStringLiteral("添加"));
    SB_Delete1 = speedButton(this, "SB_Delete1", QStringLiteral("删除"));
    SB_Modi1 = speedButton(this, "SB_Modi1", QStringLiteral("修改"));
    SB_Build = speedButton(this, "SB_Build", QStringLiteral("生成房间号"));
    SB_Unit = speedButton(this, "SB_Unit", QStringLiteral("单元复制"));

    DBG_Room = grid(this, "DBG_Room", DM->DS_Room,
                    {{QStringLiteral("UnitName"), QStringLiteral("单元"), 50},
                     {QStringLiteral("LCNum"), QStringLiteral("楼层"), 40},
                     {QStringLiteral("FXNum"), QStringLiteral("房序"), 40},
                     {QStringLiteral("RoomNum"), QStringLiteral("房号"), 60},
                     {QStringLiteral("HXName"), QStringLiteral("结构"), 80},
                     {QStringLiteral("JZm"), QStringLiteral("建筑面积"), 70},
                     {QStringLiteral("SYm"), QStringLiteral("使用面积"), 70},
                     {QStringLiteral("SS"), QStringLiteral("设施"), 160}});
    SB_Add2 = speedButton(this, "SB_Add2", QStringLiteral("添加"));
    SB_Delete2 = speedButton(this, "SB_Delete2", QStringLiteral("删除"));
    SB_Modi2 = speedButton(this, "SB_Modi2", QStringLiteral("修改"));

    BitBtn1 = new QPushButton(QStringLiteral("离开"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    ui::setExitExempt(BitBtn1);
    ui::connectHandler(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    const std::pair<ui::SpeedButton*, void (TfrmFCBuild::*)()> handlers[] = {
        {SB_Add, &TfrmFCBuild::SB_AddClick},       {SB_Delete, &TfrmFCBuild::SB_DeleteClick},
        {SB_Modi, &TfrmFCBuild::SB_ModiClick},     {SB_ZDF, &TfrmFCBuild::SB_ZDFClick},
        {SB_Add1, &TfrmFCBuild::SB_Add1Click},     {SB_Delete1, &TfrmFCBuild::SB_Delete1Click},
        {SB_Modi1, &TfrmFCBuild::SB_Modi1Click},   {SB_Build, &TfrmFCBuild::SB_BuildClick},
        {SB_Unit, &TfrmFCBuild::SB_UnitClick},     {SB_Add2, &TfrmFCBuild::SB_Add2Click},
        {SB_Delete2, &TfrmFCBuild::SB_Delete2Click}, {SB_Modi2, &TfrmFCBuild::SB_Modi2Click}};
    for (const auto& [button, handler] : handlers)
        ui::connectHandler(button, &QPushButton::clicked, this, [this, h = handler] { (this->*h)(); });

    // Choosing a row, by mouse or keyboard, engages the grid's buttons;
    // leaving the grid for another control of the window releases them.
    for (ui::DBGrid* g : {DBG_buid, DBG_Units, DBG_Room}) {
        void (TfrmFCBuild::*select)() = g == DBG_buid ? &TfrmFCBuild::DBG_buidCellClick
            : g == DBG_Units                          ? &TfrmFCBuild::DBG_UnitsCellClick
                                                      : &TfrmFCBuild::DBG_RoomCellClick;
        ui::connectHandler(g, &ui::DBGrid::cellClicked, this, [this, select] { (this->*select)(); });
        ui::connectHandler(g, &ui::DBGrid::columnEntered, this, [this, select] { (this->*select)(); });
        ui::connectHandler(g, &ui::DBGrid::entered, this, [this, select] { (this->*select)(); });
    }
    ui::onExit(DBG_buid, [this] { m_buildOn = false; updateButtons(); }, this);
    ui::onExit(DBG_Units, [this] { m_unitOn = m_unitAddOn = false; updateButtons(); }, this);
    ui::onExit(DBG_Room, [this] { m_roomOn = m_roomAddOn = false; updateButtons(); }, this);

    // The selection follows the current rows, however the cursor moved.
    connect(DM->DS_Reg, &data::DataSource::dataChanged, this, [this](data::Field*) {
        ChosenRegionId = text(DM->AT_Reg, "RegionId");
        DBLC_Reg->setKeyValue(ChosenRegionId.isEmpty() ? QVariant() : QVariant(ChosenRegionId));
    });
    connect(DM->DS_Buid, &data::DataSource::dataChanged, this, [this](data::Field*) { followBuilding(); });
    connect(DM->DS_Units, &data::DataSource::dataChanged, this, [this](data::Field*) { followUnit(); });
    connect(DM->DS_Room, &data::DataSource::dataChanged, this, [this](data::Field*) { updateButtons(); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("小区名称："), this));
    top->addWidget(DBLC_Reg);
    top->addWidget(SB_Open);
    top->addStretch(1);
    top->addWidget(CheckBox);

    auto* upper = new QHBoxLayout;
    upper->addWidget(group(this, QStringLiteral("楼宇"), DBG_buid, {SB_Add, SB_Delete, SB_Modi, SB_ZDF}), 1);
    upper->addWidget(group(this, QStringLiteral("单元"), DBG_Units, {SB_Add1, SB_Delete1, SB_Modi1, SB_Build, SB_Unit}),
                     1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(BitBtn1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->addLayout(top);
    root->addLayout(upper, 1);
    root->addWidget(group(this, QStringLiteral("房间"), DBG_Room, {SB_Add2, SB_Delete2, SB_Modi2}), 1);
    root->addLayout(bottom);
}

// --- creation and closing ------------------------------------------------------

void TfrmFCBuild::formCreate()
{
    m_hold = new DialogHold(frameWidget(), this);
    if (session::level() == 2) {
        CheckBox->setVisible(false);
        CheckBox->setEnabled(false);
    } else {
        CheckBox->setVisible(true);
        CheckBox->setEnabled(true);
    }
    reopen(DM->DS_Reg, DM->AT_Reg);
    reopen(DM->DS_Buid, DM->AT_Buid);
    reopen(DM->DS_Units, DM->AT_Units);
    reopen(DM->DS_Room, DM->AT_Room);
    DBLC_Reg->setListSource(DM->DS_Reg);
    DBLC_Reg->setKeyField(QStringLiteral("RegionId"));
    DBLC_Reg->setListField(QStringLiteral("RegionName"));
    ChosenRegionId = text(DM->AT_Reg, "RegionId");
    DBLC_Reg->setKeyValue(ChosenRegionId.isEmpty() ? QVariant() : QVariant(ChosenRegionId));
    followBuilding();
    setFormSize(696, 435);
}

bool TfrmFCBuild::formCloseQuery()
{
    // An open dialog is finished (or cancelled) first.
    if (QWidget* d = openDialog()) {
        d->raise();
        d->activateWindow();
        return false;
    }
    return true;
}

void TfrmFCBuild::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void TfrmFCBuild::formDestroy()
{
    if (m_hold)
        m_hold->release();
}

QWidget* TfrmFCBuild::openDialog() const
{
    return m_hold ? m_hold->dialog() : nullptr;
}

void TfrmFCBuild::dialogDone(QWidget* dialog)
{
    if (m_hold && m_hold->dialog() == dialog)
        m_hold->release();
}

template <class T>
void TfrmFCBuild::openGeneratorDialog(T*& variable, const QString& mode, QWidget* focusAfterSave,
                                      const std::function<void(T&)>& prepare)
{
    if (openDialog())
        return;
    EditMode = mode;
    ui::openChildForm(variable, this, [&](T& dialog) {
        dialog.setAdding(EditMode == QStringLiteral("ADD"));
        ui::connectHandler(&dialog, &GeneratorDialog::done, this, [this, d = &dialog] { dialogDone(d); });
        if (focusAfterSave)
            ui::connectHandler(&dialog, &GeneratorDialog::saved, focusAfterSave, [focusAfterSave] {
                focusAfterSave->setFocus();
            });
        if (prepare)
            prepare(dialog);
    });
    if (variable && !variable->isReleased())
        m_hold->hold(variable);
}

void TfrmFCBuild::reloadTree()
{
    for (data::DataSet* ds : {static_cast<data::DataSet*>(DM->AT_Buid), static_cast<data::DataSet*>(DM->AT_Units),
                              static_cast<data::DataSet*>(DM->AT_Room)})
        ds->requery();
}

// --- selection and buttons -------------------------------------------------------

bool TfrmFCBuild::editable() const
{
    return session::level() != 2 && CheckBox->isChecked();
}

void TfrmFCBuild::followBuilding()
{
    data::DataSet* b = DM->AT_Buid;
    SelRegionId = text(b, "RegionID");
    SelBuildId = text(b, "BuildId");
    SelBuildName = text(b, "BuildName");
    SelCsum = text(b, "Csum");
    followUnit();
}

void TfrmFCBuild::followUnit()
{
    data::DataSet* u = DM->AT_Units;
    SelUnitName = text(u, "UnitName");
    auto number = [u](const char* f) { return typedInt(text(u, f)).value_or(0); };
    SelKLNum = number("KLNum");
    SelJLNum = number("JLNum");
    SelKFNum = number("KFNum");
    SelJFNum = number("JFNum");
    updateButtons();
}

void TfrmFCBuild::updateButtons()
{
    const bool on = editable();
    const bool building = buildingValid();
    const bool unit = unitValid();
    const bool hasBuilding = !DM->AT_Buid->isEmpty();
    SB_Open->setEnabled(on);
    SB_Add->setEnabled(on && m_buildOn);
    SB_Delete->setEnabled(on && m_buildOn && hasBuilding);
    SB_Modi->setEnabled(on && m_buildOn && hasBuilding);
    SB_ZDF->setEnabled(on && m_buildOn && m_unitAddOn && building);
    SB_Add1->setEnabled(on && m_unitAddOn && building);
    for (ui::SpeedButton* b : {SB_Delete1, SB_Modi1, SB_Build, SB_Unit})
        b->setEnabled(on && m_unitOn && unit);
    SB_Add2->setEnabled(on && m_roomAddOn && unit);
    SB_Delete2->setEnabled(on && m_roomOn && roomValid());
    SB_Modi2->setEnabled(on && m_roomOn && roomValid());
    if (on && m_unitAddOn)
        DBG_Units->setEnabled(building);
}

void TfrmFCBuild::CheckBoxClick()
{
    // Checked, the building buttons are offered; unchecked, nothing is.
    m_buildOn = CheckBox->isChecked();
    if (!m_buildOn)
        m_unitAddOn = m_unitOn = m_roomAddOn = m_roomOn = false;
    updateButtons();
}

void TfrmFCBuild::DBG_buidCellClick()
{
    if (!editable())
        return;
    m_buildOn = true;
    m_unitAddOn = true;
    updateButtons();
}

void TfrmFCBuild::DBG_UnitsCellClick()
{
    if (!editable())
        return;
    m_unitOn = true;
    m_roomAddOn = true;
    DBG_Room->setEnabled(true);
    updateButtons();
}

void TfrmFCBuild::DBG_RoomCellClick()
{
    if (!editable())
        return;
    // A room row chosen offers Add as well, whichever grid the user came from.
    m_roomOn = true;
    m_roomAddOn = true;
    updateButtons();
}

// --- the district drop-down --------------------------------------------------------

void TfrmFCBuild::DBLC_RegDropDown()
{
    if (session::level() == 2)
        return;
    // Districts added meanwhile appear; the chosen one stays chosen.
    const QString keep = ChosenRegionId;
    reopen(DM->DS_Reg, DM->AT_Reg);
    reopen(DM->DS_Buid, DM->AT_Buid);
    DM->AT_Reg->refresh();
    if (!keep.isEmpty())
        DM->AT_Reg->locate(QStringLiteral("RegionId"), keep);
}

void TfrmFCBuild::DBLC_RegCloseUp(const QVariant& key)
{
    if (!key.isValid() || key.isNull())
        return;
    DM->AT_Reg->locate(QStringLiteral("RegionId"), key);
    ChosenRegionId = data::variantToText(key);
}

// --- buttons -----------------------------------------------------------------------

void TfrmFCBuild::SB_OpenClick()
{
    ui::openChildForm(frmRegion, window());
}

void TfrmFCBuild::SB_AddClick()
{
    openGeneratorDialog(frmLouyu, QStringLiteral("ADD"), DBLC_Reg);
}

void TfrmFCBuild::SB_ModiClick()
{
    if (DM->AT_Buid->isEmpty())
        return;
    openGeneratorDialog(frmLouyu, QStringLiteral("Modi"), DBLC_Reg);
}

void TfrmFCBuild::SB_ZDFClick()
{
    if (!buildingValid())
        return;
    openGeneratorDialog<TfrmLouCopy>(frmLouCopy, EditMode, nullptr, [this](TfrmLouCopy& dialog) {
        dialog.setSource(selectedBuilding(), SelCsum);
        ui::connectHandler(&dialog, &TfrmLouCopy::treeChanged, this, &TfrmFCBuild::reloadTree);
    });
}

void TfrmFCBuild::SB_Add1Click()
{
    if (!buildingValid())
        return;
    openGeneratorDialog(frmUnits, QStringLiteral("ADD"), DBLC_Reg);
}

void TfrmFCBuild::SB_Modi1Click()
{
    if (!unitValid())
        return;
    openGeneratorDialog(frmUnits, QStringLiteral("Modi"), DBLC_Reg);
}

void TfrmFCBuild::SB_Add2Click()
{
    if (!unitValid())
        return;
    openGeneratorDialog(frmRoomEdit, QStringLiteral("ADD"), DBG_Units);
}

void TfrmFCBuild::SB_Modi2Click()
{
    if (DM->AT_Room->isEmpty())
        return;
    openGeneratorDialog(frmRoomEdit, QStringLiteral("Modi"), DBG_Units);
}

void TfrmFCBuild::SB_DeleteClick()
{
    if (DM->AT_Buid->isEmpty())
        return;
    if (ui::Msg::confirm(kDeleteTree))
        removeRow(DM->AT_Buid);  // its units and their rooms go with it
    DBLC_Reg->setFocus();
}

void TfrmFCBuild::SB_Delete1Click()
{
    if (DM->AT_Units->isEmpty())
        return;
    if (ui::Msg::confirm(kDeleteTree))
        removeRow(DM->AT_Units);  // its rooms go with it
    DBLC_Reg->setFocus();
}

void TfrmFCBuild::SB_Delete2Click()
{
    if (DM->AT_Room->isEmpty())
        return;
    if (ui::Msg::confirm(QStringLiteral("确定要删除该记录？")))
        removeRow(DM->AT_Room);
    DBG_Units->setFocus();
}

void TfrmFCBuild::SB_BuildClick()
{
    if (!unitValid())
        return;
    const property::UnitKey unit = selectedUnit();
    const property::RoomRanges ranges{SelKLNum, SelJLNum, SelKFNum, SelJFNum};
    // Only the unit's own rooms are read again, not the whole room list.
    try {
        property::generateRooms(*DM->connection(), unit, ranges);
    } catch (...) {
        DM->AT_Room->requeryLinked();
        throw;
    }
    DM->AT_Room->requeryLinked();
}

void TfrmFCBuild::SB_UnitClick()
{
    if (!unitValid())
        return;
    const property::UnitKey source = selectedUnit();
    QString name;
    if (!ui::Msg::input(QStringLiteral("单元复制"),
                        QStringLiteral("请输入单元名称。") + QLatin1Char('\r') + QStringLiteral("字符长度不可超过 3 个字符.  "),
                        name))
        return;
    name = name.trimmed();
    if (name.isEmpty())
        return;
    if (name.size() > property::kUnitNameWidth) {
        ui::Msg::warning(QStringLiteral("单元名称不能超过 %1 个字符！").arg(property::kUnitNameWidth));
        return;
    }
    if (!ui::Msg::confirm(QStringLiteral("你将要创建的是") + source.building.buildName + QStringLiteral("(楼)") + name
                          + QStringLiteral("单元") + QLatin1Char('\r') + QStringLiteral("创建吗？")))
        return;
    if (property::unitExists(*DM->connection(), source.building, name)) {
        ui::Msg::warning(QStringLiteral("该单元已存在！重新输入。"));
        return;
    }
    // The rooms are read again too: the new unit's rooms are not in memory yet.
    auto reload = [] {
        reopen(DM->DS_Units, DM->AT_Units);
        DM->AT_Room->requery();
    };
    try {
        property::copyUnit(*DM->connection(), source, name);
    } catch (...) {
        reload();
        throw;
    }
    reload();
}

void TfrmFCBuild::BitBtn1Click()
{
    close();
}
