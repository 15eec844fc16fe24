#include "operations/equipment/WorkOrder.h"

#include "operations/RegisterWindows.h"
#include "platform/data/DataSet.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "templates/ReportHeading.h"

WorkOrder::WorkOrder(const char* windowClass, const OrderLayout& layout, QWidget* parent)
    : RegisterEditor(::registerConfig(windowClass), parent), m_layout(layout)
{
    for (const auto& [field, lines] : layout.memos()) {
        Q_UNUSED(lines);
        if (auto* memo = qobject_cast<ui::DBMemo*>(controlOf(field)))
            memo->setLimit([this, f = field](const QString& text) { return m_layout.memoFits(f, text); });
    }
    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(layout.title);
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &WorkOrder::RvSystemPrint);
}

WorkOrder::~WorkOrder() = default;

void WorkOrder::TB_PrintClick()
{
    ModeFlag() = QStringLiteral("N");
    if (dataSet()->isEmpty()) {
        ui::Msg::information(QStringLiteral("不能打印空记录！"));
        return;
    }
    RvSystem->Execute();
}

void WorkOrder::RvSystemPrint(report::PageWriter& w)
{
    const data::DataSet* ds = dataSet();
    drawOrder(w, m_layout, [ds](const QString& field) { return ds->fieldValue(field); }, ReportHeading());
}

TfrmMend* frmMend = nullptr;

TfrmMend::TfrmMend(QWidget* parent) : WorkOrder("TfrmMend", repairOrderLayout(), parent) {}

TfrmMend::~TfrmMend()
{
    if (frmMend == this)
        frmMend = nullptr;
}

TfrmEgis* frmEgis = nullptr;

TfrmEgis::TfrmEgis(QWidget* parent) : WorkOrder("TfrmEgis", maintenanceOrderLayout(), parent) {}

TfrmEgis::~TfrmEgis()
{
    if (frmEgis == this)
        frmEgis = nullptr;
}
