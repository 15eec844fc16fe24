#pragma once
// What the owner sheet prints, read as text when printing starts: the
// company name, today's date, the owner's particulars and room, and the
// household members in their stored order. A null value reads "--", an empty
// text stays empty.

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

namespace data {
class DataSet;
}

struct OwnerSheetMember {
    QString name;   // mbName
    QString sex;    // sex
    QString nexus;  // Nexus: relation to the owner
};

struct OwnerSheetValues {
    QString heading;  // the company name (ReportHeading)
    QDate printDate;
    QVector<OwnerSheetMember> members;

    // The printed text of a column of the owner row (any spelling of its name).
    QString owner(const QString& column) const;
    void setOwner(const QString& column, const QString& text);

    // The owner row current in `owners` (a dataset over table Owner, e.g. the
    // data module's AQ_Man), with that owner's members from table Member.
    static OwnerSheetValues fromRow(const data::DataSet& owners);
    // The owner with this ownerId, read from the database; nullopt if none.
    static std::optional<OwnerSheetValues> read(const QString& ownerId);

private:
    QHash<QString, QString> m_owner;  // by lower-case column name
};
