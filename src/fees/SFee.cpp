#include "fees/SFee.h"

#include "fees/ComputeCharge.h"
#include "fees/Period.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmSFee* frmSFee = nullptr;

using data::Decimal;
using ui::Msg;

namespace {

const char* const kPanelHeads[4] = {"费用项目：", "定额单价：", "超额单价：", "额定量："};

QLabel* panelLabel(QWidget* parent, const QString& text, int width)
{
    auto* l = new QLabel(text, parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(width);
    return l;
}

}  // namespace

TfrmSFee::TfrmSFee(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmSFee"));
    fees::followFeeRows(this);
    setFormKey(QStringLiteral("SFee"));
    setWindowTitle(QStringLiteral("码表收费"));

    AQ_SFee = new data::Query(DM->connection(), this);
    AQ_SFee->setObjectName(QStringLiteral("AQ_SFee"));
    AQ_SFee->beforePost = [this](data::DataSet& ds) { ComputeCharge(ds); };
    DS_SFee = new data::DataSource(AQ_SFee, this);
    DS_SFee->setObjectName(QStringLiteral("DS_SFee"));
    DS_SFee->setEnabled(false);

    DBLC_Reg = fees::newLookup(this, QStringLiteral("DBLC_Reg"), DM->DS_Regs, QStringLiteral("RegionId"),
                               QStringLiteral("RegionName"));
    DBLC_Build = fees::newLookup(this, QStringLiteral("DBLC_Build"), DM->DS_Bud, QStringLiteral("BuildId"),
                                 QStringLiteral("BuildName"));
    DBLC_Build->setEnabled(false);
    DBLC_FeeType = fees::newLookup(this, QStringLiteral("DBLC_FeeType"), DM->DS_FeeLx, QStringLiteral("FeeId"),
                                   QStringLiteral("FeeName"));
    DBLC_FeeType->setEnabled(false);
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_RegCloseUp(); });
    ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_BuildCloseUp(); });
    ui::connectHandler(DBLC_FeeType, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_FeeTypeCloseUp(); });

    DTP_Date = new QDateEdit(QDate::currentDate(), this);
    DTP_Date->setObjectName(QStringLiteral("DTP_Date"));
    DTP_Date->setDisplayFormat(QStringLiteral("yyyy-MM"));
    DTP_Date->setCalendarPopup(true);
    DTP_Date->setMinimumDate(QDate(1900, 1, 1));
    m_shownMonth = DTP_Date->date();
    ui::connectHandler(DTP_Date, &QDateEdit::dateChanged, this, [this] { DTP_DateChange(); });

    E_D = new QLineEdit(this);
    E_D->setObjectName(QStringLiteral("E_D"));
    E_D->setMaximumWidth(90);
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("查找房号"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    ui::connectHandler(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    SB_Exit = new ui::SpeedButton(QStringLiteral("离开"), this);
    SB_Exit->setObjectName(QStringLiteral("SB_Exit"));
    ui::connectHandler(SB_Exit, &QPushButton::clicked, this, [this] { SB_ExitClick(); });

    DBG_SFee = new ui::DBGrid(DS_SFee, this);
    DBG_SFee->setObjectName(QStringLiteral("DBG_SFee"));
    DBG_SFee->installEventFilter(this);
    DBG_SFee->setEnterStoresRow(true);
    setEditableColumns(true);
    fees::lockCollectedRows(DBG_SFee, DS_SFee);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        panel[i] = panelLabel(StatusBar, QString::fromUtf8(kPanelHeads[i]), 150);
        StatusBar->addWidget(panel[i]);
    }
    panel[4] = panelLabel(StatusBar, Msg::appTitle(), 120);
    panel[4]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatusBar->addPermanentWidget(panel[4]);

    auto* top = new QHBoxLayout;
    auto labelled = [&](const QString& caption, QWidget* w) {
        top->addWidget(new QLabel(caption, this));
        top->addWidget(w);
    };
    labelled(QStringLiteral("小区"), DBLC_Reg);
    labelled(QStringLiteral("楼宇"), DBLC_Build);
    labelled(QStringLiteral("项目"), DBLC_FeeType);
    top->addWidget(DTP_Date);
    top->addSpacing(12);
    top->addWidget(E_D);
    top->addWidget(SpeedButton1);
    top->addStretch(1);
    top->addWidget(SB_Exit);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 0);
    root->addLayout(top);
    root->addWidget(DBG_SFee, 1);
    root->addWidget(StatusBar);
}

