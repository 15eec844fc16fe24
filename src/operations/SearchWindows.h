#pragma once
// The search windows of the office registers. Each is the search template
// configured by its row in SearchWindows.cpp; the classes exist so that each
// window has its own name, by which its register opens it (one at a time,
// owned by the register and freed with it). Each global refers to the open
// window of its class, or is null.

#include "templates/SearchForm.h"

// The configuration of a search window class; throws data::Error for a class
// that is not one.
const SearchConfig& searchConfig(const char* windowClass);
// Every search window's class name and configuration, in the table's order.
const QVector<QPair<QString, SearchConfig>>& searchConfigs();

class TfrmAppFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmAppFind(QWidget* parent = nullptr);
    ~TfrmAppFind() override;
};
extern TfrmAppFind* frmAppFind;

class TfrmEmpFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmEmpFind(QWidget* parent = nullptr);
    ~TfrmEmpFind() override;
};
extern TfrmEmpFind* frmEmpFind;
