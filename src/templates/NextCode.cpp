#include "templates/NextCode.h"

#include "platform/data/Connection.h"

#include <algorithm>

qlonglong nextCode(data::Connection& conn, const QString& table, const QString& codeField)
{
    // Read from the database, not the window's rows: on a shared server
    // another workstation may have added codes since the table was opened.
    QSqlQuery q = conn.exec(QStringLiteral("SELECT %1 FROM %2").arg(codeField, table));
    qlonglong largest = 0;
    while (q.next()) {
        bool ok = false;
        const qlonglong code = q.value(0).toString().trimmed().toLongLong(&ok);
        if (ok)
            largest = std::max(largest, code);
    }
    return largest + 1;
}