void TfrmSFee::formCreate()
{
    lists::reopenDistricts();
    lists::loadFeeItems(fees::kMeteredKind);
    // 1000 x 640 when restored; opened maximised, the grid grows with the
    // window and uses the whole of it.
    setFormSize(1000, 640);
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowState(sw->windowState() | Qt::WindowMaximized);
}

bool TfrmSFee::formCloseQuery()
{
    return fees::storeTypedRowOnClose(DBG_SFee, *AQ_SFee);
}

void TfrmSFee::formClose(ui::CloseAction& action)
{
    DS_SFee->setEnabled(false);
    action = ui::CloseAction::Free;
}

QString TfrmSFee::period() const
{
    return fees::Period{DTP_Date->date().year(), DTP_Date->date().month()}.text();
}

void TfrmSFee::setEditableColumns(bool metered)
{
    auto col = [](const char* field, const char* title, int width, bool editable = false, bool visible = true) {
        return ui::GridColumn{QString::fromLatin1(field), QString::fromUtf8(title), width, visible, !editable};
    };
    // A meter whose row has no start reading (a room item set up without
    // one) takes it here, before its end reading can be charged.
    auto start = [&](const char* field, const char* title) {
        ui::GridColumn c = col(field, title, 70, metered);
        c.editableAt = [this, name = c.field](int row) {
            const data::Field* f = AQ_SFee->isActive() ? AQ_SFee->findField(name) : nullptr;
            const QVariant stored = f ? AQ_SFee->storedValueAt(row, f->index()) : QVariant();
            return !stored.isValid() || stored.isNull();
        };
        return c;
    };
    DBG_SFee->setColumns({
        col("UnitName", "单元", 40),
        col("RoomNum", "房间", 50),
        col("ownerID", "", 0, false, false),
        col("ownerName", "业主名", 70),
        col("FeeID", "", 0, false, false),
        col("FeeName", "收费项目", 70),
        start("BCNum1", "表初数[1]"),
        start("BCNum2", "表初数[2]"),
        start("BCNum3", "表初数[3]"),
        col("BMNum1", "表末数[1]", 70, metered),
        col("BMNum2", "表末数[2]", 70, metered),
        col("BMNum3", "表末数[3]", 70, metered),
        col("Counts", "计费用量", 70),
        col("BYFee", "本月费用", 70, !metered),
        col("WYqk", "往月欠款", 70),
        col("ZNJ", "滞纳金", 60),
        col("FTFee", "分摊费用", 70, metered),
        col("BYHJ", "本月合计", 70),
        col("SSJE", "实收金额", 70),
        col("flag", "结清", 60),
        col("DL", "", 0, false, false),
    });
}

void TfrmSFee::reloadRows()
{
    DS_SFee->setEnabled(false);
    AQ_SFee->close();
    if (!m_key.complete())
        return;
    fees::FeeRowsKey key = m_key;
    key.period = period();
    fees::openFeeRows(*AQ_SFee, key);
    DS_SFee->setEnabled(true);
}

void TfrmSFee::refreshRows()
{
    if (DS_SFee->enabled() && AQ_SFee->isActive())
        AQ_SFee->requery();
}

void TfrmSFee::DBLC_RegCloseUp()
{
    const QVariant key = DBLC_Reg->keyValue();
    if (key.isNull())
        return;
    m_key.regionId = key.toString();
    lists::loadBuildings(key.toString());
    DBLC_Build->setEnabled(true);
}

void TfrmSFee::DBLC_BuildCloseUp()
{
    const QVariant key = DBLC_Build->keyValue();
    if (key.isNull())
        return;
    m_key.buildId = key.toString();
    DBLC_FeeType->setEnabled(true);
}

