#include "fees/SCYSK.h"

#include "fees/ChargingSettings.h"
#include "fees/GenerateReceivables.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSCYSK* frmSCYSK = nullptr;

namespace {

QDateEdit* picker(const char* name, const QString& format, QWidget* parent)
{
    auto* p = new QDateEdit(QDate::currentDate(), parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setDisplayFormat(format);
    p->setCalendarPopup(false);
    p->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    return p;
}

QLabel* note(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

}  // namespace

TfrmSCYSK::TfrmSCYSK(QWidget* parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmSCYSK"));
    setFormKey(QStringLiteral("SCYSK"));
    setWindowTitle(QStringLiteral("生成应收款"));
    setShowOnCreate(true);

    E_D = new QLineEdit(QStringLiteral("1"), this);
    E_D->setObjectName(QStringLiteral("E_D"));
    E_D->setMaxLength(1);
    E_D->setMaximumWidth(30);
    DTP_Year = picker("DTP_Year", QStringLiteral("yyyy"), this);
    DTP_Mouth = picker("DTP_Mouth", QStringLiteral("M"), this);
    lbl = new QLabel(this);
    lbl->setObjectName(QStringLiteral("lbl"));
    BB_OK = new QPushButton(QStringLiteral("确定"), this);
    BB_OK->setObjectName(QStringLiteral("BB_OK"));
    BB_OK->setDefault(true);
    BB_Cancel = new QPushButton(QStringLiteral("取消"), this);
    BB_Cancel->setObjectName(QStringLiteral("BB_Cancel"));
    ui::connectHandler(BB_OK, &QPushButton::clicked, this, [this] { BB_OKClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    auto* months = new QHBoxLayout;
    months->addWidget(new QLabel(QStringLiteral("本月收取"), this));
    months->addWidget(E_D);
    months->addWidget(new QLabel(QStringLiteral("个月费用"), this));
    months->addStretch(1);
    auto* date = new QHBoxLayout;
    date->addWidget(new QLabel(QStringLiteral("表单日期："), this));
    date->addWidget(DTP_Year);
    date->addWidget(new QLabel(QStringLiteral("年"), this));
    date->addWidget(DTP_Mouth);
    date->addWidget(new QLabel(QStringLiteral("月"), this));
    date->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_OK);
    buttons->addWidget(BB_Cancel);

    auto* root = new QVBoxLayout(this);
    root->addLayout(months);
    root->addWidget(note(QStringLiteral("例如：表单日期为5月，如果输入3 个月，则以2月为基数"), this));
    root->addLayout(date);
    root->addWidget(note(QStringLiteral("生成收费表单。通常设置为 1 个月。"), this));
    root->addWidget(lbl);
    root->addStretch(1);
    root->addLayout(buttons);
}

void TfrmSCYSK::formCreate()
{
    lbl->setText(fees::settlementNote(fees::readChargingSettings(*DM->connection())));
    setFormSize(380, 240);
    centerOnScreen();
}

void TfrmSCYSK::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void TfrmSCYSK::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the default button, Escape the cancel button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BB_OK->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        BB_Cancel->click();
        return;
    }
    ui::Form::keyPressEvent(e);
}

void TfrmSCYSK::BB_OKClick()
{
    using Outcome = fees::GenerationResult::Outcome;
    if (session::browseOnly()) {
        close();
        return;
    }
    fees::GenerationRequest request;
    request.month = {DTP_Year->date().year(), DTP_Mouth->date().month()};
    request.months = fees::parseMonthCount(E_D->text()).value_or(-1);
    fees::GenerationResult r = fees::GenerateReceivables(*DM->connection(), request);
    if (r.outcome == Outcome::NeedsConfirmation) {
        if (!ui::Msg::confirm(r.message())) {
            close();
            return;
        }
        request.replaceExisting = true;
        r = fees::GenerateReceivables(*DM->connection(), request);
    }
    switch (r.outcome) {
    case Outcome::Generated:
    case Outcome::Regenerated:
        ui::Msg::information(r.message());
        close();
        return;
    case Outcome::InvalidMonth:
    case Outcome::InvalidMonthCount:
        ui::Msg::warning(r.message());
        (r.outcome == Outcome::InvalidMonth ? static_cast<QWidget*>(DTP_Year) : E_D)->setFocus();
        return;
    case Outcome::NeedsConfirmation:
        ui::Msg::warning(r.message());
        close();
        return;
    }
}

void TfrmSCYSK::BB_CancelClick()
{
    close();
}
