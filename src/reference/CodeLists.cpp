#include "reference/CodeLists.h"

#include "platform/data/DataSet.h"

#include <QComboBox>

QStringList codeNames(data::DataSet* table, const QString& nameField)
{
    QStringList out;
    if (!table || !table->isActive())
        return out;
    const int col = table->fieldByName(nameField)->index();
    for (int row = 0; row < table->recordCount(); ++row)
        out << data::variantToText(table->valueAt(row, col));
    return out;
}

void fillCodeList(QComboBox* combo, data::DataSet* table, const QString& nameField)
{
    const QString keep = combo->currentText();
    const bool blocked = combo->blockSignals(true);
    combo->clear();
    combo->addItems(codeNames(table, nameField));
    if (combo->isEditable())
        combo->setEditText(keep);
    else
        combo->setCurrentIndex(combo->findText(keep));
    combo->blockSignals(blocked);
}
