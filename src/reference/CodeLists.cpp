#include "reference/CodeLists.h"

#include "platform/data/DataSet.h"

#include <QComboBox>

QStringList codeNames(data::DataSet* table, const QString& nameField)
{
    QStringList out;
    if (!table || !table->isActive())
        return out;
    const data::Field* name = table->fieldByName(nameField);
    const int editedRow = table->isEditing() ? table->recNo() - 1 : -1;
    for (int row = 0; row < table->recordCount(); ++row) {
        if (row != editedRow)
            out << data::variantToText(table->valueAt(row, name->index()));
        else if (table->state() == data::DataSetState::Edit)
            out << data::variantToText(name->oldValue());
        // A row being added is not stored yet and is left out.
    }
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
