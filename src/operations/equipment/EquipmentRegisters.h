#pragma once
// The equipment registers: the equipment itself (no grid; its records are
// reached by the navigation buttons and looked up in its search window), and
// the repair and maintenance orders, whose windows are WorkOrder.

#include "templates/RegisterEditor.h"

// The rows of the equipment register and of the two orders.
QVector<RegisterConfig> equipmentRegisters();

class TfrmFixing : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmFixing(QWidget* parent = nullptr);
    ~TfrmFixing() override;
};
extern TfrmFixing* frmFixing;
