#pragma once
// Sets some columns of many rows of one table, each row found by its row
// identity, through one statement prepared once: one row per statement on the
// embedded database, a batch of rows sent as arrays on a server.

#include "platform/data/ServerArray.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace data {

class Connection;

class BatchUpdate {
public:
    // rowsPerBatch as for BatchInsert.
    BatchUpdate(Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch = 0);

    // The new values of one row, one per column in the order given.
    void add(qint64 rid, const QVariantList& values);
    void flush();
    // Rows the database reports as changed.
    int changed() const { return m_changed; }

private:
    void write();

    bool m_arrays;
    int m_batch;
    int m_columnCount;
    QSqlQuery m_update;
    QStringList m_names;                // one-row update: the identity's and the columns' parameters
    std::vector<ServerArray> m_values;  // the identities first, then a column each
    int m_held = 0;
    int m_changed = 0;
};

}  // namespace data
