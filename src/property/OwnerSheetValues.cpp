#include "property/OwnerSheetValues.h"

#include "platform/data/Query.h"
#include "platform/report/PrintHelpers.h"
#include "session/DMRegion.h"
#include "templates/ReportHeading.h"

namespace {

// The Owner columns the sheet prints.
const char* const kOwnerColumns[] = {"ownerId", "ownerName", "Sex",     "Folk",    "Birth",     "Phone",   "Xueli",
                                     "Factory", "Zhz",       "Native",  "ZhjType", "ZhjNum",    "UseType", "RGNum",
                                     "GFNum",   "FCNum",     "BuildName", "UnitName", "RoomNum"};

QString printedField(const data::DataSet& ds, const QString& column)
{
    const data::Field* f = ds.findField(column);
    return report::printable(f ? f->value() : QVariant());
}

// The owner's household members, in the order they were stored.
QVector<OwnerSheetMember> readMembers(const QVariant& ownerId)
{
    data::Query q(DM->connection());
    q.sql() << QStringLiteral("select * from Member where OwnerId=:OwnerId order by rid");
    if (ownerId.isNull())
        q.param(QStringLiteral("OwnerId")).setNull();
    else
        q.param(QStringLiteral("OwnerId")).setString(ownerId.toString());
    q.open();
    QVector<OwnerSheetMember> out;
    for (q.first(); !q.eof(); q.next())
        out.push_back({printedField(q, QStringLiteral("mbName")), printedField(q, QStringLiteral("sex")),
                       printedField(q, QStringLiteral("Nexus"))});
    return out;
}

}  // namespace

QString OwnerSheetValues::owner(const QString& column) const
{
    return m_owner.value(column.toLower(), report::kNullText);
}

void OwnerSheetValues::setOwner(const QString& column, const QString& text)
{
    m_owner.insert(column.toLower(), text);
}

OwnerSheetValues OwnerSheetValues::fromRow(const data::DataSet& owners)
{
    OwnerSheetValues v;
    v.heading = ReportHeading();
    v.printDate = QDate::currentDate();
    for (const char* c : kOwnerColumns)
        v.setOwner(QString::fromLatin1(c), printedField(owners, QString::fromLatin1(c)));
    const data::Field* id = owners.findField(QStringLiteral("ownerId"));
    if (!owners.isEmpty() && id)
        v.members = readMembers(id->value());
    return v;
}

std::optional<OwnerSheetValues> OwnerSheetValues::read(const QString& ownerId)
{
    data::Query q(DM->connection());
    q.sql() << QStringLiteral("select * from Owner where ownerId=:ownerId order by rid");
    q.param(QStringLiteral("ownerId")).setString(ownerId);
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    return fromRow(q);
}
