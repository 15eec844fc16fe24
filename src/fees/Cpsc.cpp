#include "fees/Cpsc.h"

#include "platform/ui/DBGrid.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCpsc* frmCpsc = nullptr;

TfrmCpsc::TfrmCpsc(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmCpsc"));
    setWindowTitle(QStringLiteral("成批删除"));

    Label1 = new QLabel(QStringLiteral("可供删除的项目：   请选择"), this);
    DBG_Type = new ui::DBGrid(DM->DS_FeeType1, this);
    DBG_Type->setObjectName(QStringLiteral("DBG_Type"));
    DBG_Type->setColumns({{QStringLiteral("FeeId"), QStringLiteral("编号"), 50},
                          {QStringLiteral("FeeName"), QStringLiteral("项目名称"), 120}});
    DBG_Type->setRowSelect(true);
    DBG_Type->setReadOnly(true);
    ui::connectHandler(DBG_Type, &ui::DBGrid::cellClicked, this, [this] { DBG_TypeCellClick(); });

    BB_ok = new QPushButton(QStringLiteral("确定"), this);
    BB_ok->setObjectName(QStringLiteral("BB_ok"));
    BB_Cancel = new QPushButton(QStringLiteral("取消"), this);
    BB_Cancel->setObjectName(QStringLiteral("BB_Cancel"));
    ui::connectHandler(BB_ok, &QPushButton::clicked, this, [this] { BB_okClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_ok);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(Label1);
    root->addWidget(DBG_Type, 1);
    root->addLayout(buttons);
}

void TfrmCpsc::formCreate()
{
    DM->DS_FeeType1->setEnabled(false);
    DM->AT_FeeType1->close();
    DM->AT_FeeType1->open();
    DM->DS_FeeType1->setEnabled(true);
    setFormSize(317, 237);
}

void TfrmCpsc::setBuilding(const QString& regionId, const QString& buildId, const QString& buildName)
{
    m_regionId = regionId;
    m_buildId = buildId;
    m_buildName = buildName;
}

void TfrmCpsc::DBG_TypeCellClick()
{
    const data::DataSet& items = *DM->AT_FeeType1;
    m_item.reset();
    if (items.isActive() && !items.isEmpty())
        m_item = fees::ItemKey{items.fieldValue(QStringLiteral("FeeId")).toString(),
                               items.fieldValue(QStringLiteral("FeeName")).toString()};
}

void TfrmCpsc::BB_okClick()
{
    if (session::browseOnly()) {
        close();
        return;
    }
    if (m_regionId.isEmpty() || m_buildId.isEmpty()) {
        ui::Msg::warning(QStringLiteral("请先选择小区和楼宇。"));
        return;
    }
    if (!m_item) {
        ui::Msg::warning(QStringLiteral("请选择要删除的项目。"));
        return;
    }
    if (!ui::Msg::confirm(QStringLiteral("从“%1”的所有房间删除项目“%2”吗？").arg(m_buildName, m_item->feeName)))
        return;
    fees::removeItemFromBuilding(*DM->connection(), m_regionId, m_buildId, *m_item);
    emit itemRemoved();
    close();
}

void TfrmCpsc::BB_CancelClick()
{
    close();
}
