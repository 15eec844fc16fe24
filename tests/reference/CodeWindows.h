#pragma once
// Helpers for the code-table window tests.

#include "templates/CodeTableEditor.h"

#include <QStringList>

class QPlainTextEdit;
namespace data {
class Connection;
}

namespace codetest {

// Opens a window through the frame's opener with that ModuleKey.
CodeTableEditor* openByKey(const QString& key);
// Stores rows with these codes (in this order) and the names 名1, 名2, ...
void seed(data::Connection& c, const CodeTableConfig& cfg, const QStringList& codes);
// The stored rows of the window's table as "code:name", in row order.
QStringList stored(data::Connection& c, const CodeTableConfig& cfg);
// Types into a memo as the user would, replacing its text.
void typeIntoMemo(QPlainTextEdit* memo, const QString& text);
// Which of the widgets (a space between groups) are enabled, as 1s and 0s.
QString enabled(const QList<QList<QWidget*>>& groups);

}  // namespace codetest
