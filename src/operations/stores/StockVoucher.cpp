#include "operations/stores/StockVoucher.h"

#include "operations/stores/VoucherPrint.h"
#include "platform/data/Connection.h"
#include "platform/data/DataSet.h"
#include "platform/data/Dialect.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"
#include "templates/ConfiguredWindow.h"
#include "templates/ReportHeading.h"

#include <QCheckBox>
#include <QSqlQuery>

using stores::Direction;
using stores::StockLine;
using stores::StockRefusal;

namespace {

using K = RegisterControl;

const QString kChangedElsewhere = QStringLiteral("该单据已被修改或删除，请刷新后重试。");

// What the two vouchers share; `receipt` chooses the goods-received one.
VoucherKind voucher(bool receipt)
{
    VoucherKind v;
    RegisterConfig& r = v.reg;
    RecordEditorConfig& c = r.record;
    c = registerDefaults();
    r.windowClass = receipt ? QStringLiteral("TfrmInput") : QStringLiteral("TfrmOutput");
    c.caption = receipt ? QStringLiteral("入库") : QStringLiteral("出库");
    c.key = receipt ? QStringLiteral("Input") : QStringLiteral("Output");
    c.dataSet = receipt ? QStringLiteral("AT_IOput") : QStringLiteral("AT_Output");
    c.dataSource = receipt ? QStringLiteral("DS_IOput") : QStringLiteral("DS_Output");
    c.table = receipt ? QStringLiteral("inputs") : QStringLiteral("outputs");
    c.keyFields = {QStringLiteral("ioputID")};
    c.emptyMessage = receipt ? QStringLiteral("除备注外，其余各项均不能为空！")
                             : QStringLiteral("除摘要、备注外，其余各项均不能为空！");
    c.focusKeyOnRequired = false;
    c.existsOnSave = c.existsOnExit = QStringLiteral("该单号记录已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("确实要删除吗？");
    c.findCaption.clear();
    c.printButton = RecordEditorConfig::PrintButton::Enabled;
    c.hasGrid = false;
    c.pages = {QStringLiteral("基本")};
    c.size = QSize(725, 525);
    c.addDefaults = {{QStringLiteral("ioDate"), AddDefault::Today, {}},
                     {QStringLiteral("ioTime"), AddDefault::Now, {}}};
    c.postInTransaction = true;
    const QStringList departments{"", "财务部", "采购部", "客服部", "工程部", "销售部", "保安部"};
    r.controls = {
        {K::Edit, "DBE_IoputId", "ioputID", "单号：", 0, K::Key | K::Required | K::Locked},
        {K::MaskedDate, "DBE_ioDate", "ioDate", "日期：", 0, K::Locked, {}, "!0000/90/90;1"},
        {K::Time, "DBE_IoTime", "ioTime", "时间：", 0, K::Locked},
        {K::Edit, "DBE_GoodsName", "GoodsName", "物品名称：", 0, K::Required},
        {K::TypeList, "DBC_ReperName", "reperName", "物资类别：", 0, 0, {"reperType", "reperName"}},
        {K::Edit, "DBE_IoNum", "ioNum", receipt ? "入库数量：" : "出库数量：", 0, K::Required},
        {K::Combo, "DBC_Dept", "dept", receipt ? "入库部门：" : "领用部门：", 0, 0, departments},
        {K::Edit, "DBE_useMan", "useMan", receipt ? "入库人：" : "领用人：", 0},
        {K::Edit, "DBE_Keeper", "keeper", "保管员：", 0, K::Required},
        {K::Memo, "DBM_Note", "note", "备注：", 0},
    };
    if (receipt) {
        r.controls << K(K::Edit, "DBE_GType", "GType", "规格型号：") << K(K::Edit, "DBE_SccS", "SccS", "生产厂商：");
    } else {
        r.controls << K(K::Edit, "DBE_ZY", "ZY", "摘       要：");
        v.limits = {{QStringLiteral("DBE_ZY"), 38}};
    }
    v.direction = receipt ? Direction::Receipt : Direction::Issue;
    v.form = receipt ? &stores::receiptForm() : &stores::issueForm();
    v.printEndsModify = !receipt;
    return v;
}

}  // namespace

const QVector<VoucherKind>& voucherKinds()
{
    static const QVector<VoucherKind> table = {voucher(true), voucher(false)};
    return table;
}

const VoucherKind& voucherKind(const char* windowClass)
{
    for (const VoucherKind& k : voucherKinds())
        if (k.reg.windowClass == QLatin1String(windowClass))
            return k;
    throw data::Error(QStringLiteral("%1 不是出入库窗口。").arg(QLatin1String(windowClass)));
}

StockVoucher::StockVoucher(const VoucherKind& kind, QWidget* parent)
    : RegisterEditor(kind.reg, parent), m_kind(kind)
{
    for (const auto& [name, chars] : kind.limits)
        if (auto* e = qobject_cast<ui::DBEdit*>(control(name)))
            e->setMaxLength(chars);
    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(kind.form->title);
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &StockVoucher::RvSystemPrint);
}

