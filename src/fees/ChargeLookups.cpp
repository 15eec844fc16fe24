#include "fees/ChargeLookups.h"

#include "platform/data/TrimmedText.h"
#include "platform/ui/DBLookupComboBox.h"
#include "session/DMRegion.h"

namespace fees {

ui::DBLookupComboBox* newLookup(QWidget* parent, const QString& name, data::DataSource* list,
                                const QString& keyField, const QString& listField)
{
    auto* c = new ui::DBLookupComboBox(parent);
    c->setObjectName(name);
    c->setListSource(list);
    c->setKeyField(keyField);
    c->setListField(listField);
    c->setMinimumContentsLength(10);
    return c;
}

void reopenDistricts()
{
    DM->DS_Regs->setEnabled(true);
    DM->AT_Regs->close();
    DM->AT_Regs->open();
}

void loadBuildings(const QVariant& regionId)
{
    data::Query* q = DM->AQ_Bud;
    DM->DS_Bud->setEnabled(false);
    q->close();
    q->sql().clear();
    q->sql() << QStringLiteral("select * from Build where RegionID=:RegionID ");
    q->param(QStringLiteral("RegionID")).setString(regionId.toString(), 20);
    q->open();
    DM->DS_Bud->setEnabled(true);
}

void loadFeeItems(const QString& kind)
{
    data::Query* q = DM->AQ_FeeLx;
    DM->DS_FeeLx->setEnabled(false);
    q->close();
    q->sql().clear();
    q->sql() << QStringLiteral("select * from feetype1 where JLFlag=:flag");
    q->param(QStringLiteral("flag")).setString(kind, 2);
    q->open();
    DM->DS_FeeLx->setEnabled(true);
}

std::optional<FeeItem> feeItem(const QVariant& key)
{
    data::Query* q = DM->AQ_FeeLx;
    if (!q->isActive() || key.isNull() || !q->locate(QStringLiteral("FeeId"), key))
        return std::nullopt;
    FeeItem item;
    item.id = q->fieldByName(QStringLiteral("FeeId"))->asString();
    item.name = q->fieldByName(QStringLiteral("FeeName"))->asString();
    item.withinPrice = q->fieldByName(QStringLiteral("JNPrice"))->asDecimal();
    item.overPrice = q->fieldByName(QStringLiteral("JWPrice"))->asDecimal();
    item.kind = data::trimmed(q->fieldByName(QStringLiteral("JLFlag"))->asString());
    return item;
}

}  // namespace fees
