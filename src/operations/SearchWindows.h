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

// One row of the table: the caption "查找。。。" for every window, Find only
// while the conditions show; the print function only where the result prints.
SearchConfig searchRow(const QString& table, const QVector<SearchField>& fields, const QStringList& operators,
                       const QStringList& dateCaptions, const QVector<ui::GridColumn>& columns,
                       std::function<void(SearchForm&)> print = {});
// The operators of most searches: =, <>, >, <.
const QStringList& fourOperators();

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
