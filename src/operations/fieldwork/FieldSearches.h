#pragma once
// The search windows of the field records and the incidents: rows of the
// search table. Their dates are date-time columns and compare as dates.

#include "templates/SearchForm.h"

#include <QPair>

QVector<QPair<QString, SearchConfig>> fieldSearches();

class TfrmPatFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmPatFind(QWidget* parent = nullptr);
    ~TfrmPatFind() override;
};
extern TfrmPatFind* frmPatFind;

class TfrmAffFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmAffFind(QWidget* parent = nullptr);
    ~TfrmAffFind() override;
};
extern TfrmAffFind* frmAffFind;

class TfrmBojeFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmBojeFind(QWidget* parent = nullptr);
    ~TfrmBojeFind() override;
};
extern TfrmBojeFind* frmBojeFind;

class TfrmFirFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmFirFind(QWidget* parent = nullptr);
    ~TfrmFirFind() override;
};
extern TfrmFirFind* frmFirFind;
