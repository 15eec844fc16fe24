#pragma once
// The program as a logged-in user meets it, for benchmarks that time its
// windows: every window registered, the frame, the data module on a filled
// database, and a login at a rights level. Message boxes are answered by the
// script (ui::Msg), so nothing waits for a person.

#include "platform/data/Connection.h"

#include <QStringList>
#include <QVector>
#include <memory>

class SearchForm;

namespace bench {

void startProgram(std::unique_ptr<data::Connection> c, const QString& popedom);

// Opens the window of the frame's opener `key` as the menu does, in the frame
// on the screen; returns the milliseconds up to the window drawn.
double timedOpen(const QString& key);

// Puts the conditions (relation, field, operator, value) into a search
// window as the user would and runs it; returns the milliseconds the search
// took and the rows it found.
double timedSearch(SearchForm* f, const QVector<QStringList>& conditions, int* rows);

}  // namespace bench
