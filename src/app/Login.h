#pragma once
// The login window. Its Popedom holds the rights level of the user who
// logged in ("0", "1" or "2"); the session reads it (session::level()) for
// the rest of the run.

#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;

class TfrmLogin : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmLogin(QWidget* parent = nullptr);
    ~TfrmLogin() override;

    QString Popedom;

    QLineEdit* txtName = nullptr;
    QLineEdit* txtPass = nullptr;
    QPushButton* bb_Login = nullptr;
    QPushButton* bb_Cancel = nullptr;

    void bb_LoginClick();
    void bb_CancelClick();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool m_closing = false;
};

extern TfrmLogin* frmLogin;
