#pragma once
// The dialog "生成应收款": generates a billing month's receivables. It takes
// the month and the number of months charged (the base month is that many
// months earlier), asks before a month that has rows is generated again, runs
// the generation (fees/GenerateReceivables.h) and shows its outcome. It shows
// the settlement day of the charging settings as a note.
//
// Inputs that are not valid are reported and the dialog stays open to correct
// them; after a run, or its refusal, the dialog closes.

#include "platform/ui/Form.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmSCYSK : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSCYSK(QWidget* parent = nullptr);

    QLineEdit* E_D = nullptr;  // n, the months charged
    QDateEdit* DTP_Year = nullptr;
    QDateEdit* DTP_Mouth = nullptr;
    QLabel* lbl = nullptr;  // the settlement note
    QPushButton* BB_OK = nullptr;
    QPushButton* BB_Cancel = nullptr;

    void BB_OKClick();
    void BB_CancelClick();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;
};

extern TfrmSCYSK* frmSCYSK;
