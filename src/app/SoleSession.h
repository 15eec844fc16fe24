#pragma once
// Restore and clearing replace or empty every table: on a server they run
// only while no other workstation is connected to the same database, or the
// others would go on working on rows that are gone.

#include <QString>

namespace data { class Connection; }

namespace app {

// The refusal shown when other workstations are connected.
QString otherSessionsText(int count);
// Throws data::Error with that text when another client is connected.
void refuseOtherSessions(data::Connection& c);

}  // namespace app
