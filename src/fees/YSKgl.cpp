#include "fees/YSKgl.h"

#include "fees/AmountToCapitals.h"
#include "fees/FeeGrids.h"
#include "fees/RoomPicker.h"
#include "platform/data/Table.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "templates/ReportHeading.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmYSKgl* frmYSKgl = nullptr;

namespace {

// A detail of the selected item: shown, never typed into.
ui::DBEdit* detail(QWidget* parent, const char* field)
{
    auto* e = new ui::DBEdit(DM->DS_SFeeM, QString::fromLatin1(field), parent);
    e->setObjectName(QStringLiteral("DBE_") + QString::fromLatin1(field));
    e->setEnabled(false);
    return e;
}

}  // namespace

TfrmYSKgl::TfrmYSKgl(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmYSKgl"));
    setFormKey(QStringLiteral("YSkgl"));
    setWindowTitle(QStringLiteral("应收款管理"));

    AT_cFeetype = new data::Table(DM->connection(), this);
    AT_cFeetype->setObjectName(QStringLiteral("AT_cFeetype"));
    AT_cFeetype->setTableName(QStringLiteral("FeeType1"));

    buildLayout();
    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(QStringLiteral("欠费催缴通知单"));
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmYSKgl::RvSystemPrint);
}

void TfrmYSKgl::buildLayout()
{
    fees::RoomPickerOptions options;
    options.leaveHint = QStringLiteral("离开当前窗口");
    options.buildingAfterDistrict = true;
    picker = new fees::RoomPicker(this, options);
    picker->lendControls(*this);
    ui::connectHandler(DBG_JBxx, &ui::DBGrid::cellClicked, this, [this] { DBG_JBxxCellClick(); });
    ui::connectHandler(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    ui::connectHandler(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });

    DBG_YSxm = fees::readOnlyGrid(DM->DS_SFeeM, "DBG_YSxm",
                                  {{QStringLiteral("FeeID"), QStringLiteral("费用编号"), 56},
                                   {QStringLiteral("FeeName"), QStringLiteral("费用名称"), 60},
                                   {QStringLiteral("BYFee"), QStringLiteral("本月费用"), 56},
                                   {QStringLiteral("WYqk"), QStringLiteral("往月欠款"), 56},
                                   {QStringLiteral("ZNJ"), QStringLiteral("滞纳金"), 46},
                                   {QStringLiteral("BYHJ"), QStringLiteral("本月合计"), 56},
                                   {QStringLiteral("flag"), QString(), 48}},
                                  this);
    ui::connectHandler(DBG_YSxm, &ui::DBGrid::cellClicked, this, [this] { DBG_YSxmCellClick(); });
    PopupMenu1 = fees::popupOn(DBG_YSxm, "PopupMenu1");
    N1 = fees::menuItem(PopupMenu1, "N1", QStringLiteral("打印欠费催缴单"));
    ui::connectHandler(N1, &QAction::triggered, this, [this] { N1Click(); });

    PC_1 = new QTabWidget(this);
    PC_1->setObjectName(QStringLiteral("PC_1"));
    TS_KJL = meteredDetails();
    TS_FJL = amountDetails();
    PC_1->addTab(TS_KJL, QStringLiteral("可计量类"));
    PC_1->addTab(TS_FJL, QStringLiteral("非计量类"));
    // The page follows the item; the user does not turn it.
    PC_1->setEnabled(false);

    auto* right = new QVBoxLayout;
    right->addWidget(DBG_YSxm, 1);
    right->addWidget(PC_1);
    auto* body = new QHBoxLayout;
    body->addLayout(picker->roomColumn());
    body->addLayout(right, 1);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(picker->choiceRow());
    root->addLayout(body, 1);
}

