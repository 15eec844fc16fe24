#pragma once
// What the four dialogs of the property generator share: each is a plain
// window owned by the generator, modal to it alone, freed when closed; a
// close by the caption button is a Cancel, and a dialog that goes away with
// its generator drops the row it was editing. The generator tells a dialog
// whether it adds or modifies before it opens; the dialog signals when its
// row was saved and when it goes.

#include "platform/ui/DBEdit.h"
#include "platform/ui/Form.h"

#include <optional>

class QGridLayout;
class QPushButton;
namespace data {
class DataSet;
class DataSource;
}

class GeneratorDialog : public ui::Form {
    Q_OBJECT
public:
    // `source` is the data module's data source the dialog edits (none for
    // the building copy).
    GeneratorDialog(const QString& caption, data::DataSource* source, QWidget* parent);
    ~GeneratorDialog() override;

    data::DataSet* dataSet() const { return m_ds; }
    data::DataSource* dataSource() const { return m_src; }

    // Before the dialog opens: a new row ("ADD"), or the current one.
    void setAdding(bool adding) { m_adding = adding; }

signals:
    // The row was saved and the dialog closed.
    void saved();
    // The dialog is being freed.
    void done();

protected:
    bool adding() const { return m_adding; }
    // An OK / Cancel button with a hint.
    QPushButton* makeButton(const char* name, const QString& caption, const QString& hint);
    // Writes what was typed into the bound controls; a value its field
    // refuses gives a warning (the field's message) and false.
    bool takeTyped();
    // Disables and enables the data source again, as the dialogs do first.
    void resetSource();
    // Ends the dialog after its row was saved.
    void finish();
    // Cancel: drops the row and closes.
    void cancelAndClose();
    // A labelled control on a row of a grid layout, with a unit after it.
    static void addRow(QGridLayout* grid, const QString& label, QWidget* control, const QString& unit = QString());

    void formClose(ui::CloseAction& action) override;
    void formDestroy() override;

private:
    data::DataSource* m_src = nullptr;
    data::DataSet* m_ds = nullptr;
    bool m_adding = false;
};

// A bound edit for a whole number or an amount: text that is not one is
// answered with a warning naming the edit, when the user leaves it and on OK,
// and the edit keeps the focus until it is corrected.
class DialogNumberEdit : public ui::DBEdit {
public:
    DialogNumberEdit(data::DataSource* source, const QString& fieldName, const QString& label, QWidget* parent);
    // True when the text is empty or a value of the field; otherwise warns,
    // takes the focus and returns false.
    bool valueTyped();

private:
    void refuse();
    QString m_label;
};

// The integer typed into an edit: nullopt when empty or not a whole number.
std::optional<int> typedInt(const QString& text);
