#pragma once
// The search windows of the equipment register and of the two orders: rows
// of the search table. They list what they find and never move the register.

#include "templates/SearchForm.h"

#include <QPair>

QVector<QPair<QString, SearchConfig>> equipmentSearches();

class TfrmFixFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmFixFind(QWidget* parent = nullptr);
    ~TfrmFixFind() override;
};
extern TfrmFixFind* frmFixFind;

class TfrmMendFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmMendFind(QWidget* parent = nullptr);
    ~TfrmMendFind() override;
};
extern TfrmMendFind* frmMendFind;

class TfrmEgisFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmEgisFind(QWidget* parent = nullptr);
    ~TfrmEgisFind() override;
};
extern TfrmEgisFind* frmEgisFind;
