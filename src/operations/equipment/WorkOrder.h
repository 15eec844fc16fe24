#pragma once
// The repair and maintenance orders: register windows that print the current
// order on its form (OrderPage.h). The two differ only by their row of the
// register table and their order layout. Each memo that the form prints
// takes no more than its band holds, so nothing typed is lost on paper.

#include "operations/equipment/OrderPage.h"
#include "templates/RegisterEditor.h"

namespace report {
class ReportSystem;
}

class WorkOrder : public RegisterEditor {
    Q_OBJECT
public:
    WorkOrder(const char* windowClass, const OrderLayout& layout, QWidget* parent);
    ~WorkOrder() override;

    const OrderLayout& layout() const { return m_layout; }

    report::ReportSystem* RvSystem = nullptr;

    void TB_PrintClick() override;
    // Draws the current record of the window's dataset.
    void RvSystemPrint(report::PageWriter& w);

private:
    const OrderLayout& m_layout;
};

class TfrmMend : public WorkOrder {
    Q_OBJECT
public:
    explicit TfrmMend(QWidget* parent = nullptr);
    ~TfrmMend() override;
};
extern TfrmMend* frmMend;

class TfrmEgis : public WorkOrder {
    Q_OBJECT
public:
    explicit TfrmEgis(QWidget* parent = nullptr);
    ~TfrmEgis() override;
};
extern TfrmEgis* frmEgis;
