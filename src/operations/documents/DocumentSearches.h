#pragma once
// The search windows of the documents and contracts: rows of the search
// table. Their dates are text "yyyy-MM-dd", which the date captions write
// too, so they compare in date order.

#include "templates/SearchForm.h"

#include <QPair>

QVector<QPair<QString, SearchConfig>> documentSearches();

class TfrmAccFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmAccFind(QWidget* parent = nullptr);
    ~TfrmAccFind() override;
};
extern TfrmAccFind* frmAccFind;

class TfrmSenFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmSenFind(QWidget* parent = nullptr);
    ~TfrmSenFind() override;
};
extern TfrmSenFind* frmSenFind;

class TfrmPactFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmPactFind(QWidget* parent = nullptr);
    ~TfrmPactFind() override;
};
extern TfrmPactFind* frmPactFind;
