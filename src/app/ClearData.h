#pragma once
// Clearing all data (数据总清): every business table, the code tables and the
// charging settings are emptied in one transaction; the accounts, the rights
// table and the company details keep their rows. Identities restart, so the
// first receipt afterwards is number 1.

#include "app/DataProgress.h"

#include <QStringList>

namespace data { class Connection; }

namespace app {

// The tables emptied, in the order they are emptied.
const QStringList& clearedTables();

// On a server clearing is refused while other workstations are connected.
// Throws data::Error; nothing is emptied then.
void clearAllData(data::Connection& c, const DataProgress& progress = {});

}  // namespace app
