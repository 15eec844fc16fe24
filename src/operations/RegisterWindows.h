#pragma once
// The register windows of the office operations. Each is the register
// template configured by its row in RegisterWindows.cpp; the classes exist so
// that each window has its own name, by which the frame opens it and the data
// module finds its buttons. Each global refers to the open window of its
// class, or is null. A register with code of its own derives its class from
// RegisterEditor in its area's folder and keeps its row here.

#include "templates/RegisterEditor.h"

// The row of a window class; throws data::Error for a class that has none.
const RegisterConfig& registerConfig(const char* windowClass);
// Every row, in the table's order.
const QVector<RegisterConfig>& registerConfigs();

class TfrmAppeal : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmAppeal(QWidget* parent = nullptr);
    ~TfrmAppeal() override;
};
extern TfrmAppeal* frmAppeal;

class TfrmEmployee : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmEmployee(QWidget* parent = nullptr);
    ~TfrmEmployee() override;
};
extern TfrmEmployee* frmEmployee;
