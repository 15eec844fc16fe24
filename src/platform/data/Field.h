#pragma once
// A column of a dataset, read and written on the dataset's current row.
//
// Values are held by kind: text as QString, whole numbers as qlonglong,
// decimals as data::Decimal (quantised to the field's scale), date-times as
// QDateTime; a null is an invalid QVariant. Writing checks the value: text
// longer than the field's width, or text that is not a number or a date for
// such a field, is refused with data::Error naming the field; nothing is cut.

#include "platform/data/Decimal.h"
#include "platform/data/SchemaCatalog.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace data {

class Connection;
class DataSet;

// The text of the date error shown for any bad date.
QString dateErrorText();
// The same for a date-time field, naming it (`what`, as "字段“日期”").
QString dateErrorText(const QString& what);
// Strict date conversion: "yyyy-MM-dd" (or "yyyy/MM/dd", one-digit month and
// day accepted) with an optional " hh:mm[:ss]"; invalid text gives an invalid QDateTime.
QDateTime parseDateTimeText(const QString& text);
// Throws data::Error(dateErrorText()) when the text is not a date.
QDate toDateStrict(const QString& text);

class Field {
public:
    // precision: a decimal's total digits as the column declares them (0 when
    // unknown).
    Field(DataSet* owner, int index, const QString& name, ColType type, int width = 0, int scale = 0,
          int precision = 0);

    const QString& name() const { return m_name; }
    ColType type() const { return m_type; }
    int width() const { return m_width; }
    int scale() const { return m_scale; }
    int precision() const { return m_precision; }
    int index() const { return m_index; }
    DataSet* dataSet() const { return m_owner; }

    // A caption for messages and grids; the name unless set. The controls
    // and grid columns that write the field set it to what the clerk reads
    // beside them on the screen.
    QString displayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void setDisplayLabel(const QString& l) { m_label = l; }
    // The field as messages name it: 字段“displayLabel()”.
    QString what() const;

    bool isNull() const;
    QVariant value() const;
    // The value as stored in the database before the current edit.
    QVariant oldValue() const;

    // "" for a null; decimals in the general number format; date-times as
    // "yyyy-MM-dd" with " hh:mm:ss" when the time is not midnight.
    QString asString() const;
    // 0 for a null; throws data::Error for text that is not a whole number.
    qlonglong asInteger() const;
    Decimal asDecimal() const;
    QDateTime asDateTime() const;

    // Writes need the dataset in edit or insert state.
    void setValue(const QVariant& v);
    void setAsString(const QString& text);
    void setAsInteger(qlonglong v) { setValue(QVariant(v)); }
    void setAsDecimal(const Decimal& d) { setValue(QVariant::fromValue(d)); }
    void setAsDateTime(const QDateTime& dt) { setValue(dt.isValid() ? QVariant(dt) : QVariant()); }
    void clear() { setValue(QVariant()); }

    // Converts any value to this field's kind (throws data::Error on bad text,
    // an over-long string, or a decimal the column cannot hold: see
    // checkDecimalFits). Public for parameters and tests.
    QVariant normalize(const QVariant& v) const;
    // Converts a value read from the database (no width check; decimals are
    // quantised to the scale).
    QVariant fromDatabase(const QVariant& raw) const;

private:
    DataSet* m_owner;
    int m_index;
    QString m_name;
    QString m_label;
    ColType m_type;
    int m_width;
    int m_scale;
    int m_precision;
};

// Same conversions, without a dataset (used for parameters). A decimal is
// rounded to the scale half away from zero, as a database decimal column
// rounds what it is given. A whole number beyond what a column of `width`
// bytes holds (ColumnDef::width) is refused; width 0 allows bigint's range.
QVariant normalizeValue(const QVariant& v, ColType type, int width, int scale, const QString& what);
// Refuses (data::Error naming `what`) a decimal, already at the column's
// scale, with more integer digits than precision - scale allows, or with more
// significant digits than exactDigits (when not 0: see Dialect::exactDigits).
void checkDecimalFits(const Decimal& d, int precision, int scale, int exactDigits, const QString& what);
// The same refusal for a value computed for the catalogue's column
// table.column on c's database, named as the field labelled `label`.
void checkColumnFits(const Connection& c, const QString& table, const QString& column, const Decimal& d,
                     const QString& label);
QString variantToText(const QVariant& v);

}  // namespace data
