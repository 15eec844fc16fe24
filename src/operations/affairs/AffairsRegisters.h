#pragma once
// The five registers of the office's affairs: work plans, staff training,
// community activities, meetings and works projects. Each window is its row
// of the register table; the rows differ in table, fields and type list.

#include "templates/RegisterEditor.h"

// The rows of the five, in menu order.
QVector<RegisterConfig> affairsRegisters();

class TfrmPlans : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmPlans(QWidget* parent = nullptr);
    ~TfrmPlans() override;
};
extern TfrmPlans* frmPlans;

class TfrmPeix : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmPeix(QWidget* parent = nullptr);
    ~TfrmPeix() override;
};
extern TfrmPeix* frmPeix;

class TfrmCampaign : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmCampaign(QWidget* parent = nullptr);
    ~TfrmCampaign() override;
};
extern TfrmCampaign* frmCampaign;

class TfrmMeeting : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmMeeting(QWidget* parent = nullptr);
    ~TfrmMeeting() override;
};
extern TfrmMeeting* frmMeeting;

class TfrmProject : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmProject(QWidget* parent = nullptr);
    ~TfrmProject() override;
};
extern TfrmProject* frmProject;
