#pragma once
// The search windows of the five affairs registers: rows of the search table.

#include "templates/SearchForm.h"

#include <QPair>

QVector<QPair<QString, SearchConfig>> affairsSearches();

class TfrmPlanFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmPlanFind(QWidget* parent = nullptr);
    ~TfrmPlanFind() override;
};
extern TfrmPlanFind* frmPlanFind;

class TfrmPeixFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmPeixFind(QWidget* parent = nullptr);
    ~TfrmPeixFind() override;
};
extern TfrmPeixFind* frmPeixFind;

class TfrmCampFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmCampFind(QWidget* parent = nullptr);
    ~TfrmCampFind() override;
};
extern TfrmCampFind* frmCampFind;

class TfrmMeetFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmMeetFind(QWidget* parent = nullptr);
    ~TfrmMeetFind() override;
};
extern TfrmMeetFind* frmMeetFind;

class TfrmPrjFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmPrjFind(QWidget* parent = nullptr);
    ~TfrmPrjFind() override;
};
extern TfrmPrjFind* frmPrjFind;
