#pragma once
// The code of a new row of a code table: the largest code stored + 1, or 1
// for an empty table. Taking the last row's code + 1 instead would repeat a
// code once rows were deleted or edited.
//
// Codes kept as text (the equipment systems) count only when they are whole
// numbers; any other text is passed over.

#include <QString>

namespace data {
class Connection;
}

qlonglong nextCode(data::Connection& conn, const QString& table, const QString& codeField);
