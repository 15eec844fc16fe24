#pragma once
// The register of rewards and penalties given to staff "奖惩登记". Its rows
// are numbered by the window, never by the user: a new row takes the largest
// serial + 1, and takes the next free one again when it is saved if another
// workstation took that serial meanwhile. The grid is the only way to move;
// the employee is named by free text.

#include "templates/RegisterEditor.h"

// The register's row of the register table.
RegisterConfig awardRegister();

class TfrmAward : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmAward(QWidget* parent = nullptr);
    ~TfrmAward() override;

protected:
    void onAdd() override;
    bool validateRecord() override;

private:
    void takeNextSerial();
};
extern TfrmAward* frmAward;
