#include "app/Login.h"

#include "app/Back.h"
#include "app/Main1.h"
#include "platform/ui/Handler.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmLogin* frmLogin = nullptr;

TfrmLogin::TfrmLogin(QWidget* parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    frmLogin = this;
    session::setLevelSource(&Popedom);
    setWindowTitle(QStringLiteral("用户登录"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    auto* picture = new QLabel(QStringLiteral("物业管理系统"), this);
    QFont pf(QStringLiteral("楷体_GB2312"), 18, QFont::Bold);
    picture->setFont(pf);
    picture->setAlignment(Qt::AlignCenter);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtPass = new QLineEdit(this);
    txtPass->setObjectName(QStringLiteral("txtPass"));
    txtPass->setEchoMode(QLineEdit::Password);
    bb_Login = new QPushButton(QStringLiteral("提交"), this);
    bb_Login->setObjectName(QStringLiteral("bb_Login"));
    bb_Login->setDefault(true);
    bb_Login->setAutoDefault(true);
    bb_Cancel = new QPushButton(QStringLiteral("取消"), this);
    bb_Cancel->setObjectName(QStringLiteral("bb_Cancel"));
    ui::connectHandler(bb_Login, &QPushButton::clicked, this, [this] { bb_LoginClick(); });
    ui::connectHandler(bb_Cancel, &QPushButton::clicked, this, [this] { bb_CancelClick(); });
    ui::connectHandler(txtName, &QLineEdit::returnPressed, this, [this] { bb_LoginClick(); });
    ui::connectHandler(txtPass, &QLineEdit::returnPressed, this, [this] { bb_LoginClick(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("用户名："), this), 1, 0);
    grid->addWidget(txtName, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("口  令："), this), 2, 0);
    grid->addWidget(txtPass, 2, 1, 1, 2);
    grid->addWidget(bb_Login, 3, 1);
    grid->addWidget(bb_Cancel, 3, 2);
    setFixedSize(320, 190);
    centerOnScreen();
}

TfrmLogin::~TfrmLogin()
{
    if (frmLogin == this) {
        frmLogin = nullptr;
        session::setLevelSource(nullptr);
    }
}

void TfrmLogin::bb_LoginClick()
{
    Popedom = DM->CheckLogin(txtName->text(), txtPass->text());
    if (Popedom.isEmpty()) {
        txtName->setFocus();
        txtName->clear();
        txtPass->clear();
        bb_Login->setEnabled(true);
        bb_Cancel->setEnabled(true);
        return;
    }
    ui::Msg::information(QStringLiteral("登录成功"));
    closeSplash();
    auto* nav = new TfrmMain1(nullptr);
    hide();
    ui::runModal(nav);
    // The navigation window's run ends only when the program is ending.
    m_closing = true;
    closeSplash();
    close();
}

void TfrmLogin::bb_CancelClick()
{
    ui::terminate();
}

void TfrmLogin::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        bb_CancelClick();
        return;
    }
    ui::Form::keyPressEvent(e);
}

void TfrmLogin::closeEvent(QCloseEvent* e)
{
    // Closing the login window by its caption button ends the program, as
    // 取消 does.
    e->accept();
    if (!m_closing)
        ui::terminate();
}
