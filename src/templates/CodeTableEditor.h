#pragma once
// The code-table window: a small table of codes and names in a read-only grid
// on the left, the inputs on the right, a tool bar on top and the red edit
// switch "进入编辑状态".
//
// - the switch enables Add and Delete (and, where rows are edited in place,
//   the inputs themselves);
// - Add appends a row whose code is the largest stored code + 1; the user
//   types the name and the further inputs below it (the detail inputs), or,
//   where the code is typed, the code too, which must not repeat a stored one;
// - where there is a Modify button it opens the current row's detail inputs;
// - every path that posts the row (Save, a move, Add while a row is pending)
//   checks that the inputs are filled and refuses with the window's warning
//   otherwise; the row then stays open for correction;
// - Delete goes through the hidden navigator and its confirmation;
// - a browse-only user (level 2) sees no switch and changes nothing;
// - closing the window drops whatever was not saved.
//
// The windows differ only by a CodeTableConfig (reference/CodeTables.cpp);
// the variant with a Modify button and a note is CodeNoteEditor.

#include "platform/data/DataSet.h"
#include "platform/ui/Form.h"

#include <QSize>
#include <QString>
#include <QList>

class QCheckBox;
class QToolBar;

namespace data {
class DataSource;
}
namespace ui {
class DBEdit;
class DBGrid;
class DBNavigator;
class ToolButton;
}

// Which grid events drop the pending row and offer Add and Delete again.
enum class GridTrigger { EnterOrColumn, EnterOrCell, None };

// A column shown beside the code and the name.
struct CodeExtraInput {
    QString field = {};   // empty: no third column
    QString label = {};
    QString unit = {};    // shown after the input
    QString input = {};   // object name of the input
    QString title = {};   // grid column title (a further input: none when empty)
    bool hidden = false;  // kept in the table, never shown or edited
    bool required = false;
    bool currency = false;
    bool gridHidden = false;  // a grid column kept out of sight, the input shown
    bool wholeNumber = false; // only digits can be typed
    // When maximum > 0, a number out of minimum..maximum is refused with
    // rangeMessage.
    int minimum = 0;
    int maximum = 0;
    QString rangeMessage = {};
};

struct CodeTableConfig {
    const char* window = {};  // the window class
    QString caption = {};
    QString key = {};         // ModuleKey of its opener
    QString dataSet = {};     // data module table dataset, e.g. "AT_culture"
    QString dataSource = {};  // its data source, e.g. "DS_Culture"
    QString codeField = {};
    QString nameField = {};
    QString codeLabel = QStringLiteral("类别编号：");
    QString nameLabel = QStringLiteral("类别名称：");
    QString codeInput = QStringLiteral("DBE_ID");    // object names of the inputs
    QString nameInput = QStringLiteral("DBE_Name");
    QString codeTitle = QStringLiteral("编号");  // grid column titles
    QString nameTitle = QStringLiteral("名称");
    QSize size = {};
    bool centred = true;              // else the system's default position
    bool maximizable = true;
    GridTrigger grid = GridTrigger::EnterOrColumn;
    bool gridEnablesAdd = true;       // the grid's handler offers Add, not only Delete
    bool cancelEnablesDelete = false;
    // The switch opens every input and rows are edited where they stand (the
    // code can be typed); Add and Save leave the inputs as they are.
    bool editInPlace = false;
    QString emptyMessage = QStringLiteral("编号和名称均不能为空！");
    CodeExtraInput extra = {};

    // --- the lists of things and places kept like code tables -------------
    // Inputs below the name, one column each; with the name they are the
    // detail inputs that Add and Modify open and Save, Cancel and the grid
    // close.
    QVector<CodeExtraInput> more = {};
    // A Modify button after Save that opens the current row for editing.
    bool modify = false;
    // Save offers Add again before its checks, so Add stays offered after a
    // refused Save too.
    bool saveOffersAddFirst = false;
    // Rows are edited where they stand: the switch and the grid open the
    // detail inputs and Cancel leaves them open. The code stays generated.
    bool detailsInPlace = false;
    // Delete closes the detail inputs after the navigator's delete.
    bool deleteClosesDetails = false;
    // Asked before Delete instead of the navigator's question, for a row
    // whose delete takes other rows with it.
    QString deleteQuestion = {};
    // The code is typed on Add (none is generated) and may not repeat a
    // stored code: duplicateMessage refuses it.
    bool typedCode = false;
    QString duplicateMessage = {};

