#include "fees/Sk.h"

#include "fees/AmountToCapitals.h"
#include "fees/FeeGrids.h"
#include "fees/RoomPicker.h"
#include "fees/Shouqu.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "session/DMRegion.h"
#include "templates/ReportHeading.h"

#include <QAction>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmSk* frmSk = nullptr;

TfrmSk::TfrmSk(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmSk"));
    setFormKey(QStringLiteral("Skgl"));
    setWindowTitle(QStringLiteral("收费管理"));
    buildLayout();
    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(QStringLiteral("收款收据"));
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmSk::RvSystemPrint);
}

void TfrmSk::buildLayout()
{
    fees::RoomPickerOptions options;
    options.leaveCaption = QStringLiteral("离开  ");
    picker = new fees::RoomPicker(this, options);
    picker->lendControls(*this);
    ui::connectHandler(DBG_JBxx, &ui::DBGrid::cellClicked, this, [this] { DBG_JBxxCellClick(); });
    ui::connectHandler(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    ui::connectHandler(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(picker, &fees::RoomPicker::buildingChosen, this, [this] { PageControl1->setEnabled(true); });
    // The receipts follow the room list: closed while it is read again, and
    // opened after its source, so that they open on the room's own rows
    // rather than on every receipt there is.
    connect(picker, &fees::RoomPicker::roomsClosing, this, [] {
        DM->AT_SFSJ->close();
        DM->DS_SFSJ->setEnabled(false);
    });
    connect(picker, &fees::RoomPicker::roomsOpened, this, [] {
        DM->AT_SFSJ->open();
        DM->DS_SFSJ->setEnabled(true);
    });

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setEnabled(false);
    TS_YSxm = new QWidget;
    TS_YSxm->setObjectName(QStringLiteral("TS_YSxm"));
    TS_SFjl = new QWidget;
    TS_SFjl->setObjectName(QStringLiteral("TS_SFjl"));
    PageControl1->addTab(TS_YSxm, QStringLiteral("应收费项目 "));
    PageControl1->addTab(TS_SFjl, QStringLiteral("收费记录 "));
    ui::connectHandler(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    DBG_YSxm = fees::readOnlyGrid(DM->DS_SFeeM, "DBG_YSxm",
                            {{QStringLiteral("FeeID"), QStringLiteral("费用编号"), 56},
                             {QStringLiteral("FeeName"), QStringLiteral("费用名称"), 60},
                             {QStringLiteral("BYFee"), QStringLiteral("本月费用"), 56},
                             {QStringLiteral("WYqk"), QStringLiteral("往月欠款"), 56},
                             {QStringLiteral("ZNJ"), QStringLiteral("滞纳金"), 46},
                             {QStringLiteral("BYHJ"), QStringLiteral("本月合计"), 56},
                             {QStringLiteral("flag"), QString(), 48}},
                            TS_YSxm);
    ui::connectHandler(DBG_YSxm, &QAbstractItemView::doubleClicked, this, [this] { N2Click(); });
    PopupMenu1 = fees::popupOn(DBG_YSxm, "PopupMenu1");
    N1 = fees::menuItem(PopupMenu1, "N1", QStringLiteral("收取该项费用"));
    N2 = fees::menuItem(PopupMenu1, "N2", QStringLiteral("收取该用户所有费用"));
    ui::connectHandler(N1, &QAction::triggered, this, [this] { N1Click(); });
    ui::connectHandler(N2, &QAction::triggered, this, [this] { N2Click(); });
    fees::pageOf(TS_YSxm, DBG_YSxm);

    DBG_SFJL = fees::readOnlyGrid(DM->DS_SFSJ, "DBG_SFJL",
                            {{QStringLiteral("SJNum"), QStringLiteral("收据号码"), 60},
                             {QStringLiteral("KPDate"), QStringLiteral("出据日期"), 80},
                             {QStringLiteral("SFzy"), QStringLiteral("收费摘要"), 150},
                             {QStringLiteral("FSje"), QStringLiteral("实收金额"), 70},
                             {QStringLiteral("RegionId"), QString(), 0, false},
                             {QStringLiteral("BuildId"), QString(), 0, false},
                             {QStringLiteral("UnitName"), QString(), 0, false},
                             {QStringLiteral("RoomNum"), QString(), 0, false},
                             {QStringLiteral("ownerId"), QString(), 0, false},
                             {QStringLiteral("ownerName"), QString(), 0, false}},
                            TS_SFjl);
    PopupMenu2 = fees::popupOn(DBG_SFJL, "PopupMenu2");
    N5 = fees::menuItem(PopupMenu2, "N5", QStringLiteral("票据重打"));
    ui::connectHandler(N5, &QAction::triggered, this, [this] { N5Click(); });
    fees::pageOf(TS_SFjl, DBG_SFJL);

    auto* body = new QHBoxLayout;
    body->addLayout(picker->roomColumn());
    body->addWidget(PageControl1, 1);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(picker->choiceRow());
    root->addLayout(body, 1);
}

void TfrmSk::formCreate()
{
    picker->open();
    setFormSize(663, 418);
    centerOnScreen();
}

void TfrmSk::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

const std::optional<fees::RoomKey>& TfrmSk::chosenRoom() const
{
    return picker->chosenRoom();
}

const QString& TfrmSk::period() const
{
    return picker->period();
}

void TfrmSk::DBG_JBxxCellClick()
{
    if (DM->DS_SFee1->enabled()) {
        DM->AT_SFSJ->close();
        DM->AT_SFSJ->open();
    }
    picker->SelectValue();
}

void TfrmSk::PageControl1Change()
{
    if (DM->DS_SFee1->enabled()) {
        DM->AT_SFSJ->close();
        DM->AT_SFSJ->open();
    }
    // Turning the page reads the chosen room again; it chooses no room.
    if (picker->chosenRoom())
        picker->SelectValue();
}

void TfrmSk::SpeedButton1Click()
{
    picker->findRoom();
}

void TfrmSk::N1Click()
{
    openCollection(QStringLiteral("Single"));
}

void TfrmSk::N2Click()
{
    openCollection(QStringLiteral("All"));
}

void TfrmSk::openCollection(const QString& mode)
{
    CollectMode = mode;
    ui::openChildForm(frmShouqu, this, [this](TfrmShouqu& dialog) {
        dialog.setRequest(collectionRequest());
        ui::connectHandler(&dialog, &TfrmShouqu::collected, this, &TfrmSk::collectionDone);
    });
}

CollectionRequest TfrmSk::collectionRequest() const
{
    CollectionRequest r;
    r.single = CollectMode == QStringLiteral("Single");
    r.room = chosenRoom();
    r.period = period();
    // The row selected in the list, by its identity, while a room's rows are shown.
    const data::Query* rows = DM->AQ_SFeeM;
    if (r.single && chosenRoom() && DM->DS_SFeeM->enabled() && rows->isActive())
        r.selectedRow = rows->rowId();
    return r;
}

void TfrmSk::N5Click()
{
    data::Table* receipts = DM->AT_SFSJ;
    if (!DM->DS_SFSJ->enabled() || !receipts->isActive() || receipts->isEmpty()) {
        ui::Msg::warning(QStringLiteral("不能打印空记录！"));
        return;
    }
    m_reprint = fees::ReceiptValues::fromRow(*receipts);
    if (!m_reprint.capitals()) {
        ui::Msg::warning(fees::amountTooLargeMessage());
        return;
    }
    RvSystem->Execute();
}

void TfrmSk::RvSystemPrint(report::PageWriter& w)
{
    fees::drawReceipt(w, m_reprint, ReportHeading());
}

void TfrmSk::SpeedButton2Click()
{
    close();
}

void TfrmSk::collectionDone()
{
    data::Query* fees = DM->AQ_SFeeM;
    if (picker->chosenRoom() && fees->isActive()) {
        const qint64 selected = fees->rowId();
        fees->requery();
        fees->gotoRowId(selected);
    }
    if (DM->AT_SFSJ->isActive())
        DM->AT_SFSJ->requery();
}
