#pragma once
// The session every window works in: who is logged in, the database and its
// shared datasets (the data module behind them), the company, and the window
// the frame opened last.
//
// The top of the program owns that state (the login window holds the level,
// the frame holds the key) and hands it in here while it lives, so windows
// and templates read it without knowing the login window or the frame.

#include <QString>

namespace data {
class Connection;
class DataSet;
}  // namespace data

namespace session {

// The rights level of the user logged in, the login's Popedom as a number
// (0 before a login). A level outside 0-2 counts as 1 wherever a test is made.
int level();
// True for a browse-only user (level 2).
bool browseOnly();

// The data module's connection and its datasets by name; nullptr when there
// is no data module (or no such dataset).
data::Connection* connection();
data::DataSet* dataSet(const QString& name);

// IncName of the company row as stored in the database (a name typed and not
// yet saved does not count); empty when there is none.
QString companyName();

// The key of the window most recently opened through the frame's openers;
// empty when there is no frame.
QString moduleKey();
void clearModuleKey();

// Hand-over from the top: the login window's level text and the frame's key
// while they live (nullptr when they go).
void setLevelSource(const QString* popedom);
void setModuleKeySource(QString* key);

}  // namespace session