void TfrmSFee::DBLC_FeeTypeCloseUp()
{
    const std::optional<fees::FeeItem> item =
        DBLC_FeeType->currentIndex() < 0 ? std::nullopt : fees::feeItem(DBLC_FeeType->keyValue());
    if (!item) {
        Msg::information(QStringLiteral("尚未设置费用项目，请先设置费用项目。"));
        return;
    }
    // A row being typed is stored with the prices of the item it was typed for.
    if (!ui::guarded([this] { AQ_SFee->checkBrowseMode(); })) {
        DBLC_FeeType->setKeyValue(m_key.feeId.isEmpty() ? QVariant() : QVariant(m_key.feeId));
        return;
    }
    m_item = *item;
    setEditableColumns(m_item.isMetered());
    m_key.feeId = m_item.id;
    m_key.feeName = DBLC_FeeType->text();
    reloadRows();
    panel[0]->setText(QStringLiteral("费用项目： ") + m_item.name);
    panel[1]->setText(QStringLiteral("定额单价： ") + m_item.withinPrice.toString());
    panel[2]->setText(QStringLiteral("超额单价： ") + m_item.overPrice.toString());
}

void TfrmSFee::DTP_DateChange()
{
    // A row being typed is stored before another month is shown; when it
    // cannot be, the picker goes back to the month the grid shows.
    if (!ui::guarded([this] { AQ_SFee->checkBrowseMode(); })) {
        const QSignalBlocker block(DTP_Date);
        DTP_Date->setDate(m_shownMonth);
        return;
    }
    m_shownMonth = DTP_Date->date();
    reloadRows();
}

bool TfrmSFee::DBG_SFeeKeyDown(int key)
{
    return fees::gridKeyDown(DBG_SFee, *AQ_SFee, key);
}

void TfrmSFee::DBG_SFeeKeyUp()
{
    const data::Field* dl = AQ_SFee->isActive() ? AQ_SFee->findField(QStringLiteral("DL")) : nullptr;
    const bool none = !dl || dl->isNull() || dl->asInteger() == 0;
    panel[3]->setText(QStringLiteral("额定量： ") + (none ? QStringLiteral("无") : dl->asString()));
}

void TfrmSFee::SpeedButton1Click()
{
    const QString room = E_D->text().trimmed();
    if (room.isEmpty() || m_key.feeId.isEmpty() || !DS_SFee->enabled() || !AQ_SFee->isActive())
        return;
    const QString month = period();
    const int roomField = AQ_SFee->fieldByName(QStringLiteral("RoomNum"))->index();
    const int monthField = AQ_SFee->fieldByName(QStringLiteral("inDate"))->index();
    for (int row = 0; row < AQ_SFee->recordCount(); ++row) {
        if (AQ_SFee->valueAt(row, roomField).toString().trimmed() == room
            && AQ_SFee->valueAt(row, monthField).toString().trimmed() == month) {
            AQ_SFee->setRecNo(row + 1);
            DBG_SFee->setFocus();
            return;
        }
    }
}

void TfrmSFee::SB_ExitClick()
{
    close();
}

void TfrmSFee::ComputeCharge(data::DataSet& ds)
{
    fees::checkRowBeforePost(ds);
    auto amount = [&ds](const QString& field) { return ds.fieldByName(field)->asDecimal(); };
    auto store = [&ds](const QString& field, const Decimal& v) { ds.fieldByName(field)->setAsDecimal(v); };
    if (!m_item.isMetered()) {
        store("BYHJ", fees::monthTotal(amount("BYFee"), amount("FTFee"), amount("WYqk"), amount("ZNJ")));
        return;
    }
    fees::MeterChargeInput in;
    in.itemName = m_item.name;
    for (int i = 0; i < 3; ++i) {
        in.startReadings[size_t(i)] = amount(QStringLiteral("BCNum%1").arg(i + 1));
        in.endReadings[size_t(i)] = amount(QStringLiteral("BMNum%1").arg(i + 1));
    }
    in.quota = amount("DL");
    in.withinPrice = m_item.withinPrice;
    in.overPrice = m_item.overPrice;
    in.apportioned = amount("FTFee");
    in.arrears = amount("WYqk");
    in.lateFee = amount("ZNJ");
    const fees::MeterCharge charge = fees::ComputeCharge(in);
    if (!charge.ok) {
        Msg::warning(charge.warning);
        throw data::Abort();
    }
    store("Counts", charge.usage);
    store("BYFee", charge.charge);
    store("BYHJ", charge.total);
}

bool TfrmSFee::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == DBG_SFee && e->type() == QEvent::KeyPress) {
        if (DBG_SFeeKeyDown(static_cast<QKeyEvent*>(e)->key()))
            return true;
    } else if (watched == DBG_SFee && e->type() == QEvent::KeyRelease) {
        DBG_SFeeKeyUp();
    }
    return ui::Form::eventFilter(watched, e);
}
