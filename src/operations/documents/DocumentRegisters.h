#pragma once
// The registers of papers: documents received and sent, and the office's
// contracts. Each window is its row of the register table: a page of typed
// details with their text dates, and a page holding the paper's text.

#include "templates/RegisterEditor.h"

// The rows of the three, in menu order.
QVector<RegisterConfig> documentRegisters();

class TfrmAccept : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmAccept(QWidget* parent = nullptr);
    ~TfrmAccept() override;
};
extern TfrmAccept* frmAccept;

class TfrmSend : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmSend(QWidget* parent = nullptr);
    ~TfrmSend() override;
};
extern TfrmSend* frmSend;

class TfrmPact : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmPact(QWidget* parent = nullptr);
    ~TfrmPact() override;
};
extern TfrmPact* frmPact;
