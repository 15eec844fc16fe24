#include "fees/FJL.h"

#include "fees/BulkCharge.h"
#include "fees/ChargeLookups.h"
#include "fees/FeeRows.h"
#include "fees/FJL_dx.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmFJL* frmFJL = nullptr;

using Outcome = fees::BulkChargeResult::Outcome;
using ui::Msg;

TfrmFJL::TfrmFJL(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmFJL"));
    setFormKey(QStringLiteral("FJLJF"));
    setWindowTitle(QStringLiteral("非计量记费"));

    lbl_date = new QLabel(this);
    lbl_date->setObjectName(QStringLiteral("lbl_date"));
    DBLC_FeeType = fees::newLookup(this, QStringLiteral("DBLC_FeeType"), DM->DS_FeeLx, QStringLiteral("FeeId"),
                                   QStringLiteral("FeeName"));
    ui::connectHandler(DBLC_FeeType, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_FeeTypeCloseUp(); });
    E_dj = new QLineEdit(this);
    E_dj->setObjectName(QStringLiteral("E_dj"));
    E_dj->setMaxLength(7);
    ME_sj = new QLineEdit(this);
    ME_sj->setObjectName(QStringLiteral("ME_sj"));
    ME_sj->setInputMask(QStringLiteral("000"));
    ME_sj->setText(QStringLiteral("0"));

    GroupBox1 = new QGroupBox(QStringLiteral("计算标准"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RB_1 = new QRadioButton(QStringLiteral("按建筑面积计算"), GroupBox1);
    RB_1->setObjectName(QStringLiteral("RB_1"));
    RB_2 = new QRadioButton(QStringLiteral("按实用面积计算"), GroupBox1);
    RB_2->setObjectName(QStringLiteral("RB_2"));
    RB_3 = new QRadioButton(QStringLiteral("按房号计算"), GroupBox1);
    RB_3->setObjectName(QStringLiteral("RB_3"));
    RB_3->setChecked(true);
    auto* basis = new QVBoxLayout(GroupBox1);
    basis->setSpacing(2);
    for (QRadioButton* rb : {RB_1, RB_2, RB_3})
        basis->addWidget(rb);

    BitBtn1 = new QPushButton(QStringLiteral("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("取消"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    SB_GR = new ui::SpeedButton(QStringLiteral("个人计费"), this);
    SB_GR->setObjectName(QStringLiteral("SB_GR"));
    ui::connectHandler(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::connectHandler(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::connectHandler(SB_GR, &QPushButton::clicked, this, [this] { SB_GRClick(); });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("费用名称："), DBLC_FeeType);
    fields->addRow(QStringLiteral("请输入单价："), E_dj);
    fields->addRow(QStringLiteral("计算期间："), ME_sj);
    auto* left = new QVBoxLayout;
    left->addWidget(lbl_date);
    left->addLayout(fields);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left, 1);
    upper->addWidget(GroupBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SB_GR);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* root = new QVBoxLayout(this);
    root->addLayout(upper);
    root->addStretch(1);
    root->addLayout(buttons);
}

void TfrmFJL::formCreate()
{
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_period = fees::serverPeriod(*DM->connection());
    lbl_date->setText(chargeDateText(m_period));
    lists::loadFeeItems(fees::kNonMeteredKind);
    setFormSize(345, 238);
}

void TfrmFJL::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void TfrmFJL::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the default button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtn1->click();
        return;
    }
    ui::Form::keyPressEvent(e);
}

void TfrmFJL::DBLC_FeeTypeCloseUp()
{
    const QVariant key = DBLC_FeeType->keyValue();
    m_feeId = key.isNull() ? QString() : key.toString();
    m_feeName = DBLC_FeeType->text();
}

void TfrmFJL::BitBtn1Click()
{
    fees::BulkChargeRequest request;
    request.feeId = m_feeId;
    request.feeName = m_feeName;
    request.priceText = E_dj->text();
    request.monthsText = ME_sj->text();
    request.basis = RB_1->isChecked()   ? fees::ChargeBasis::FloorArea
                    : RB_2->isChecked() ? fees::ChargeBasis::UsableArea
                                        : fees::ChargeBasis::PerRoom;
    request.period = m_period.text();
    fees::BulkChargeResult r;
    try {
        r = fees::bulkCharge(*DM->connection(), request);
    } catch (const data::Error&) {
        Msg::error(fees::bulkChargeFailureMessage());
        return;
    }
    switch (r.outcome) {
    case Outcome::InvalidPrice:
        Msg::warning(r.message());
        E_dj->clear();
        return;
    case Outcome::InvalidMonths:
    case Outcome::MonthsNotPositive:
    case Outcome::TooLarge:
        Msg::warning(r.message());
        return;
    case Outcome::Charged:
        // The charge windows open on these rows show them as they now are.
        fees::FeeRowsNotice::instance().announce();
        Msg::information(r.message());
        return;
    default:
        Msg::information(r.message());
        return;
    }
}

void TfrmFJL::BitBtn2Click()
{
    close();
}

void TfrmFJL::SB_GRClick()
{
    ui::openChildForm(frmFJL_dx);
}
