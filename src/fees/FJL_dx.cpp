#include "fees/FJL_dx.h"

#include "fees/ChargeLookups.h"
#include "fees/ComputeCharge.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Handler.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

TfrmFJL_dx* frmFJL_dx = nullptr;

TfrmFJL_dx::TfrmFJL_dx(QWidget* parent) : ui::Form(parent)
{
    setMdiChild(true);
    setObjectName(QStringLiteral("frmFJL_dx"));
    fees::followFeeRows(this);
    setFormKey(QStringLiteral("FJL_dx"));
    setWindowTitle(QStringLiteral("非计量费用添加"));

    AQ_SFee = new data::Query(DM->connection(), this);
    AQ_SFee->setObjectName(QStringLiteral("AQ_SFee"));
    AQ_SFee->beforePost = [this](data::DataSet& ds) { AQ_SFeeBeforePost(ds); };
    DS_SFee = new data::DataSource(AQ_SFee, this);
    DS_SFee->setObjectName(QStringLiteral("DS_SFee"));
    DS_SFee->setEnabled(false);

    lbl_date = new QLabel(this);
    lbl_date->setObjectName(QStringLiteral("lbl_date"));
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
    SB_Exit = new ui::SpeedButton(QStringLiteral("离开"), this);
    SB_Exit->setObjectName(QStringLiteral("SB_Exit"));
    ui::connectHandler(SB_Exit, &QPushButton::clicked, this, [this] { SB_ExitClick(); });

    DBG_SFee = new ui::DBGrid(DS_SFee, this);
    DBG_SFee->setObjectName(QStringLiteral("DBG_SFee"));
    DBG_SFee->installEventFilter(this);
    DBG_SFee->setEnterStoresRow(true);
    auto col = [](const char* field, const char* title, int width, bool editable = false) {
        return ui::GridColumn{QString::fromLatin1(field), QString::fromUtf8(title), width, true, !editable};
    };
    DBG_SFee->setColumns({col("UnitName", "单元", 50), col("RoomNum", "房间", 60), col("ownerName", "业主名", 80),
                          col("FeeName", "收费项目", 80), col("BYFee", "本月费用", 80, true),
                          col("WYqk", "往月欠款", 80), col("ZNJ", "滞纳金", 70), col("FTFee", "分摊费用", 80, true),
                          col("BYHJ", "本月合计", 80)});
    fees::lockCollectedRows(DBG_SFee, DS_SFee);

    auto* top = new QHBoxLayout;
    auto labelled = [&](const QString& caption, QWidget* w) {
        top->addWidget(new QLabel(caption, this));
        top->addWidget(w);
    };
    labelled(QStringLiteral("小区"), DBLC_Reg);
    labelled(QStringLiteral("楼宇"), DBLC_Build);
    labelled(QStringLiteral("项目"), DBLC_FeeType);
    top->addSpacing(12);
    top->addWidget(lbl_date);
    top->addStretch(1);
    top->addWidget(SB_Exit);
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(DBG_SFee, 1);
}

void TfrmFJL_dx::formCreate()
{
    m_period = fees::serverPeriod(*DM->connection());
    m_key.period = m_period.text();
    lbl_date->setText(chargeDateText(m_period));
    lists::reopenDistricts();
    lists::loadFeeItems(fees::kNonMeteredKind);
    setFormSize(760, 480);
}

bool TfrmFJL_dx::formCloseQuery()
{
    return fees::storeTypedRowOnClose(DBG_SFee, *AQ_SFee);
}

void TfrmFJL_dx::formClose(ui::CloseAction& action)
{
    DS_SFee->setEnabled(false);
    action = ui::CloseAction::Free;
}

void TfrmFJL_dx::refreshRows()
{
    if (DS_SFee->enabled() && AQ_SFee->isActive())
        AQ_SFee->requery();
}

void TfrmFJL_dx::DBLC_RegCloseUp()
{
    const QVariant key = DBLC_Reg->keyValue();
    if (key.isNull())
        return;
    m_key.regionId = key.toString();
    lists::loadBuildings(key.toString());
    DBLC_Build->setEnabled(true);
}

void TfrmFJL_dx::DBLC_BuildCloseUp()
{
    const QVariant key = DBLC_Build->keyValue();
    if (key.isNull())
        return;
    m_key.buildId = key.toString();
    DBLC_FeeType->setEnabled(true);
}

void TfrmFJL_dx::DBLC_FeeTypeCloseUp()
{
    const QVariant key = DBLC_FeeType->keyValue();
    if (key.isNull())
        return;
    // A row being typed is stored before other rows are shown.
    if (!ui::guarded([this] { AQ_SFee->checkBrowseMode(); })) {
        DBLC_FeeType->setKeyValue(m_key.feeId.isEmpty() ? QVariant() : QVariant(m_key.feeId));
        return;
    }
    m_key.feeId = key.toString();
    m_key.feeName = DBLC_FeeType->text();
    if (!m_key.complete())
        return;
    DS_SFee->setEnabled(false);
    fees::openFeeRows(*AQ_SFee, m_key);
    DS_SFee->setEnabled(true);
}

bool TfrmFJL_dx::DBG_SFeeKeyDown(int key)
{
    return fees::gridKeyDown(DBG_SFee, *AQ_SFee, key);
}

void TfrmFJL_dx::SB_ExitClick()
{
    close();
}

void TfrmFJL_dx::AQ_SFeeBeforePost(data::DataSet& ds)
{
    fees::checkRowBeforePost(ds);
    auto amount = [&ds](const QString& field) { return ds.fieldByName(field)->asDecimal(); };
    ds.fieldByName(QStringLiteral("BYHJ"))
        ->setAsDecimal(fees::monthTotal(amount(QStringLiteral("BYFee")), amount(QStringLiteral("FTFee")),
                                        amount(QStringLiteral("WYqk")), amount(QStringLiteral("ZNJ"))));
}

bool TfrmFJL_dx::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == DBG_SFee && e->type() == QEvent::KeyPress && DBG_SFeeKeyDown(static_cast<QKeyEvent*>(e)->key()))
        return true;
    return ui::Form::eventFilter(watched, e);
}
