#pragma once
// The tables and columns the system expects to find in its database.
//
// The set-up scripts in db/ create these tables; the data module declares its
// fields from them and checks them against the database when it opens a table.

#include <QString>
#include <vector>

namespace data {

enum class ColType {
    String,    // text of a declared width (characters)
    Integer,   // smallint, int, bigint
    Decimal,   // exact fixed-point decimal with a scale
    DateTime,  // date-time value
    Memo,      // unbounded text
};

struct ColumnDef {
    const char* name;          // spelled as the system spells it; matched without case
    ColType type;
    int width = 0;             // String: characters; Integer: bytes (2 smallint, 4 integer, 8 bigint)
    int scale = 0;             // Decimal: digits after the point
    int precision = 0;         // Decimal: total digits (18 unless stated)
    const char* defaultValue = nullptr;  // SQL literal text of the default, nullptr for none
    bool notNull = false;
    bool identity = false;     // assigned by the database on insert
};

struct TableDef {
    const char* name;
    bool isView = false;
    std::vector<ColumnDef> columns;
};

// Every table and the view of the system, in no particular order.
const std::vector<TableDef>& systemTables();

// Looks a table up by name, without regard to case; nullptr when unknown.
const TableDef* findTable(const QString& name);

// The hidden row identity every table carries; the data layer never shows it.
inline constexpr const char* kRowIdColumn = "rid";

}  // namespace data
