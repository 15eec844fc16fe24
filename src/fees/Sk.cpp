#include "fees/Sk.h"

#include "fees/AmountToCapitals.h"
#include "fees/ChargeLookups.h"
#include "fees/Period.h"
#include "fees/Shouqu.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "session/DMRegion.h"
#include "templates/ReportHeading.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmSk* frmSk = nullptr;

namespace {

QString keyText(const QVariant& key)
{
    return key.isNull() ? QString() : data::variantToText(key);
}

QString fieldText(const data::DataSet& ds, const char* name)
{
    return ds.fieldByName(QString::fromLatin1(name))->asString();
}

// A grid that shows rows and is never typed into.
ui::DBGrid* readOnlyGrid(data::DataSource* source, const char* name, const QVector<ui::GridColumn>& columns,
                         QWidget* parent)
{
    auto* g = new ui::DBGrid(source, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setColumns(columns);
    g->setReadOnly(true);
    g->setRowSelect(true);
    return g;
}

// A page of the page control holding one grid, edge to edge.
void pageOf(QWidget* page, QWidget* grid)
{
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(grid);
}

QMenu* popupOn(ui::DBGrid* grid, const char* name)
{
    auto* menu = new QMenu(grid);
    menu->setObjectName(QString::fromLatin1(name));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint& at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
    return menu;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

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
    DBLC_Reg = fees::newLookup(this, QStringLiteral("DBLC_Reg"), DM->DS_Regs, QStringLiteral("RegionId"),
                               QStringLiteral("RegionName"));
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RegCloseUp(); });

