#pragma once
// The record window: one table in a grid beside pages of data-aware edits,
// a tool bar of eleven buttons, the red edit switch "进入编辑状态", the mode
// ModeFlag ("N" browsing or adding, "M" modifying) and the duplicate-key
// test IdExists.
//
// A window states its differences in a RecordEditorConfig and through the
// hooks below; the template does the rest:
// - the switch enables Add and Delete; Add and Modify enable the edits;
// - every path that would post the record (Save, a move, Refresh, Add during
//   a pending change) runs the same checks, and a failed check keeps the row
//   being edited with a warning;
// - the key is tested for duplicates when adding, and when modifying only if
//   the typed key differs from the stored one (never against the row itself);
// - Delete asks, then removes the row and its dependants by the stored key
//   in one transaction; Delete while adding only drops the new row;
// - Add appends the new row at the end of the list; Modify and Delete stay
//   disabled while the table is empty, Print while a row is being added;
// - a browse-only user (level 2) sees no switch and cannot change anything;
// - closing the window drops whatever was typed and not saved.
//
// The options after `hasNavigation` serve the office registers (staff,
// complaints, documents, ...); their defaults keep the plain record window.

#include "platform/ui/DataSetModel.h"
#include "platform/ui/Form.h"

#include <QHash>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QTabWidget;
class QToolBar;
class QWidget;

namespace data {
class DataSet;
class DataSource;
}
namespace ui {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBMaskDateEdit;
class ToolButton;
}

// A value that Add writes into the new record.
struct AddDefault {
    enum Kind {
        Today,      // a date-time column: today's date
        Now,        // a time-of-day column: the current time
        TodayText,  // a text date: today as "yyyy-MM-dd"
        Text        // the text given
    };
    QString field;
    Kind kind = Text;
    QString text;
};

struct RecordEditorConfig {
    QString caption;
    QString key;             // ModuleKey of the window
    QString dataSet;         // data module dataset, e.g. "AT_Region"
    QString dataSource;      // its data source, e.g. "DS_Region"
    QString table;           // the table for IdExists
    QStringList keyFields;   // typed key columns; the last one is edited in DBE_ID
    QString nameField;       // the column that must not be empty with the key
    QString emptyMessage;    // key or name empty on Save
    QString existsOnSave;    // key exists on Save
    QString existsOnExit;    // key exists when leaving the key edit
    QString deleteQuestion;  // asked before a delete
    QVector<ui::GridColumn> gridColumns;
    QStringList pages;       // titles of the pages of edits, tabs at the bottom;
                             // one untitled page shows no tab
    QSize size;              // outer size of the window
    // The width of the panel of edits beside the grid, which then takes the
    // rest of the window; 0: the panel takes what the grid leaves.
    int detailsWidth = 0;
    bool hasModify = true;
    bool hasNavigation = true;  // First, Prior, Next, Last and Refresh
    bool hasRefresh = true;     // Refresh, where the navigation shows

    // --- register options ------------------------------------------------------
    QString switchCaption = QStringLiteral("进入编辑状态");
    bool maximized = false;  // opened maximised in the frame
    // Find ("查找", "浏览") calls openSearch(); none when empty.
    QString findCaption;
    enum class PrintButton { None, Disabled, Enabled };
    PrintButton printButton = PrintButton::None;

    // No grid: the record pages fill the window.
    bool hasGrid = true;
    // What leaves the record through the grid (DBGrid1Enter): entering it,
    // clicking a cell, moving to another column.
    enum GridTrigger { GridEnter = 1, GridClick = 2, GridColumn = 4 };
    int gridTriggers = GridEnter;
    bool gridDisablesEdits = true;
    bool gridEnablesAdd = false;
    // A click on a cell only offers Modify and Delete (with the switch
    // ticked); the record is left as it is.
    bool gridClickOffersOnly = false;

