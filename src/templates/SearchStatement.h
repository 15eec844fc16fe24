#pragma once
// The statement a search window runs: its fixed head ("SELECT * FROM Owner
// WHERE ") followed by one line of conditions.
//
// Each condition is a field caption, an operator and a value. The caption
// names a column through the window's fixed field list and the operator must
// be one of the window's fixed operators, so only those reach the statement
// text; every value is bound as a parameter of its column's kind, so a quote
// in a value is just a character. Conditions are joined in list order with
// AND (relation "并且") or OR (any other relation; the first row's is never
// used), without brackets: AND binds before OR, as the database has it.
// The rows found come in the order they were entered.

#include <QString>
#include <QStringList>
#include <QVector>

namespace data {
class Query;
}

struct SearchField {
    QString caption;  // as listed in the window
    QString column;   // as written into the statement
};

struct SearchCondition {
    QString relation;  // "并且", "或者" or ""
    QString field;     // a field caption
    QString op;        // an operator
    QString value;     // as typed
};

struct SearchStatement {
    QString head;                 // the first line, e.g. "SELECT * FROM Owner WHERE "
    QString table;                // whose column kinds the values take
    QVector<SearchField> fields;  // the fixed field list
    QStringList operators;        // the fixed operators

    // The condition line, with the parameters :v0, :v1, ... for the values.
    // Throws data::Error for a caption or an operator not in the lists.
    QString conditionText(const QVector<SearchCondition>& rows) const;
    // Replaces the query's text with the head, the condition line and the
    // order, and binds the values. Throws data::Error (naming the field) for a value
    // that its column cannot hold, such as text for a number.
    void prepare(data::Query& q, const QVector<SearchCondition>& rows) const;
    // The column of a caption; "" when the caption is not in the list.
    QString columnOf(const QString& caption) const;
};
