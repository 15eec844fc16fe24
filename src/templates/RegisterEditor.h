#pragma once
// The register window of the office's operations (complaints, staff,
// documents, affairs, equipment orders, ...): the record template with the
// behaviours every register shares, its data controls made from a row of a
// table (RegisterConfig). A window is its row, plus, in a class derived from
// this one, only what is truly its own (a printout, stock arithmetic).
//
// What every register does, whatever its row says:
// - the edit switch offers Add, Modify and Delete; Add withdraws Modify;
// - the mode returns to browse only after a successful save, and the key is
//   checked whenever it is new or changed, never against its own row;
// - the save checks run on every path that posts (Save, a move, Refresh,
//   closing); a failed required test empties the controls the row names,
//   never a locked one;
// - a delete goes by the row's identity and never re-reads the table; a
//   delete while adding only drops the new row;
// - opening shows the stored record: Add alone fills in today's date and time.

#include "templates/RecordEditor.h"

#include <functional>

// One data control of a register window.
struct RegisterControl {
    enum Kind {
        Edit,
        Memo,
        TextDate,    // a text column typed through a date mask, with the date check
        MaskedDate,  // a date-time column typed through a date mask
        Time,        // a time of day, shown "hh:mm:ss"
        Combo,       // fixed items; typing allowed unless ListOnly
        TypeList,    // a code table's names; typing allowed unless ListOnly
    };
    enum Flag {
        Key = 1,       // the key edit (IdExists, the duplicate warnings)
        Required = 2,  // must not be empty on Save
        Cleared = 4,   // emptied when a required one is empty
        Locked = 8,    // stays disabled while a stored row is modified
        Shown = 16,    // only shows its column, never enabled
        ListOnly = 32,
    };
    RegisterControl(Kind kind, const QString& name, const QString& field, const QString& label, int page = 0,
                    int flags = 0, const QStringList& items = {},
                    const QString& mask = QStringLiteral("!9999/99/99;1"), const QString& after = QString())
        : kind(kind), name(name), field(field), label(label), page(page), flags(flags), items(items), mask(mask),
          after(after)
    {
    }

    Kind kind = Edit;
    QString name;   // "DBE_AppId"
    QString field;  // "AppealId"
    QString label;  // "投诉编号："; none when empty
    int page = 0;
    int flags = 0;
    // Combo: the items. TypeList: the code table and its name column.
    QStringList items;
    QString mask;   // the date kinds
    QString after;  // a text after the control, such as a unit ("年")
    int maxLength = 0;  // a memo's limit in characters below its column's width

    RegisterControl limitedTo(int chars) const
    {
        RegisterControl c = *this;
        c.maxLength = chars;
        return c;
    }
};

struct RegisterConfig {
    QString windowClass;  // the class the frame opens, e.g. "TfrmAppeal"
    RecordEditorConfig record;
    QVector<RegisterControl> controls;
    // Opens the register's search window, owned by the register (Find).
    std::function<void(QWidget* owner)> search;
};

// What registers have in common, for their rows to start from.
RecordEditorConfig registerDefaults();

class RegisterEditor : public RecordEditor {
    Q_OBJECT
public:
    explicit RegisterEditor(const RegisterConfig& config, QWidget* parent = nullptr);
    ~RegisterEditor() override;

    const RegisterConfig& registerConfig() const { return m_reg; }
    // A data control by its name ("DBE_AppMan"), or nullptr.
    QWidget* control(const QString& name) const;

protected:
    void openSearch() override;

private:
    RegisterConfig m_reg;
};
