#include "templates/ReportHeading.h"

#include "app/DMRegion.h"
#include "platform/data/Field.h"

QString ReportHeading()
{
    if (!DM || !DM->AT_IncI)
        return {};
    data::Table& inc = *DM->AT_IncI;
    if (!inc.isActive() || inc.isEmpty())
        return {};
    // While a new first row is being typed there is no stored name yet.
    if (inc.state() == data::DataSetState::Insert)
        return {};
    const QVariant name = inc.fieldByName(QStringLiteral("IncName"))->oldValue();
    return name.isNull() ? QString() : name.toString();
}
