#pragma once
// The data-link file "conn.udl": which database the program works on.
//
// It is INI-like text, UTF-8 or UTF-16 with a byte-order mark. Lines starting
// with ';' and section lines ("[oledb]") are ignored; the first line that holds
// "Provider=" is the connection line, a list of Key=Value pairs separated by ';':
//
//   Provider=SQLite;Data Source=Region.db
//   Provider=PostgreSQL;Data Source=host;Port=5432;Initial Catalog=Region;User ID=office;Password=secret
//
// Keys match without regard to case; a value may be wrapped in double quotes.
// A relative SQLite path is taken from the folder that holds the file.

#include <QString>

namespace data {

enum class Backend { SQLite, PostgreSQL };

struct ConnectionSpec {
    Backend backend = Backend::SQLite;
    QString database;  // SQLite: absolute file path; PostgreSQL: database name
    QString host;
    int port = 5432;
    QString user;
    QString password;
};

// Reads and checks the file; throws data::Error naming what is wrong.
ConnectionSpec readConnectionFile(const QString& path);
// Parses one connection line (the text after the file's header).
ConnectionSpec parseConnectionLine(const QString& line, const QString& baseDir);

// The text of a data-link file for the target (used by the set-up).
QString connectionFileText(const ConnectionSpec& target);

}  // namespace data
