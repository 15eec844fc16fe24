#include "property/Units.h"

#include "platform/data/TrimmedText.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "property/PropertyCopy.h"
#include "session/DMRegion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmUnits* frmUnits = nullptr;

namespace {
const QString kNoFloors = QStringLiteral("没有足够的楼层可供分配！重新输入。");
}

TfrmUnits::TfrmUnits(QWidget* parent) : GeneratorDialog(QStringLiteral("单元信息"), DM->DS_Units, parent)
{
    auto* pages = new QTabWidget(this);
    auto* page = new QWidget(pages);
    auto* grid = new QGridLayout(page);
    DBE_UnitName = new ui::DBEdit(DM->DS_Units, QStringLiteral("UnitName"), page);
    DBE_UnitName->setObjectName(QStringLiteral("DBE_UnitName"));
    // Rooms hold the unit's name in a narrower column than units do.
    DBE_UnitName->setMaxLength(property::kUnitNameWidth);
    addRow(grid, QStringLiteral("单元名："), DBE_UnitName);
    auto number = [&](DialogNumberEdit*& e, const char* name, const QString& field, const QString& label) {
        e = new DialogNumberEdit(DM->DS_Units, field, label, page);
        e->setObjectName(QString::fromLatin1(name));
        addRow(grid, label + QStringLiteral("："), e);
    };
    number(DBE_KLNum, "DBE_KLNum", QStringLiteral("KLNum"), QStringLiteral("开始楼层"));
    number(DBE_JLNum, "DBE_JLNum", QStringLiteral("JLNum"), QStringLiteral("结束楼层"));
    number(DBE_KFNum, "DBE_KFNum", QStringLiteral("KFNum"), QStringLiteral("开始房号"));
    number(DBE_JFNum, "DBE_JFNum", QStringLiteral("JFNum"), QStringLiteral("结束房号"));
    grid->setRowStretch(grid->rowCount(), 1);
    pages->addTab(page, QStringLiteral("单元描述 "));

    BB_ok = makeButton("BB_ok", QStringLiteral("确定"), QStringLiteral("添加并退出"));
    BB_ok->setDefault(true);
    BB_Cancel = makeButton("BB_Cancel", QStringLiteral("取消"), QStringLiteral("取消并退出 "));
    ui::setExitExempt(BB_Cancel);
    ui::connectHandler(BB_ok, &QPushButton::clicked, this, [this] { BB_okClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });
    ui::onExit(DBE_JLNum, [this] { DBE_JLNumExit(); }, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_ok);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(pages, 1);
    root->addLayout(buttons);
}

property::BuildingKey TfrmUnits::building() const
{
    data::DataSet* u = DM->AT_Units;
    return {u->fieldByName(QStringLiteral("RegionId"))->asString(), u->fieldByName(QStringLiteral("BuildId"))->asString(),
            u->fieldByName(QStringLiteral("BuildName"))->asString()};
}

int TfrmUnits::buildingFloors() const
{
    const property::BuildingKey b = building();
    return DM->connection()
        ->scalar(QStringLiteral("SELECT Csum FROM Build WHERE BuildId = ? AND RegionID = ? ORDER BY rid"),
                 {b.buildId, b.regionId})
        .toInt();
}

bool TfrmUnits::roomsOnFloor(const QString& unitName, int floor) const
{
    const property::BuildingKey b = building();
    return DM->connection()
               ->scalar(QStringLiteral("SELECT count(*) FROM Rooms WHERE RegionID = ? AND BuildId = ? AND BuildName = ? "
                                       "AND UnitName = ? AND LCNum = ?"),
                        {b.regionId, b.buildId, b.buildName, unitName, floor})
               .toInt()
        > 0;
}

void TfrmUnits::formCreate()
{
    resetSource();
    if (adding()) {
        // The new unit belongs to the generator's current building.
        DM->AT_Units->insert();
        DBE_UnitName->setFocus();
    } else {
        const auto first = typedInt(DBE_KLNum->text());
        if (first && roomsOnFloor(DBE_UnitName->text(), *first)) {
            ui::Msg::warning(QStringLiteral("该单元房间已生成，不能修改单元信息！\r若想修改，只能是先删除该单元再重新添加。"));
            for (QWidget* w : std::initializer_list<QWidget*>{DBE_UnitName, DBE_KLNum, DBE_JLNum, DBE_KFNum, DBE_JFNum, BB_ok})
                w->setEnabled(false);
        }
        DBE_UnitName->setEnabled(false);
    }
    setFormSize(391, 249);
}

void TfrmUnits::DBE_JLNumExit()
{
    const auto last = typedInt(DBE_JLNum->text());
    if (last && buildingFloors() < *last) {
        ui::Msg::warning(kNoFloors);
        DBE_JLNum->setFocus();
        DBE_JLNum->setText(QString());
    }
}

void TfrmUnits::BB_okClick()
{
    for (DialogNumberEdit* e : {DBE_KLNum, DBE_JLNum, DBE_KFNum, DBE_JFNum})
        if (!e->valueTyped())
            return;
    const auto kl = typedInt(DBE_KLNum->text()), jl = typedInt(DBE_JLNum->text());
    const auto kf = typedInt(DBE_KFNum->text()), jf = typedInt(DBE_JFNum->text());
    if (!kl || !jl || !kf || !jf) {
        ui::Msg::warning(QStringLiteral("楼层和房号均不能为空！重新输入。"));
        return;
    }
    // The name as it will be stored, so the checks below find the rows it would meet.
    const QString name = DBE_UnitName->text();
    if (data::trimmed(name).isEmpty()) {
        ui::Msg::warning(QStringLiteral("单元名不能为空！重新输入。"));
        DBE_UnitName->setFocus();
        return;
    }
    if (adding() && property::unitExists(*DM->connection(), building(), name)) {
        ui::Msg::warning(QStringLiteral("该单元已存在！重新输入。"));
        DBE_UnitName->setFocus();
        DBE_UnitName->setText(QString());
        return;
    }
    if (*kl > *jl) {
        ui::Msg::warning(QStringLiteral("开始楼层不能大于结束楼层，重新输入。"));
        DBE_KLNum->setText(QString());
        DBE_JLNum->setText(QString());
        return;
    }
    if (*kf > *jf) {
        ui::Msg::warning(QStringLiteral("开始房号不能大于结束房号，重新输入。"));
        DBE_KFNum->setText(QString());
        DBE_JFNum->setText(QString());
        return;
    }
    if (buildingFloors() < *jl) {
        ui::Msg::warning(kNoFloors);
        DBE_JLNum->setFocus();
        DBE_JLNum->setText(QString());
        return;
    }
    if (roomsOnFloor(name, *kl)) {
        ui::Msg::warning(QStringLiteral("该楼已分配！重新输入。"));
        DBE_KLNum->setFocus();
        DBE_KLNum->setText(QString());
        DBE_JLNum->setText(QString());
        return;
    }
    if (!takeTyped())
        return;
    DM->AT_Units->post();
    finish();
}

void TfrmUnits::BB_CancelClick()
{
    cancelAndClose();
}
