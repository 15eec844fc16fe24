#pragma once
// Writes many rows into one table of the system through one statement
// prepared once and run again for each batch of rows. Rows go in in the order
// they were added.
//
// On the embedded database a batch is one row: a prepared insert costs little
// there. On a server a batch is many rows sent as one array per column, so a
// batch is one round trip and the server reads plain array texts instead of
// thousands of separate literals.

#include "platform/data/ServerArray.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace data {

class Connection;

class BatchInsert {
public:
    // The table and its columns must be in the schema catalogue. rowsPerBatch
    // sets the rows of a server batch (0: a size that suits); the embedded
    // database always writes one row per statement.
    BatchInsert(Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch = 0);

    // One row, a value per column in the order given. Throws data::Error when
    // the batch it completes cannot be written.
    void add(const QVariantList& row);
    // The same, a value at a time, for rows copied as text from elsewhere
    // (no variant per value): the next column's value as UTF-8 text or
    // null; endRow() after the last column.
    void addUtf8(const char* text, int bytes);
    void addNull();
    void endRow();
    // Writes the rows still held.
    void flush();
    int written() const { return m_written; }

private:
    void write();

    bool m_arrays;        // one array per column (server) or one row per statement
    int m_batch;
    int m_columnCount;
    QSqlQuery m_insert;
    QStringList m_names;  // the parameters of a one-row insert
    std::vector<ServerArray> m_values;
    int m_column = 0;     // the next column of a row given a value at a time
    int m_held = 0;
    int m_written = 0;
};

}  // namespace data