    // The switch offers Modify with Add and Delete; Add withdraws Modify.
    bool modifyWithSwitch = false;
    // Modify puts the row into edit at once (else the first keystroke does).
    bool modifyStartsEdit = false;
    // Columns whose controls stay disabled while a stored row is modified.
    QStringList lockedInModify;
    // A successful Save and Cancel offer Modify again, besides Add.
    bool saveOffersModify = false;

    // Columns that must not be empty (their controls' texts); when set, they
    // replace the key-and-name test, with emptyMessage as the warning.
    QStringList requiredFields;
    // Columns whose controls a failed required test empties (locked ones are
    // left alone), and whether the key edit then takes the focus.
    QStringList clearOnRequired;
    bool focusKeyOnRequired = true;
    // The column whose control then takes the focus instead of the key edit
    // (a register without a key focuses its name).
    QString requiredFocusField;

    QVector<AddDefault> addDefaults;

    // Confirm asks deleteQuestion and drops a row being added without asking;
    // Navigator asks the navigator's question in both cases.
    enum class DeleteKind { Confirm, Navigator };
    DeleteKind deleteKind = DeleteKind::Confirm;
    bool requeryAfterDelete = true;

    // beforeSave() and the post are one transaction: rows that beforeSave()
    // writes elsewhere stand or fall with the record.
    bool postInTransaction = false;
};

class RecordEditor : public ui::Form {
    Q_OBJECT
public:
    RecordEditor(const RecordEditorConfig& config, QWidget* parent = nullptr);
    ~RecordEditor() override;

    const RecordEditorConfig& config() const { return m_cfg; }
    data::DataSet* dataSet() const { return m_ds; }
    data::DataSource* dataSource() const { return m_src; }

    // The window class's mode: "N" or "M" ("" before first use).
    QString& ModeFlag();

    // --- components ----------------------------------------------------------
    ui::ToolButton* TB_Add = nullptr;
    ui::ToolButton* TB_Delete = nullptr;
    ui::ToolButton* TB_Modi = nullptr;
    ui::ToolButton* TB_Cancel = nullptr;
    ui::ToolButton* TB_Save = nullptr;
    ui::ToolButton* TB_First = nullptr;
    ui::ToolButton* TB_Prev = nullptr;
    ui::ToolButton* TB_Next = nullptr;
    ui::ToolButton* TB_Last = nullptr;
    ui::ToolButton* TB_Refresh = nullptr;
    ui::ToolButton* TB_Find = nullptr;   // only with a findCaption
    ui::ToolButton* TB_Print = nullptr;  // only with a print button
    ui::ToolButton* TB_Close = nullptr;
    QCheckBox* CheckBox = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;   // null without a grid
    ui::DBEdit* DBE_ID = nullptr;    // the key edit
    ui::DBEdit* DBE_Name = nullptr;  // the name edit

    // --- handlers ------------------------------------------------------------
    // A window may extend a handler, calling the template's own.
    virtual void CheckBoxClick();
    virtual void DBGrid1Enter();
    virtual void DBGrid1CellClick();
    virtual void DBGrid1ColEnter();
    virtual void TB_AddClick();
    virtual void TB_ModiClick();
    virtual void TB_SaveClick();
    virtual void TB_CancelClick();
    virtual void TB_DeleteClick();
    void TB_FirstClick();
    void TB_PrevClick();
    void TB_NextClick();
    void TB_LastClick();
    void TB_RefreshClick();
    virtual void TB_FindClick();
    virtual void TB_PrintClick();
    void TB_CloseClick();
    virtual void DBE_IDExit();

    // True when another row holds the key typed in the key edit(s).
    virtual bool IdExists();

    // Every data edit of the window (enabled by Add and Modify).
    const QVector<QWidget*>& dataEdits() const { return m_edits; }
    void setEditsEnabled(bool on);
    // The data-aware control bound to a column (data edits and shown-only
    // controls), or nullptr.
    QWidget* controlOf(const QString& field) const;

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

