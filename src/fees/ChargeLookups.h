#pragma once
// The lookups of the charge windows: district, building and fee item, over
// the data module's shared lists DM.AT_Regs, DM.AQ_Bud and DM.AQ_FeeLx (loaded
// by reference/SharedLists).
//
// The item list is shared by the meter-reading window and the two
// non-metered windows: each loads it with the kind of item it charges when it
// is created, so the window opened last decides what the list holds, in every
// one of them.

#include "platform/data/Decimal.h"

#include <QString>
#include <QVariant>
#include <optional>

class QWidget;
namespace data { class DataSource; }
namespace ui { class DBLookupComboBox; }

namespace fees {

// FeeType1.JLFlag: metered items are charged from readings, non-metered
// ones as an amount.
inline const QString kMeteredKind = QStringLiteral("A");
inline const QString kNonMeteredKind = QStringLiteral("F");

// An unbound lookup over a list data source, named as the windows name it.
ui::DBLookupComboBox* newLookup(QWidget* parent, const QString& name, data::DataSource* list,
                                const QString& keyField, const QString& listField);

// The item the windows charge, as the item list holds it.
struct FeeItem {
    QString id;
    QString name;
    data::Decimal withinPrice;  // JNPrice, "定额单价"
    data::Decimal overPrice;    // JWPrice, "超额单价"
    QString kind;               // JLFlag, trimmed

    bool isMetered() const { return kind != kNonMeteredKind; }
};

// The row of the item list with that key, the list's cursor moved to it;
// nothing when the list has no such row.
std::optional<FeeItem> feeItem(const QVariant& key);

}  // namespace fees