    DBLC_Build = fees::newLookup(this, QStringLiteral("DBLC_Build"), DM->DS_Bud, QStringLiteral("BuildId"),
                                 QStringLiteral("BuildName"));
    ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_BuildCloseUp(); });

    DTP_Date = new QDateEdit(QDate::currentDate(), this);
    DTP_Date->setObjectName(QStringLiteral("DTP_Date"));
    DTP_Date->setDisplayFormat(QStringLiteral("yyyy-MM"));
    DTP_Date->setCalendarPopup(true);
    ui::connectHandler(DTP_Date, &QDateEdit::dateChanged, this, [this] { DTP_DateChange(); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("选择小区："), this));
    choices->addWidget(DBLC_Reg, 1);
    choices->addWidget(new QLabel(QStringLiteral("选择楼宇："), this));
    choices->addWidget(DBLC_Build, 1);
    choices->addWidget(new QLabel(QStringLiteral("费用日期："), this));
    choices->addWidget(DTP_Date);

    DBG_JBxx = readOnlyGrid(DM->DS_SFee1, "DBG_JBxx",
                            {{QStringLiteral("UnitName"), QStringLiteral("单元"), 36},
                             {QStringLiteral("RoomNum"), QStringLiteral("房号"), 46},
                             {QStringLiteral("Users"), QStringLiteral("客户名称"), 64},
                             {QStringLiteral("JZm"), QStringLiteral("面积"), 48},
                             {QStringLiteral("UserId"), QString(), 0, false}},
                            this);
    ui::connectHandler(DBG_JBxx, &ui::DBGrid::cellClicked, this, [this] { DBG_JBxxCellClick(); });

    E_D = new QLineEdit(this);
    E_D->setObjectName(QStringLiteral("E_D"));
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("查找房号"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    ui::connectHandler(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("离开  "), this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    ui::connectHandler(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });

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

    DBG_YSxm = readOnlyGrid(DM->DS_SFeeM, "DBG_YSxm",
                            {{QStringLiteral("FeeID"), QStringLiteral("费用编号"), 56},
                             {QStringLiteral("FeeName"), QStringLiteral("费用名称"), 60},
                             {QStringLiteral("BYFee"), QStringLiteral("本月费用"), 56},
                             {QStringLiteral("WYqk"), QStringLiteral("往月欠款"), 56},
                             {QStringLiteral("ZNJ"), QStringLiteral("滞纳金"), 46},
                             {QStringLiteral("BYHJ"), QStringLiteral("本月合计"), 56},
                             {QStringLiteral("flag"), QString(), 48}},
                            TS_YSxm);
    ui::connectHandler(DBG_YSxm, &QAbstractItemView::doubleClicked, this, [this] { N2Click(); });
    PopupMenu1 = popupOn(DBG_YSxm, "PopupMenu1");
    N1 = menuItem(PopupMenu1, "N1", QStringLiteral("收取该项费用"));
    N2 = menuItem(PopupMenu1, "N2", QStringLiteral("收取该用户所有费用"));
    ui::connectHandler(N1, &QAction::triggered, this, [this] { N1Click(); });
    ui::connectHandler(N2, &QAction::triggered, this, [this] { N2Click(); });
    pageOf(TS_YSxm, DBG_YSxm);

    DBG_SFJL = readOnlyGrid(DM->DS_SFSJ, "DBG_SFJL",
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
    PopupMenu2 = popupOn(DBG_SFJL, "PopupMenu2");
    N5 = menuItem(PopupMenu2, "N5", QStringLiteral("票据重打"));
    ui::connectHandler(N5, &QAction::triggered, this, [this] { N5Click(); });
    pageOf(TS_SFjl, DBG_SFJL);

    auto* finder = new QHBoxLayout;
    finder->addWidget(E_D, 1);
    finder->addWidget(SpeedButton1);
    finder->addWidget(SpeedButton2);
    auto* left = new QVBoxLayout;
    left->addWidget(DBG_JBxx, 1);
    left->addLayout(finder);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(PageControl1, 1);
    DBG_JBxx->setFixedWidth(216);
    E_D->setFixedWidth(70);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(choices);
    root->addLayout(body, 1);
}

void TfrmSk::formCreate()
{
    DM->DS_Regs->setEnabled(false);
    DM->AT_Regs->close();
    DM->AT_Regs->open();
    DM->DS_Regs->setEnabled(true);
    clearFeeRows();
    setFormSize(663, 418);
    centerOnScreen();
}

void TfrmSk::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void TfrmSk::DBLC_RegCloseUp()
{
    const QString key = keyText(DBLC_Reg->keyValue());
    if (key.isEmpty())
        return;
    m_regionKey = key;
    data::Query* builds = DM->AQ_Bud;
    builds->close();
    builds->sql().clear();
    builds->sql() << QStringLiteral("select * from Build where RegionID=:RegionID order by rid");
    builds->param(QStringLiteral("RegionID")).setString(m_regionKey, 20);
    builds->open();
    DM->DS_Bud->setEnabled(true);
    // The building chosen before belongs to the district chosen before: it
    // goes, with its rooms and their rows.
    m_buildKey.clear();
    DBLC_Build->setKeyValue(QVariant());
    loadRooms();
    clearFeeRows();
}

void TfrmSk::DBLC_BuildCloseUp()
{
    PageControl1->setEnabled(true);
    m_buildKey = keyText(DBLC_Build->keyValue());
    loadRooms();
    clearFeeRows();
}

void TfrmSk::DTP_DateChange()
{
    loadRooms();
    clearFeeRows();
}

void TfrmSk::loadRooms()
{
    DM->AT_SFSJ->close();
    DM->DS_SFee1->setEnabled(false);
    DM->DS_SFSJ->setEnabled(false);
    if (m_regionKey.isEmpty() || m_buildKey.isEmpty())
        return;
    data::Query* rooms = DM->AQ_SFee1;
    rooms->close();
    rooms->sql().clear();
    rooms->sql() << QStringLiteral("select * from Rooms where RegionID=:RegionID and BuildID=:BuildID and "
                                   "BuildName=:BuildName and Ustate=:Ustate order by rid");
    rooms->param(QStringLiteral("RegionID")).setString(m_regionKey, 20);
    rooms->param(QStringLiteral("BuildID")).setString(m_buildKey, 20);
    rooms->param(QStringLiteral("BuildName")).setString(DBLC_Build->text(), 50);
    rooms->param(QStringLiteral("Ustate")).setString(QStringLiteral("B"), 4);
    rooms->open();
    // The room list's source first, so that the receipts open on the room's
    // own rows rather than on every receipt there is.
    DM->DS_SFee1->setEnabled(true);
    DM->AT_SFSJ->open();
    DM->DS_SFSJ->setEnabled(true);
}

void TfrmSk::clearFeeRows()
{
    DM->DS_SFeeM->setEnabled(false);
    DM->AQ_SFeeM->close();
    m_room.reset();
}

void TfrmSk::SelectValue()
{
    const QDate month = DTP_Date->date();
    m_period = fees::Period{month.year(), month.month()}.text();
    const data::Query* rooms = DM->AQ_SFee1;
    if (m_regionKey.isEmpty() || m_buildKey.isEmpty() || !DM->DS_SFee1->enabled() || !rooms->isActive() ||
        rooms->isEmpty()) {
        clearFeeRows();
        return;
    }
    const fees::RoomKey room{m_regionKey,
                             m_buildKey,
                             fieldText(*rooms, "UnitName"),
                             fieldText(*rooms, "RoomNum"),
                             fieldText(*rooms, "UserId"),
                             fieldText(*rooms, "Users")};
    DM->DS_SFeeM->setEnabled(false);
    data::Query* fees = DM->AQ_SFeeM;
    fees->close();
    fees->sql().clear();
    fees->sql() << QStringLiteral("select * from Fee where RegionId=:RegionId and buildId=:buildId and "
                                  "UnitName=:UnitName and RoomNum=:RoomNum and OwnerID=:OwnerID and "
                                  "OwnerName=:OwnerName and inDate=:inDate order by rid");
    fees->param(QStringLiteral("RegionId")).setString(room.regionId, 20);
    fees->param(QStringLiteral("buildId")).setString(room.buildId, 20);
    fees->param(QStringLiteral("UnitName")).setString(room.unitName, 20);
    fees->param(QStringLiteral("RoomNum")).setString(room.roomNum, 20);
    fees->param(QStringLiteral("OwnerID")).setString(room.ownerId, 20);
    fees->param(QStringLiteral("OwnerName")).setString(room.ownerName, 30);
    fees->param(QStringLiteral("inDate")).setString(m_period, 20);
    fees->open();
    DM->DS_SFeeM->setEnabled(true);
    m_room = room;
}

void TfrmSk::DBG_JBxxCellClick()
{
    if (DM->DS_SFee1->enabled()) {
        DM->AT_SFSJ->close();
        DM->AT_SFSJ->open();
    }
    SelectValue();
}

void TfrmSk::PageControl1Change()
{
    if (DM->DS_SFee1->enabled()) {
        DM->AT_SFSJ->close();
        DM->AT_SFSJ->open();
    }
    // Turning the page reads the chosen room again; it chooses no room.
    if (m_room)
        SelectValue();
}

void TfrmSk::SpeedButton1Click()
{
    const QString wanted = E_D->text();
    data::Query* rooms = DM->AQ_SFee1;
    if (wanted.isEmpty() || !DM->DS_SFee1->enabled() || !rooms->isActive())
        return;
    if (!rooms->locate(QStringLiteral("RoomNum"), wanted))
        return;
    SelectValue();
    DBG_JBxx->setFocus();
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
    r.room = m_room;
    r.period = m_period;
    // The row selected in the list, by its identity, while a room's rows are shown.
    const data::Query* rows = DM->AQ_SFeeM;
    if (r.single && m_room && DM->DS_SFeeM->enabled() && rows->isActive())
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
    if (m_room && fees->isActive()) {
        const qint64 selected = fees->rowId();
        fees->requery();
        fees->gotoRowId(selected);
    }
    if (DM->AT_SFSJ->isActive())
        DM->AT_SFSJ->requery();
}