QWidget* TfrmYSKgl::meteredDetails()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_KJL"));
    GBox1 = new QGroupBox(page);
    GBox1->setObjectName(QStringLiteral("GBox1"));
    auto* g = new QGridLayout(GBox1);
    g->addWidget(detail(GBox1, "FeeName"), 0, 0, 1, 4);
    const char* const before[] = {"BCNum1", "BCNum2", "BCNum3"};
    const char* const after[] = {"BMNum1", "BMNum2", "BMNum3"};
    g->addWidget(new QLabel(QStringLiteral("上次读数："), GBox1), 2, 0);
    g->addWidget(new QLabel(QStringLiteral("本次读数："), GBox1), 3, 0);
    for (int m = 0; m < 3; ++m) {
        g->addWidget(new QLabel(QStringLiteral("表(%1)").arg(m + 1), GBox1), 1, m + 1, Qt::AlignCenter);
        g->addWidget(detail(GBox1, before[m]), 2, m + 1);
        g->addWidget(detail(GBox1, after[m]), 3, m + 1);
    }
    g->addWidget(new QLabel(QStringLiteral("本次用量合计："), GBox1), 4, 0);
    g->addWidget(detail(GBox1, "Counts"), 4, 1);
    fees::pageOf(page, GBox1);
    return page;
}

QWidget* TfrmYSKgl::amountDetails()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_FJL"));
    GBox2 = new QGroupBox(page);
    GBox2->setObjectName(QStringLiteral("GBox2"));
    auto* g = new QGridLayout(GBox2);
    g->addWidget(detail(GBox2, "FeeName"), 0, 0, 1, 4);
    const std::pair<const char*, const char*> amounts[] = {
        {"本月费用：", "BYFee"}, {"往月欠款：", "WYqk"}, {"滞纳金：", "ZNJ"}, {"本月合计：", "BYHJ"}};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(amounts[i].first), GBox2), 1 + i / 2, (i % 2) * 2, Qt::AlignRight);
        g->addWidget(detail(GBox2, amounts[i].second), 1 + i / 2, (i % 2) * 2 + 1);
    }
    g->addWidget(new QLabel(QStringLiteral("备注：本月合计= 本月费用+ 往月欠款 + 滞纳金"), GBox2), 3, 0, 1, 4);
    fees::pageOf(page, GBox2);
    return page;
}

void TfrmYSKgl::formCreate()
{
    picker->open();
    setFormSize(700, 460);
    centerOnScreen();
}

void TfrmYSKgl::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

const std::optional<fees::RoomKey>& TfrmYSKgl::chosenRoom() const
{
    return picker->chosenRoom();
}

const QString& TfrmYSKgl::period() const
{
    return picker->period();
}

void TfrmYSKgl::DBG_JBxxCellClick()
{
    picker->SelectValue();
    ShowItemPage();
}

void TfrmYSKgl::DBG_YSxmCellClick()
{
    ShowItemPage();
}

void TfrmYSKgl::SpeedButton1Click()
{
    if (picker->findRoom())
        ShowItemPage();
}

void TfrmYSKgl::ShowItemPage()
{
    const data::Query* items = DM->AQ_SFeeM;
    const QString name = items->isActive() && !items->isEmpty()
                             ? items->fieldByName(QStringLiteral("FeeName"))->asString().trimmed()
                             : QString();
    AT_cFeetype->close();
    AT_cFeetype->open();
    QString kind;
    for (AT_cFeetype->first(); !AT_cFeetype->eof(); AT_cFeetype->next())
        if (AT_cFeetype->fieldByName(QStringLiteral("feename"))->asString().trimmed() == name) {
            kind = AT_cFeetype->fieldByName(QStringLiteral("JLFlag"))->asString().trimmed();
            break;
        }
    const bool metered = kind == QLatin1String("A");
    PC_1->setCurrentWidget(metered ? TS_KJL : TS_FJL);
    GBox1->setVisible(metered);
    GBox2->setVisible(!metered);
}

void TfrmYSKgl::N1Click()
{
    const std::optional<fees::RoomKey>& room = picker->chosenRoom();
    if (!picker->chosenRoomComplete()) {
        ui::Msg::information(QStringLiteral("不能打印空记录！"));
        return;
    }
    // The remembered room's own rows, whatever the shared lists hold now.
    m_notice = fees::readArrearsNotice(*DM->connection(), *room, picker->period());
    if (!m_notice.capitals()) {
        ui::Msg::warning(fees::amountTooLargeMessage());
        return;
    }
    RvSystem->Execute();
}

void TfrmYSKgl::RvSystemPrint(report::PageWriter& w)
{
    fees::drawArrearsNotice(w, m_notice, ReportHeading());
}

void TfrmYSKgl::SpeedButton2Click()
{
    close();
}
