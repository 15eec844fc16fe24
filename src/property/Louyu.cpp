#include "property/Louyu.h"

#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/DBMemo.h"
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

TfrmLouyu* frmLouyu = nullptr;

namespace {
const QString kIdExists = QStringLiteral("该楼宇编号已存在！重新输入。");
}

TfrmLouyu::TfrmLouyu(QWidget* parent) : GeneratorDialog(QStringLiteral("楼宇设置"), DM->DS_Buid, parent)
{
    auto* pages = new QTabWidget(this);
    auto* basic = new QWidget(pages);
    auto* grid = new QGridLayout(basic);
    auto edit = [&](ui::DBEdit*& e, const char* name, const QString& field, const QString& label) {
        e = new ui::DBEdit(DM->DS_Buid, field, basic);
        e->setObjectName(QString::fromLatin1(name));
        addRow(grid, label, e);
    };
    edit(DBE_RegId, "DBE_RegId", QStringLiteral("RegionID"), QStringLiteral("小区编号："));
    edit(DBE_ID, "DBE_ID", QStringLiteral("BuildId"), QStringLiteral("楼宇编号："));
    edit(DBE_Name, "DBE_Name", QStringLiteral("BuildName"), QStringLiteral("楼宇名称："));
    edit(DBE_KFS, "DBE_KFS", QStringLiteral("KFShang"), QStringLiteral("开发商："));
    DBE_ZDm = new DialogNumberEdit(DM->DS_Buid, QStringLiteral("ZDm"), QStringLiteral("占地面积"), basic);
    DBE_ZDm->setObjectName(QStringLiteral("DBE_ZDm"));
    addRow(grid, QStringLiteral("占地面积："), DBE_ZDm);
    DBE_CSum = new DialogNumberEdit(DM->DS_Buid, QStringLiteral("Csum"), QStringLiteral("层数"), basic);
    DBE_CSum->setObjectName(QStringLiteral("DBE_CSum"));
    addRow(grid, QStringLiteral("层数："), DBE_CSum);
    grid->setRowStretch(grid->rowCount(), 1);
    DBE_RegId->setEnabled(false);
    pages->addTab(basic, QStringLiteral("基本"));

    DBM_Note = new ui::DBMemo(DM->DS_Buid, QStringLiteral("note"), pages);
    DBM_Note->setObjectName(QStringLiteral("DBM_Note"));
    pages->addTab(DBM_Note, QStringLiteral("备注"));

    BB_Ok = makeButton("BB_Ok", QStringLiteral("确定"), QStringLiteral("确定并退出"));
    BB_Ok->setDefault(true);
    BB_Cancal = makeButton("BB_Cancal", QStringLiteral("取消"), QStringLiteral("不做任何修改并退出"));
    ui::setExitExempt(BB_Cancal);
    ui::connectHandler(BB_Ok, &QPushButton::clicked, this, [this] { BB_OkClick(); });
    ui::connectHandler(BB_Cancal, &QPushButton::clicked, this, [this] { BB_CancalClick(); });
    ui::onExit(DBE_ID, [this] { DBE_IDExit(); }, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_Ok);
    buttons->addWidget(BB_Cancal);
    auto* root = new QVBoxLayout(this);
    root->addWidget(pages, 1);
    root->addLayout(buttons);
}

void TfrmLouyu::formCreate()
{
    resetSource();
    if (adding()) {
        // The new building's district is the current district of the generator.
        DM->AT_Buid->insert();
        DBE_ID->setFocus();
    } else {
        DBE_ID->setEnabled(false);
        DBE_Name->setEnabled(false);
    }
    setFormSize(456, 345);
}

bool TfrmLouyu::IdExists() const
{
    return property::buildingIdExists(*DM->connection(), DM->AT_Buid->fieldByName(QStringLiteral("RegionID"))->asString(),
                                      DBE_ID->text().trimmed());
}

void TfrmLouyu::DBE_IDExit()
{
    if (!adding() || DBE_ID->text().trimmed().isEmpty())
        return;
    if (IdExists()) {
        ui::Msg::warning(kIdExists);
        DBE_ID->setFocus();
        DBE_ID->setText(QString());
    }
}

void TfrmLouyu::BB_OkClick()
{
    if (!DBE_ZDm->valueTyped() || !DBE_CSum->valueTyped())
        return;
    if (!takeTyped())
        return;
    data::DataSet* ds = DM->AT_Buid;
    auto empty = [ds](const char* f) { return ds->fieldByName(QString::fromLatin1(f))->asString().trimmed().isEmpty(); };
    if (empty("RegionID") || empty("BuildId") || empty("BuildName") || empty("Csum")) {
        ui::Msg::warning(QStringLiteral("错误原因可能是以下各项：\r\n   小区编号为空\r\n   楼宇编号和楼宇名称为空\r\n   "
                                        "楼层为空\r请核对各项！"));
        return;
    }
    if (adding() && IdExists()) {
        ui::Msg::warning(kIdExists);
        DBE_ID->setFocus();
        DBE_ID->setText(QString());
        return;
    }
    ds->post();
    finish();
}

void TfrmLouyu::BB_CancalClick()
{
    cancelAndClose();
}
