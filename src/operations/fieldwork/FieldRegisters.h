#pragma once
// The records of field work, one row per visit: security patrols,
// sanitation work and fire checks, and the security incidents. Each window is
// its row of the register table. A visit's date and time are those of its
// Add and are never typed; its number is fixed once saved. Incidents have no
// number at all: they are named, names repeat, and a delete takes exactly
// the row chosen.

#include "templates/RegisterEditor.h"

// The rows of the four, in menu order.
QVector<RegisterConfig> fieldRegisters();

class TfrmPatrol : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmPatrol(QWidget* parent = nullptr);
    ~TfrmPatrol() override;
};
extern TfrmPatrol* frmPatrol;

class TfrmBoanAffair : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmBoanAffair(QWidget* parent = nullptr);
    ~TfrmBoanAffair() override;
};
extern TfrmBoanAffair* frmBoanAffair;

class TfrmBojeWork : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmBojeWork(QWidget* parent = nullptr);
    ~TfrmBojeWork() override;
};
extern TfrmBojeWork* frmBojeWork;

class TfrmFirCheck : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmFirCheck(QWidget* parent = nullptr);
    ~TfrmFirCheck() override;
};
extern TfrmFirCheck* frmFirCheck;