    // --- the variant with a note (CodeNoteEditor) -------------------------
    QString noteField = {};
    // After Save the note stays open and Modify is offered at once; otherwise
    // Save closes name and note and offers Add only.
    bool saveLeavesNoteOpen = false;
    // Delete leaves the inputs as they are instead of closing name and note.
    bool deleteLeavesInputs = false;
};

class CodeTableEditor : public ui::Form {
    Q_OBJECT
public:
    CodeTableEditor(const CodeTableConfig& config, QWidget* parent = nullptr);
    ~CodeTableEditor() override;

    const CodeTableConfig& config() const { return m_cfg; }
    data::DataSet* dataSet() const { return m_ds; }
    data::DataSource* dataSource() const { return m_src; }

    // --- components ----------------------------------------------------------
    ui::ToolButton* TB_Add = nullptr;
    ui::ToolButton* TB_Delete = nullptr;
    ui::ToolButton* TB_Modi = nullptr;  // the note variant only
    ui::ToolButton* TB_Cancel = nullptr;
    ui::ToolButton* TB_Save = nullptr;
    ui::ToolButton* TB_First = nullptr;
    ui::ToolButton* TB_Prev = nullptr;
    ui::ToolButton* TB_Next = nullptr;
    ui::ToolButton* TB_Last = nullptr;
    ui::ToolButton* TB_Close = nullptr;
    QCheckBox* CheckBox = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;
    ui::DBNavigator* DBNag = nullptr;
    ui::DBEdit* DBE_ID = nullptr;     // the code
    ui::DBEdit* DBE_Name = nullptr;   // the name
    ui::DBEdit* DBE_Extra = nullptr;  // the third column, when there is one
    QList<ui::DBEdit*> DBE_More;      // the further inputs, in the config's order

    // --- handlers ------------------------------------------------------------
    virtual void CheckBoxClick();
    virtual void DBGrid1Enter();
    virtual void TB_AddClick();
    virtual void TB_ModiClick();
    virtual void TB_SaveClick();
    virtual void TB_CancelClick();
    virtual void TB_DeleteClick();
    void TB_FirstClick();
    void TB_PrevClick();
    void TB_NextClick();
    void TB_LastClick();
    void TB_CloseClick();

protected:
    struct NoPanel {};
    // For a subclass that lays out its own inputs and then calls assemble().
    CodeTableEditor(const CodeTableConfig& config, QWidget* parent, NoPanel);

    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

    // Checks the row before every post; false (after the warning) refuses it.
    virtual bool validateRow();
    // The inputs that Add and Modify open: the name and those below it.
    virtual QList<QWidget*> detailInputs() const;

    // Posts or drops a pending row, then appends one with the next code.
    void appendWithNextCode();
    // Puts the grid on the left and the panel of inputs on the right.
    void assemble(QWidget* panel);
    // Enables or disables the widgets given (null ones are passed over).
    static void enable(const QList<QWidget*>& widgets, bool on);
    // Puts the focus into an input for correcting it.
    static void focusForCorrection(QWidget* input);
    // A label in the style of the inputs' notes.
    static QWidget* noteLabel(const QString& text, QWidget* parent);

private:
    void build();
    QWidget* plainPanel();
    // The inputs that the switch opens and closes (the hidden one never).
    QList<QWidget*> inputs() const;
    // The checks of the further inputs and of a typed code.
    bool numbersInRange();
    bool codeIsNew();

    CodeTableConfig m_cfg;
    data::DataSet* m_ds = nullptr;
    data::DataSource* m_src = nullptr;
    QToolBar* m_toolBar = nullptr;
};