    // --- building the window ---------------------------------------------------
    QWidget* page(int index) const;
    // Adds a labelled data-aware edit for a field to a page; returns it.
    ui::DBEdit* addEdit(int page, const QString& label, const QString& field, const QString& name = QString());
    // Adds any control with a label, and a text after it (a unit such as
    // "年"); it is enabled and disabled with the edits.
    void addControl(int page, const QString& label, QWidget* control, const QString& after = QString());
    // Any widget across the whole width of a page (a group of controls); it
    // is not enabled and disabled with the edits.
    void addWide(int page, QWidget* w);
    // A widget that takes the rest of a page (a picture).
    void fillPage(int page, QWidget* w);
    // A line of text next to the last control (e.g. "编号唯一不能重复").
    void addNote(int page, const QString& text);
    // A control that only shows its column: never enabled, never cleared.
    void addShown(int page, const QString& label, QWidget* control);
    // A date typed through a mask into a text or date-time column. With
    // `dateCheck`, leaving it blank while editing is refused with the date
    // error too (an impossible date always is).
    ui::DBMaskDateEdit* addDateEdit(int page, const QString& label, const QString& field, const QString& name,
                                    const QString& mask = QStringLiteral("!9999/99/99;1"), bool dateCheck = true);
    // A type chosen from a list of a code table's names (table order), bound
    // to the column that stores the name; `listOnly` allows no typing. The
    // list is the window's own read of the table, made at creation, so a
    // code-table window being edited is left alone. A stored name the table
    // no longer has is shown as it is; the column changes only when the user
    // chooses or types. A new row saved with nothing chosen stores "" (the
    // list's empty text), not null.
    ui::DBComboBox* addTypeList(int page, const QString& label, const QString& field, const QString& name,
                                const QString& codeTable, const QString& nameColumn, bool listOnly = true);
    void registerEdit(QWidget* w) { m_edits << w; }
    QToolBar* toolBar() const { return m_toolBar; }

    // --- hooks ---------------------------------------------------------------
    // Checks before a post; shows the warning and returns false to refuse.
    virtual bool validateRecord();
    // Writes values that go with every post (after validation); inside the
    // post's transaction with postInTransaction.
    virtual void beforeSave() {}
    // Fills a new row after Add (after the configured Add defaults).
    virtual void onAdd() {}
    // Opens the window's search window (Find).
    virtual void openSearch() {}
    // Deletes the rows that depend on the current row, by its stored key;
    // runs inside the delete's transaction.
    virtual void deleteDependants() {}
    // The creation handler's extra work, after the template's.
    virtual void afterCreate() {}

    // The key typed by the user for each key field (the edits' texts).
    virtual QStringList typedKey() const;
    // The stored key of the current row.
    QStringList storedKey() const;
    bool keyChanged() const;
    // Runs an "exists" query on the key columns with the given values,
    // excluding the current row when it is stored.
    bool keyExists(const QStringList& values) const;

private:
    void buildToolBar();
    void installChecks();
    void removeChecks();
    bool runSaveChecks();
    void focusKey();
    bool keyIsTyped() const;
    bool requiredFilled();
    void writeAddDefaults();
    bool lockedNow(const QString& field) const;
    bool removeCurrent();
    bool adding() const;
    // Rows of the table, without one being added.
    int storedRows() const;
    // Withdraws the buttons the rows leave nothing to do for.
    void followRows();

    RecordEditorConfig m_cfg;
    data::DataSet* m_ds = nullptr;
    data::DataSource* m_src = nullptr;
    QToolBar* m_toolBar = nullptr;
    QTabWidget* m_pages = nullptr;
    QWidget* m_details = nullptr;  // the edit switch over the pages
    int takeRow(int page);

    QVector<QGridLayout*> m_pageLayouts;
    QVector<int> m_nextRows;
    QVector<QWidget*> m_edits;
    QVector<QWidget*> m_shown;
    struct TypeList {
        ui::DBComboBox* combo;
        QString table, column;
    };
    QVector<TypeList> m_typeLists;
    bool m_checking = false;
    bool m_wasAdding = false;
};
