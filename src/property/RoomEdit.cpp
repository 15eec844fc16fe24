#include "property/RoomEdit.h"

#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "reference/CodeLists.h"
#include "session/DMRegion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmRoomEdit* frmRoomEdit = nullptr;

namespace {
const QString kFloorEmpty = QStringLiteral("楼层不能为空");
const QString kTooHigh = QStringLiteral("没有足够高的楼层可供分配！重新输入。");
}  // namespace

TfrmRoomEdit::TfrmRoomEdit(QWidget* parent) : GeneratorDialog(QStringLiteral("房间资料编辑"), DM->DS_Room, parent)
{
    auto* box = new QGroupBox(QStringLiteral("基本信息"), this);
    auto* grid = new QGridLayout(box);
    data::DataSource* src = DM->DS_Room;
    auto edit = [&](ui::DBEdit*& e, const char* name, const QString& field, const QString& label) {
        e = new ui::DBEdit(src, field, box);
        e->setObjectName(QString::fromLatin1(name));
        addRow(grid, label, e);
    };
    auto number = [&](DialogNumberEdit*& e, const char* name, const QString& field, const QString& label,
                      const QString& unit = QString()) {
        e = new DialogNumberEdit(src, field, label, box);
        e->setObjectName(QString::fromLatin1(name));
        addRow(grid, label + QStringLiteral("："), e, unit);
    };
    edit(DBE_BuidName, "DBE_BuidName", QStringLiteral("BuildName"), QStringLiteral("楼宇名称："));
    edit(DBE_UnitName, "DBE_UnitName", QStringLiteral("UnitName"), QStringLiteral("单元名称："));
    DBE_BuidName->setEnabled(false);
    DBE_UnitName->setEnabled(false);
    number(DBE_LC, "DBE_LC", QStringLiteral("LCNum"), QStringLiteral("楼层"));
    number(DBE_FX, "DBE_FX", QStringLiteral("FXNum"), QStringLiteral("房间序号"));
    edit(DBE_RoomNum, "DBE_RoomNum", QStringLiteral("RoomNum"), QStringLiteral("房间号："));
    DBC_HX = new ui::DBComboBox(src, QStringLiteral("HXName"), box);
    DBC_HX->setObjectName(QStringLiteral("DBC_HX"));
    addRow(grid, QStringLiteral("房间结构："), DBC_HX);
    number(DBE_JZm, "DBE_JZm", QStringLiteral("JZm"), QStringLiteral("建筑面积"), QStringLiteral("平方米"));
    number(DBE_SYm, "DBE_SYm", QStringLiteral("SYm"), QStringLiteral("实用面积"), QStringLiteral("平方米"));
    DBM_SS = new ui::DBMemo(src, QStringLiteral("SS"), box);
    DBM_SS->setObjectName(QStringLiteral("DBM_SS"));
    DBM_SS->setMaximumHeight(60);
    addRow(grid, QStringLiteral("设施："), DBM_SS);

    BB_ok = makeButton("BB_ok", QStringLiteral("确定"), QStringLiteral("保存并退出"));
    BB_ok->setDefault(true);
    BB_Cancel = makeButton("BB_Cancel", QStringLiteral("取消"), QStringLiteral("取消并退出"));
    ui::setExitExempt(BB_Cancel);
    ui::connectHandler(BB_ok, &QPushButton::clicked, this, [this] { BB_okClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });
    ui::onExit(DBE_LC, [this] { DBE_LCExit(); }, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_ok);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(box, 1);
    root->addLayout(buttons);
}

void TfrmRoomEdit::formCreate()
{
    resetSource();
    if (adding()) {
        // The new room belongs to the generator's current unit.
        DM->AT_Room->insert();
        DBE_LC->setFocus();
    } else {
        DBE_LC->setEnabled(false);
        DBE_FX->setEnabled(false);
        DBE_RoomNum->setEnabled(false);
    }
    DM->AT_RoomType->close();
    DM->AT_RoomType->open();
    fillCodeList(DBC_HX, DM->AT_RoomType, QStringLiteral("roomName"));
}

QString TfrmRoomEdit::key(const char* field) const
{
    return DM->AT_Room->fieldByName(QString::fromLatin1(field))->asString();
}

int TfrmRoomEdit::buildingFloors() const
{
    return DM->connection()
        ->scalar(QStringLiteral("SELECT Csum FROM Build WHERE BuildId = ? AND RegionID = ? ORDER BY rid"),
                 {key("BuildId"), key("RegionID")})
        .toInt();
}

bool TfrmRoomEdit::numberTaken(const QString& roomNum) const
{
    return DM->connection()
               ->scalar(QStringLiteral("SELECT count(*) FROM Rooms WHERE RegionID = ? AND BuildId = ? AND BuildName = ? "
                                       "AND UnitName = ? AND RoomNum = ?"),
                        {key("RegionID"), key("BuildId"), key("BuildName"), key("UnitName"), roomNum})
               .toInt()
        > 0;
}

void TfrmRoomEdit::refuseFloor(const QString& message)
{
    ui::Msg::warning(message);
    DBE_LC->setFocus();
    DBE_LC->setText(QString());
}

void TfrmRoomEdit::DBE_LCExit()
{
    if (DBE_LC->text().trimmed().isEmpty()) {
        ui::Msg::error(kFloorEmpty);
        DBE_LC->setFocus();
        return;
    }
    const auto floor = typedInt(DBE_LC->text());
    if (floor && buildingFloors() < *floor)
        refuseFloor(kTooHigh);
}

void TfrmRoomEdit::BB_okClick()
{
    for (DialogNumberEdit* e : {DBE_LC, DBE_FX, DBE_JZm, DBE_SYm})
        if (!e->valueTyped())
            return;
    const auto floor = typedInt(DBE_LC->text());
    if (!floor) {
        ui::Msg::warning(kFloorEmpty);
        DBE_LC->setFocus();
        return;
    }
    if (*floor == 0) {
        ui::Msg::information(QStringLiteral("楼层值不能为 0"));
        DBE_LC->setFocus();
        return;
    }
    if (!typedInt(DBE_FX->text())) {
        ui::Msg::warning(QStringLiteral("房间序号不能为空"));
        DBE_FX->setFocus();
        return;
    }
    if (buildingFloors() < *floor) {
        refuseFloor(kTooHigh);
        return;
    }
    const QString roomNum = DBE_RoomNum->text().trimmed();
    if (roomNum.isEmpty()) {
        ui::Msg::warning(QStringLiteral("房间号不能为空"));
        DBE_RoomNum->setFocus();
        return;
    }
    // A unit holds each room number once, whatever the floor and index.
    if (adding() && numberTaken(roomNum)) {
        refuseFloor(QStringLiteral("错误原因可能如下：\r房间号不正确\r楼层重复\r房间序号重复...\r请详细检查。"));
        return;
    }
    if (!takeTyped())
        return;
    DM->AT_Room->post();
    finish();
}

void TfrmRoomEdit::BB_CancelClick()
{
    cancelAndClose();
}
