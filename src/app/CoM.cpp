#include "app/CoM.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/Handler.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCo* frmCo = nullptr;

TfrmCo::TfrmCo(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmCo"));
    setFormKey(QStringLiteral("Co"));
    setWindowTitle(QStringLiteral("企业基本信息"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    auto addEdit = [&](ui::DBEdit*& edit, const char* name, const QString& label, const char* field) {
        edit = new ui::DBEdit(DM->DS_IncI, QString::fromLatin1(field), GroupBox1);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setEnabled(false);
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(label, GroupBox1), row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
    };
    addEdit(DBE_IncName, "DBE_IncName", QStringLiteral("单位名称："), "IncName");
    addEdit(DBE_IncAddress, "DBE_IncAddress", QStringLiteral("公司地址："), "IncAddress");
    addEdit(DBE_IncPhone, "DBE_IncPhone", QStringLiteral("联系电话："), "IncPhone");
    addEdit(DBE_IncFax, "DBE_IncFax", QStringLiteral("传       真："), "IncFax");

    CheckBox1 = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this, QStringLiteral("CheckBox1"));
    ui::connectHandler(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });

    BB_Save = new QPushButton(QStringLiteral("  保存"), this);
    BB_Save->setObjectName(QStringLiteral("BB_Save"));
    BB_Save->setDefault(true);
    BB_Save->setEnabled(false);
    BB_Cancel = new QPushButton(QStringLiteral("  取消"), this);
    BB_Cancel->setObjectName(QStringLiteral("BB_Cancel"));
    BB_Cancel->setEnabled(false);
    ui::connectHandler(BB_Save, &QPushButton::clicked, this, [this] { BB_SaveClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox1);
    buttons->addStretch(1);
    buttons->addWidget(BB_Save);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(GroupBox1, 1);
    root->addLayout(buttons);
}

void TfrmCo::formCreate()
{
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    DM->DS_IncI->setEnabled(true);
    if (session::browseOnly()) {
        CheckBox1->setVisible(false);
        CheckBox1->setEnabled(false);
        BB_Save->setEnabled(false);
        BB_Cancel->setEnabled(false);
        // A browse-only user changes nothing, by any path.
        ui::setBoundControlsReadOnly(this, true);
    } else {
        CheckBox1->setVisible(true);
        CheckBox1->setEnabled(true);
    }
    DM->DS_IncI->setEnabled(false);
    DM->AT_IncI->close();
    DM->AT_IncI->open();
    DM->DS_IncI->setEnabled(true);
    setFormSize(445, 280);
}

void TfrmCo::formClose(ui::CloseAction& action)
{
    // Whatever was typed and not saved is dropped with the window.
    if (DM->AT_IncI->isEditing())
        DM->AT_IncI->discardEdits();
    action = ui::CloseAction::Free;
}

void TfrmCo::setEditsEnabled(bool on)
{
    for (ui::DBEdit* e : {DBE_IncName, DBE_IncAddress, DBE_IncPhone, DBE_IncFax})
        e->setEnabled(on);
}

void TfrmCo::CheckBox1Click()
{
    // A pending change stays pending; Save or Cancel decides it.
    setEditsEnabled(CheckBox1->isChecked());
}

void TfrmCo::BB_SaveClick()
{
    if (DM->AT_IncI->isEditing())
        DM->AT_IncI->post();
}

void TfrmCo::BB_CancelClick()
{
    if (DM->AT_IncI->isEditing())
        DM->AT_IncI->cancel();
}

void TfrmCo::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the default button, Escape the cancel button.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && BB_Save->isEnabled()) {
        BB_Save->click();
        return;
    }
    if (e->key() == Qt::Key_Escape && BB_Cancel->isEnabled()) {
        BB_Cancel->click();
        return;
    }
    ui::Form::keyPressEvent(e);
}
