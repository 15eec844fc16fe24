#include "app/SystemM.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

TfrmSystem* frmSystem = nullptr;

TfrmSystem::TfrmSystem(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setWindowTitle(QStringLiteral("用户设置"));
    data::DataSource* src = DM->DS_Users;

    DBGrid1 = new ui::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(src);
    DBGrid1->setColumns({{QStringLiteral("userName"), QStringLiteral("用户名"), 120, true, true},
                         {QStringLiteral("userPopedom"), QStringLiteral("操作级别"), 80, true, true}});
    DBGrid1->setRowSelect(true);
    DBGrid1->setReadOnly(true);
    ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1CellClick(); });
    ui::connectHandler(DBGrid1, &ui::DBGrid::columnEntered, this, [this] { DBGrid1CellClick(); });

    DBE_Name = new ui::DBEdit(src, QStringLiteral("userName"), this);
    DBE_Name->setObjectName(QStringLiteral("DBE_Name"));
    DBE_Pass = new ui::DBEdit(src, QStringLiteral("userPass"), this);
    DBE_Pass->setObjectName(QStringLiteral("DBE_Pass"));
    DBE_Pass->setPasswordChar(true);
    DBE_Popedom = new ui::DBEdit(src, QStringLiteral("userPopedom"), this);
    DBE_Popedom->setObjectName(QStringLiteral("DBE_Popedom"));
    E_Pass = new QLineEdit(this);
    E_Pass->setObjectName(QStringLiteral("E_Pass"));
    E_Pass->setEchoMode(QLineEdit::Password);
    E_Pass->setMaxLength(20);
    setEditsEnabled(false);
    setTabOrder(DBE_Name, DBE_Pass);
    setTabOrder(DBE_Pass, E_Pass);
    setTabOrder(E_Pass, DBE_Popedom);
    // Accounts are added and deleted, never changed: the edits are open only
    // while a new account is typed, whichever way the cursor moves.
    auto follow = [this] { setEditsEnabled(DM->AT_Users->state() == data::DataSetState::Insert); };
    connect(src, &data::DataSource::stateChanged, this, follow);
    connect(src, &data::DataSource::dataChanged, this, follow);

    CheckBox1 = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this, QStringLiteral("CheckBox1"));
    ui::connectHandler(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });

    DBNag = new ui::DBNavigator(src, this);
    DBNag->setObjectName(QStringLiteral("DBNag"));
    DBNag->hide();

    auto* box = new QGroupBox(QStringLiteral("基本资料"), this);
    auto* g = new QGridLayout(box);
    int row = 0;
    auto line = [&](const QString& label, QWidget* w) {
        g->addWidget(new QLabel(label, box), row, 0, Qt::AlignRight);
        g->addWidget(w, row++, 1);
    };
    line(QStringLiteral("用户名："), DBE_Name);
    line(QStringLiteral("口    令："), DBE_Pass);
    line(QStringLiteral("校    验："), E_Pass);
    line(QStringLiteral("操作级别："), DBE_Popedom);
    for (const char* text : {"操作级别共3 级： 0 级为超级管理员", "1 级为普通可读写用户", "2 级为只能浏览用户"})
        g->addWidget(new QLabel(QString::fromUtf8(text), box), row++, 1);
    g->setRowStretch(row, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(CheckBox1, 0, Qt::AlignRight);
    right->addWidget(box, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(DBGrid1, 1);
    body->addLayout(right, 1);
    auto* root = new QVBoxLayout(this);
    root->addWidget(buildToolBar());
    root->addLayout(body, 1);
}

TfrmSystem::~TfrmSystem()
{
    if (DM && DM->AT_Users->beforePost)
        DM->AT_Users->beforePost = nullptr;
    if (DM)
        DM->AT_Users->beforeDelete = nullptr;
}

QToolBar* TfrmSystem::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [&](ui::ToolButton*& b, const char* name, const QString& caption, std::function<void()> run) {
        ui::addToolButton(bar, b, name, caption, this, std::move(run));
    };
    data::DataSet* ds = DM->AT_Users;
    add(TB_Add, "TB_Add", QStringLiteral("添加用户 "), [this] { TB_AddClick(); });
    add(TB_Delete, "TB_Delete", QStringLiteral("删除用户 "), [this] { TB_DeleteClick(); });
    add(TB_Cancel, "TB_Cancel", QStringLiteral("取消"), [this] { TB_CancelClick(); });
    add(TB_Save, "TB_Save", QStringLiteral("保存"), [this] { TB_SaveClick(); });
    bar->addSeparator();
    add(TB_First, "TB_First", QStringLiteral("首条"), [ds] { ds->first(); });
    add(TB_Prev, "TB_Prev", QStringLiteral("上一条"), [ds] { ds->prior(); });
    add(TB_Next, "TB_Next", QStringLiteral("下一条"), [ds] { ds->next(); });
    add(TB_Last, "TB_Last", QStringLiteral("最后一条"), [ds] { ds->last(); });
    add(TB_Refresh, "TB_Refresh", QStringLiteral("刷新"), [ds] { ds->requery(); });
    add(TB_Exit, "TB_Exit", QStringLiteral("离开"), [this] { close(); });
    for (ui::ToolButton* b : {TB_Add, TB_Delete, TB_Cancel, TB_Save})
        b->setEnabled(false);
    return bar;
}

