#include "fees/CWSet.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

TfrmCWSet* frmCWSet = nullptr;

namespace {

// The settlement day as typed: a whole number from 1 to 29.
std::optional<int> parseDay(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar ch : t)
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    const int day = t.toInt();
    if (day <= 0 || day >= 30)
        return std::nullopt;
    return day;
}

ui::DBComboBox* roundingList(const char* name, const char* field, QWidget* parent)
{
    auto* c = new ui::DBComboBox(DM->DS_CWSet, QString::fromLatin1(field), parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setListOnly(true);
    c->setItems({QStringLiteral("元"), QStringLiteral("角"), QStringLiteral("分")});
    return c;
}

}  // namespace

TfrmCWSet::TfrmCWSet(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmCWSet"));
    setFormKey(QStringLiteral("CWSet"));
    setWindowTitle(QStringLiteral("财务收费设置"));

    auto* settle = new QGroupBox(this);
    auto* sl = new QGridLayout(settle);
    RB_1 = new QRadioButton(QStringLiteral("应收款结算日期定为下月"), settle);
    RB_1->setObjectName(QStringLiteral("RB_1"));
    RB_2 = new QRadioButton(QStringLiteral("应收款结算日期定为本月"), settle);
    RB_2->setObjectName(QStringLiteral("RB_2"));
    E_D = new QLineEdit(QStringLiteral("5"), settle);
    E_D->setObjectName(QStringLiteral("E_D"));
    E_D->setMaxLength(3);
    E_D->setMaximumWidth(50);
    sl->addWidget(RB_1, 0, 0);
    sl->addWidget(RB_2, 1, 0);
    sl->addWidget(E_D, 0, 1, 2, 1);
    sl->addWidget(new QLabel(QStringLiteral("日"), settle), 0, 2, 2, 1);

    auto* late = new QGroupBox(this);
    auto* ll = new QGridLayout(late);
    DBE_KXDate = new ui::DBEdit(DM->DS_CWSet, QStringLiteral("KXDate"), late);
    DBE_KXDate->setObjectName(QStringLiteral("DBE_KXDate"));
    DBE_BL = new ui::DBEdit(DM->DS_CWSet, QStringLiteral("ZNJ"), late);
    DBE_BL->setObjectName(QStringLiteral("DBE_BL"));
    ll->addWidget(new QLabel(QStringLiteral("滞纳金收取宽限天数为"), late), 0, 0, Qt::AlignRight);
    ll->addWidget(DBE_KXDate, 0, 1);
    ll->addWidget(new QLabel(QStringLiteral("天"), late), 0, 2);
    ll->addWidget(new QLabel(QStringLiteral("收取比例"), late), 1, 0, Qt::AlignRight);
    ll->addWidget(DBE_BL, 1, 1);

    auto* rounding = new QGroupBox(this);
    auto* rl = new QGridLayout(rounding);
    CB_JL = roundingList("CB_JL", "JJQ", rounding);
    CB_FJL = roundingList("CB_FJL", "FJQ", rounding);
    rl->addWidget(new QLabel(QStringLiteral("计量类精确到："), rounding), 0, 0, Qt::AlignRight);
    rl->addWidget(CB_JL, 0, 1);
    rl->addWidget(new QLabel(QStringLiteral("非计量类精确到："), rounding), 0, 2, Qt::AlignRight);
    rl->addWidget(CB_FJL, 0, 3);

    CheckBox = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this);
    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
    BB_Ok = new QPushButton(QStringLiteral("确定"), this);
    BB_Ok->setObjectName(QStringLiteral("BB_Ok"));
    BB_Cancel = new QPushButton(QStringLiteral("取消"), this);
    BB_Cancel->setObjectName(QStringLiteral("BB_Cancel"));
    ui::connectHandler(BB_Ok, &QPushButton::clicked, this, [this] { BB_OkClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox);
    buttons->addStretch(1);
    buttons->addWidget(BB_Ok);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(settle);
    root->addWidget(late);
    root->addWidget(rounding);
    root->addStretch(1);
    root->addLayout(buttons);
    setEditsEnabled(false);
}

void TfrmCWSet::setEditsEnabled(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{RB_1, RB_2, E_D, DBE_KXDate, DBE_BL, CB_FJL, CB_JL})
        w->setEnabled(on);
}

void TfrmCWSet::formCreate()
{
    DM->AT_CWSet->close();
    DM->AT_CWSet->open();
    DM->DS_CWSet->setEnabled(true);
    const bool browse = session::browseOnly();
    CheckBox->setVisible(!browse);
    CheckBox->setEnabled(!browse);
    if (browse)
        ui::setBoundControlsReadOnly(this, true);
    // The day in use is shown with its month; 5 when none is stored.
    const qlonglong nextMonth = DM->AT_CWSet->fieldByName(QStringLiteral("JSDate1"))->asInteger();
    const qlonglong thisMonth = DM->AT_CWSet->fieldByName(QStringLiteral("JSDate2"))->asInteger();
    if (nextMonth != 0) {
        RB_1->setChecked(true);
        E_D->setText(QString::number(nextMonth));
    } else if (thisMonth != 0) {
        RB_2->setChecked(true);
        E_D->setText(QString::number(thisMonth));
    }
    setFormSize(418, 265);
    setFocus();
}

void TfrmCWSet::formClose(ui::CloseAction& action)
{
    // Whatever was typed and not saved is dropped with the window.
    if (DM->AT_CWSet->isEditing())
        DM->AT_CWSet->discardEdits();
    action = ui::CloseAction::Free;
}

void TfrmCWSet::CheckBoxClick()
{
    setEditsEnabled(CheckBox->isChecked());
}

void TfrmCWSet::BB_OkClick()
{
    if (session::browseOnly()) {
        close();
        return;
    }
    const std::optional<int> day = parseDay(E_D->text());
    if (!day) {
        ui::Msg::warning(QStringLiteral("应收款结算输入不合法！"));
        return;
    }
    data::DataSet& row = *DM->AT_CWSet;
    row.edit();  // on an empty table this starts the one row
    row.updateRecord();
    // The late fee is the arrears times the rate: a rate of 1 or more, or
    // below 0, is a typing slip, not a rate.
    const data::Decimal rate = row.fieldByName(QStringLiteral("ZNJ"))->asDecimal();
    if (!rate.isNull() && (rate < data::Decimal(0) || rate >= data::Decimal(1))) {
        ui::Msg::warning(QStringLiteral("滞纳金比率应在 0 到 1 之间！"));
        DBE_BL->setFocus();
        return;
    }
    if (RB_2->isChecked()) {
        row.fieldByName(QStringLiteral("JSDate1"))->setAsInteger(0);
        row.fieldByName(QStringLiteral("JSDate2"))->setAsInteger(*day);
    } else if (RB_1->isChecked()) {
        row.fieldByName(QStringLiteral("JSDate1"))->setAsInteger(*day);
        row.fieldByName(QStringLiteral("JSDate2"))->setAsInteger(0);
    }
    row.post();
    close();
}

void TfrmCWSet::BB_CancelClick()
{
    close();
}
