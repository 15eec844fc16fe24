#pragma once
// Drop-down lists filled from the code tables: the referring row stores the
// name, never the code, so a list holds the names in the table's order.

#include <QString>
#include <QStringList>

class QComboBox;
namespace data {
class DataSet;
}

// The names of a code table's data module dataset (e.g. DM->AT_culture,
// "cultureName"), first row to last, as stored: a row being typed in a
// code-table window shows its stored name, a new one none. The dataset's
// cursor is left where it was.
QStringList codeNames(data::DataSet* table, const QString& nameField);
// Replaces a combo box's items with those names, keeping its current text.
void fillCodeList(QComboBox* combo, data::DataSet* table, const QString& nameField);
