#pragma once
// Many values of one column sent to the database server as one array text,
// so that a statement can take a whole batch of rows in one round trip
// ("unnest" of one array per column).

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace data {

// The server's array type for a column of the schema catalogue
// ("numeric[]", "text[]", ...); throws data::Error for an unknown column.
QString serverArrayType(const QString& table, const QString& column);

// Builds the text of an array element by element.
class ServerArray {
public:
    // A null value is a NULL element; any other is its text, quoted.
    void append(const QVariant& v);
    void appendNull();
    // A value given as its UTF-8 text (copied).
    void appendUtf8(const char* text, int bytes);
    bool isEmpty() const { return m_text.isEmpty(); }
    // The array's text; the array starts empty again.
    QString take();

private:
    QByteArray m_text;  // UTF-8
};

}  // namespace data
