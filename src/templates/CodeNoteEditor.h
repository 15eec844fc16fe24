#pragma once
// The code-table window with a note: the code, the name and a free-text note
// of each category, and a Modify button beside Add and Delete.
//
// Everything else is the code-table window's: the next code, the edit switch,
// the rights test, the navigator's delete and the navigation buttons. Save
// checks only the code (a new row always has one), so a category may be
// stored without a name.

#include "templates/CodeTableEditor.h"

namespace ui {
class DBMemo;
}

class CodeNoteEditor : public CodeTableEditor {
    Q_OBJECT
public:
    CodeNoteEditor(const CodeTableConfig& config, QWidget* parent = nullptr);

    ui::DBMemo* DBM_Note = nullptr;

    void CheckBoxClick() override;
    void DBGrid1Enter() override;
    void TB_AddClick() override;
    void TB_SaveClick() override;
    void TB_CancelClick() override;
    void TB_DeleteClick() override;

protected:
    bool validateRow() override;
    // The name and the note.
    QList<QWidget*> detailInputs() const override;

private:
    void closeInputs();
};
