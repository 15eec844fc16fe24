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
