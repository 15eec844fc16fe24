#include "fees/Shouqu.h"

#include "fees/AmountToCapitals.h"
#include "fees/Receipt.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Handler.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "templates/ReportHeading.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TfrmShouqu* frmShouqu = nullptr;

namespace {

QString amountText(const data::Decimal& d)
{
    return d.isNull() ? QString() : d.toString();
}

}  // namespace

TfrmShouqu::TfrmShouqu(QWidget* parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmShouqu"));
    setWindowTitle(QStringLiteral("收取"));
    setShowOnCreate(true);

    LV_Shq = new ui::ListView(this);
    LV_Shq->setObjectName(QStringLiteral("LV_Shq"));
    const Qt::Alignment right = Qt::AlignRight;
    LV_Shq->setColumns({{QStringLiteral("费用项目"), 100},
                        {QStringLiteral("本月费用"), 80, right},
                        {QStringLiteral("往月欠款"), 80, right},
                        {QStringLiteral("滞纳金"), 70, right},
                        {QStringLiteral("本月合计"), 80, right},
                        {QStringLiteral("总计"), 90, right}});
    LV_Shq->setGridLines(true);

    BB_Ok = new QPushButton(QStringLiteral("收费"), this);
    BB_Ok->setObjectName(QStringLiteral("BB_Ok"));
    BB_Ok->setDefault(true);
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("出据、收费"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    BB_Cancel = new QPushButton(QStringLiteral("取消"), this);
    BB_Cancel->setObjectName(QStringLiteral("BB_Cancel"));
    BB_CD = new QPushButton(QStringLiteral("重打"), this);
    BB_CD->setObjectName(QStringLiteral("BB_CD"));
    BB_CD->setVisible(false);
    ui::connectHandler(BB_Ok, &QPushButton::clicked, this, [this] { BB_OkClick(); });
    ui::connectHandler(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(QStringLiteral("收款收据"));
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmShouqu::RvSystemPrint);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_Ok);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(BB_Cancel);
    buttons->addWidget(BB_CD);
    auto* root = new QVBoxLayout(this);
    root->addWidget(LV_Shq, 1);
    root->addLayout(buttons);
}

fees::CollectionPlan TfrmShouqu::planFromRequest() const
{
    data::Connection& c = *DM->connection();
    if (m_request.single)
        return fees::planSingleCollection(c, m_request.selectedRow);
    if (!m_request.room)
        return fees::CollectionPlan{};  // nothing due: no room is shown
    return fees::planCollection(c, *m_request.room, m_request.period);
}

void TfrmShouqu::formCreate()
{
    m_plan = planFromRequest();
    if (!m_plan.ready()) {
        ui::Msg::warning(m_plan.message());
        release();
        return;
    }
    fillList();
    setFormSize(580, 280);
    centerOnScreen();
}

void TfrmShouqu::fillList()
{
    int last = -1;
    for (const fees::CollectionItem& it : m_plan.items) {
        if (!it.listed)
            continue;
        last = LV_Shq->addRow({it.feeName, amountText(it.charge), amountText(it.arrears), amountText(it.lateFee),
                               amountText(it.total)});
    }
    if (last >= 0)
        LV_Shq->setRowText(last, 5, amountText(m_plan.total));
}

bool TfrmShouqu::collect(bool writeReceipt)
{
    const fees::CollectionResult r = fees::collect(*DM->connection(), m_plan, writeReceipt);
    emit collected();
    if (!r.succeeded()) {
        // What was listed is no longer what is due: nothing was collected,
        // and the cashier chooses again.
        ui::Msg::warning(r.message());
        release();
        return false;
    }
    m_receipt = r.receipt;
    return true;
}

void TfrmShouqu::BB_OkClick()
{
    if (collect(false))
        close();
}

void TfrmShouqu::SpeedButton1Click()
{
    if (!fees::AmountToCapitals(m_plan.total)) {
        ui::Msg::warning(fees::amountTooLargeMessage());
        return;
    }
    if (!collect(true))
        return;
    // The money is taken and its receipt written: there is nothing left to
    // collect here, and no second receipt for it.
    BB_Ok->setEnabled(false);
    SpeedButton1->setEnabled(false);
    RvSystem->Execute();
}

void TfrmShouqu::BB_CancelClick()
{
    close();
}

void TfrmShouqu::RvSystemPrint(report::PageWriter& w)
{
    if (m_receipt)
        fees::drawReceipt(w, fees::ReceiptValues::of(*m_receipt), ReportHeading());
}

void TfrmShouqu::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void TfrmShouqu::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the default button, Escape the cancel button.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && BB_Ok->isEnabled()) {
        BB_Ok->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        BB_Cancel->click();
        return;
    }
    ui::Form::keyPressEvent(e);
}