StockVoucher::~StockVoucher() = default;

std::optional<qint64> StockVoucher::typedQuantity()
{
    auto* edit = qobject_cast<ui::DBEdit*>(control(QStringLiteral("DBE_IoNum")));
    const std::optional<qint64> n = stores::parseQuantity(edit->text());
    if (!n) {
        ui::Msg::warning(stores::kQuantityMessage);
        edit->setFocus();
    }
    return n;
}

bool StockVoucher::validateRecord()
{
    return RegisterEditor::validateRecord() && typedQuantity().has_value();
}

StockLine StockVoucher::storedVoucher()
{
    data::Connection& c = *DM->connection();
    QSqlQuery q = c.exec(QStringLiteral("SELECT GoodsName, ioNum FROM %1 WHERE rid = ?").arg(config().table)
                             + c.dialect().rowLockClause(),
                         {dataSet()->rowId()});
    if (!q.next())
        throw data::Error(kChangedElsewhere);
    const StockLine stored{q.value(0).toString(), QString(),
                           data::Decimal::fromVariant(q.value(1)).orZero().toLongLong()};
    // What this window shows must be what is taken back.
    const StockLine shown{dataSet()->fieldByName(QStringLiteral("GoodsName"))->oldValue().toString(), QString(),
                          data::Decimal::fromVariant(dataSet()->fieldByName(QStringLiteral("ioNum"))->oldValue())
                              .orZero()
                              .toLongLong()};
    if (stored.goods != shown.goods || stored.quantity != shown.quantity)
        throw data::Error(kChangedElsewhere);
    return stored;
}

// Inside the post's transaction, after the checks.
void StockVoucher::beforeSave()
{
    data::DataSet* ds = dataSet();
    std::optional<StockLine> stored;
    if (ds->state() == data::DataSetState::Edit)
        stored = storedVoucher();
    const auto* quantity = qobject_cast<ui::DBEdit*>(control(QStringLiteral("DBE_IoNum")));
    const StockLine edited{ds->fieldByName(QStringLiteral("GoodsName"))->asString(),
                           ds->fieldByName(QStringLiteral("reperName"))->asString(),
                           stores::parseQuantity(quantity->text()).value_or(0)};
    // The field holds the whole number that was checked, whatever the edit's
    // own conversion made of the text.
    ds->fieldByName(QStringLiteral("ioNum"))->setAsInteger(edited.quantity);
    stores::Stock(*DM->connection()).post(m_kind.direction, stored, edited);
}

// Inside the delete's transaction, on the row as stored.
void StockVoucher::deleteDependants()
{
    stores::Stock(*DM->connection()).post(m_kind.direction, storedVoucher(), std::nullopt);
}

void StockVoucher::refused(const StockRefusal& r)
{
    if (r.reason() == StockRefusal::Reason::NothingToReturn)
        ui::Msg::information(r.message());
    else
        ui::Msg::warning(r.message());
}

void StockVoucher::TB_SaveClick()
{
    data::DataSet* ds = dataSet();
    // A quantity that is no number at all would stop the post before its
    // checks; it gets the quantity's own warning here.
    if (ds->isEditing()) {
        const auto* quantity = qobject_cast<ui::DBEdit*>(control(QStringLiteral("DBE_IoNum")));
        if (!quantity->text().trimmed().isEmpty() && !typedQuantity())
            return;
    }
    try {
        RegisterEditor::TB_SaveClick();
    } catch (const StockRefusal& r) {
        refused(r);
        if (m_kind.direction == Direction::Issue) {
            // The refused issue is dropped, as it was typed.
            ds->cancel();
            ModeFlag() = QStringLiteral("N");
            setEditsEnabled(false);
        }
        return;
    }
    if (!ds->isEditing() && CheckBox->isChecked())
        TB_Modi->setEnabled(true);
}

void StockVoucher::TB_CancelClick()
{
    RegisterEditor::TB_CancelClick();
    if (CheckBox->isChecked())
        TB_Modi->setEnabled(true);
}

void StockVoucher::TB_DeleteClick()
{
    try {
        RegisterEditor::TB_DeleteClick();
    } catch (const StockRefusal& r) {
        setEditsEnabled(false);
        refused(r);
    }
}

void StockVoucher::TB_PrintClick()
{
    if (m_kind.printEndsModify)
        ModeFlag() = QStringLiteral("N");
    RvSystem->Execute();
}

void StockVoucher::RvSystemPrint(report::PageWriter& w)
{
    stores::drawVoucher(w, *m_kind.form, *dataSet(), ReportHeading());
}

CONFIGURED_WINDOW(Input, StockVoucher, ::voucherKind)
CONFIGURED_WINDOW(Output, StockVoucher, ::voucherKind)
