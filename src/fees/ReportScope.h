#pragma once
// What the fee reports read: the rows of one district, of all its buildings
// or of one building, with every amount summed exactly.

#include "platform/data/Decimal.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace data { class Connection; }

namespace fees {

struct ReportScope {
    QString regionId;
    std::optional<QString> buildId;  // none: every building of the district

    // " and <column>=?" when one building is asked for, and its value.
    QString buildingCondition(const QString& column) const;
    void bindTo(QVariantList& params) const;
};

// The exact sum of a money column in a grouped statement ("<sum> as alias").
QString sumColumn(const data::Connection& c, const QString& column, const QString& alias);
// A sum read back from such a column: null when nothing was summed.
data::Decimal summed(const QVariant& cents);

// The fee items in the order of their table: key and name.
struct ItemName {
    QString id;
    QString name;
};
std::vector<ItemName> feeItems(data::Connection& c);

}  // namespace fees