void TfrmSystem::setEditsEnabled(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{DBE_Name, DBE_Pass, DBE_Popedom, E_Pass})
        w->setEnabled(on);
}

void TfrmSystem::formCreate()
{
    data::DataSet* ds = DM->AT_Users;
    E_Pass->setText(DBE_Pass->text());
    DM->DS_Users->setEnabled(true);
    if (session::level() == 0) {
        CheckBox1->setVisible(true);
        CheckBox1->setEnabled(true);
    } else {
        CheckBox1->setVisible(false);
        CheckBox1->setEnabled(false);
        for (ui::ToolButton* b : {TB_Add, TB_Delete, TB_Save})
            b->setEnabled(false);
        // Only the super administrator changes accounts, by any path.
        ui::setBoundControlsReadOnly(this, true);
    }
    if (ds->recordCount() == 0)
        for (ui::ToolButton* b : {TB_First, TB_Prev, TB_Next, TB_Last})
            b->setEnabled(false);
    ds->beforePost = [this](data::DataSet&) {
        if (!accountIsValid())
            throw data::Abort();
    };
    ds->beforeDelete = [](data::DataSet& d) {
        // The office must keep a super administrator.
        if (d.fieldByName(QStringLiteral("userPopedom"))->oldValue().toLongLong() != 0
            || d.fieldByName(QStringLiteral("userPopedom"))->oldValue().isNull())
            return;
        const int admins = DM->connection()
                               ->scalar(QStringLiteral("SELECT count(*) FROM users WHERE userPopedom = 0"))
                               .toInt();
        if (admins <= 1) {
            ui::Msg::warning(QStringLiteral("这是最后一个超级管理员帐户，不能删除！"));
            throw data::Abort();
        }
    };
    ds->close();
    ds->open();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmSystem::formClose(ui::CloseAction& action)
{
    if (DM->AT_Users->isEditing())
        DM->AT_Users->discardEdits();
    action = ui::CloseAction::Free;
}

bool TfrmSystem::accountIsValid()
{
    if (DM->AT_Users->state() == data::DataSetState::Edit) {
        ui::Msg::warning(QStringLiteral("已有的用户只能删除，不能修改！"));
        return false;
    }
    if (DBE_Pass->text() != E_Pass->text()) {
        ui::Msg::warning(QStringLiteral("密码校验错误!"));
        DBE_Pass->setText(QString());
        E_Pass->clear();
        DBE_Pass->setFocus();
        return false;
    }
    data::Field* level = DM->AT_Users->fieldByName(QStringLiteral("userPopedom"));
    const qlonglong n = level->isNull() ? -1 : level->asInteger();
    if (n < 0 || n > 2) {
        // An account without a level 0, 1 or 2 could never log in as meant.
        ui::Msg::warning(QStringLiteral("操作级别只能是 0、1 或 2！"));
        DBE_Popedom->setFocus();
        return false;
    }
    return true;
}

void TfrmSystem::CheckBox1Click()
{
    if (!CheckBox1->isChecked()) {
        setEditsEnabled(false);
        for (ui::ToolButton* b : {TB_Add, TB_Delete, TB_Save, TB_Cancel})
            b->setEnabled(false);
    } else {
        TB_Add->setEnabled(true);
        TB_Delete->setEnabled(true);
    }
}

void TfrmSystem::TB_AddClick()
{
    data::DataSet* ds = DM->AT_Users;
    ds->checkBrowseMode();
    setEditsEnabled(true);
    E_Pass->clear();
    // The largest number in use + 1, so numbers are never reused.
    const qlonglong next =
        DM->connection()->scalar(QStringLiteral("SELECT max(userID) FROM users")).toLongLong() + 1;
    DM->DS_Users->setEnabled(false);
    ds->last();
    ds->insert();
    ds->fieldByName(QStringLiteral("userID"))->setAsInteger(next);
    DM->DS_Users->setEnabled(true);
    TB_Save->setEnabled(true);
    TB_Delete->setEnabled(true);
    TB_Cancel->setEnabled(true);
    TB_Add->setEnabled(false);
    DBE_Name->setFocus();
}

void TfrmSystem::TB_SaveClick()
{
    data::DataSet* ds = DM->AT_Users;
    if (!ds->isEditing())
        return;
    try {
        ds->post();
    } catch (const data::Abort&) {
        return;
    }
    TB_Save->setEnabled(false);
    TB_Cancel->setEnabled(false);
    TB_Add->setEnabled(true);
    TB_Delete->setEnabled(true);
}

void TfrmSystem::TB_CancelClick()
{
    DM->AT_Users->cancel();
    setEditsEnabled(false);
    TB_Add->setEnabled(true);
}

void TfrmSystem::TB_DeleteClick()
{
    ui::quietly([this] { DBNag->btnClick(ui::DBNavigator::Delete); });
}

void TfrmSystem::DBGrid1CellClick()
{
    E_Pass->setText(DBE_Pass->text());
    setEditsEnabled(false);
    if (DM->AT_Users->isEditing())
        DM->AT_Users->discardEdits();
    if (CheckBox1->isChecked())
        TB_Delete->setEnabled(true);
}
