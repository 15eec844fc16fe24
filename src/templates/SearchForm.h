#pragma once
// The search window: the user puts together a list of conditions (relation,
// field, operator, value), runs them as one statement over one table and
// sees the matching rows with their count.
//
// A window states what it searches in a SearchConfig: the statement's head
// and table, the field list and its columns, the operators, the result
// grid's columns, and the few points where the searches differ (date fields,
// Find only while the conditions show, printing the result). The rest is the
// same everywhere: the list and its messages, the joining rule (see
// SearchStatement.h), the count, Clear, Hide, Enter adding a condition and
// Esc deleting the selected one.
//
// The window is a separate top-level window owned by the window that opens
// it, freed with that window.

#include "platform/ui/DataSetModel.h"
#include "platform/ui/Form.h"
#include "templates/SearchStatement.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace data {
class DataSource;
class Query;
}
namespace ui {
class DBGrid;
class ListView;
class ToolButton;
}

class SearchForm;

struct SearchConfig {
    QString caption;
    SearchStatement statement;
    // Captions whose values are dates: leaving the value input turns the
    // value into the date it denotes, or today's date when it is none.
    QStringList dateCaptions;
    QVector<ui::GridColumn> gridColumns;
    // Find is offered only while the conditions are shown.
    bool findOnlyWhenShown = false;
    // Prints the result; without it the print button is not shown. A search
    // that finds rows enables the button, one that finds none leaves it as it
    // was; printing disables it.
    std::function<void(SearchForm&)> print;
};

class SearchForm : public ui::Form {
    Q_OBJECT
public:
    explicit SearchForm(const SearchConfig& config, QWidget* parent = nullptr);
    ~SearchForm() override;

    const SearchConfig& config() const { return m_cfg; }
    // The conditions as listed.
    QVector<SearchCondition> conditions() const;
    // The rows found by the last search.
    data::Query* result() const { return AQ_Data; }

    // --- components ----------------------------------------------------------
    ui::ToolButton *TB_Hide = nullptr, *TB_Clear = nullptr, *TB_Print = nullptr, *TB_Find = nullptr;
    QLabel* lbl1 = nullptr;
    QWidget* Panel1 = nullptr;
    QComboBox *CB_ZD = nullptr, *CB_TJian = nullptr, *CB_GX = nullptr;
    QLineEdit* E_Value = nullptr;
    ui::ListView* LV_Sql = nullptr;
    QPushButton *BitBtn1 = nullptr, *BB_Delete = nullptr, *BB_Exit = nullptr;
    ui::DBGrid* DBG_Data = nullptr;
    data::Query* AQ_Data = nullptr;
    data::DataSource* DS_Data = nullptr;

    // --- handlers ------------------------------------------------------------
    void BitBtn1Click();
    void BB_DeleteClick();
    void BB_ExitClick();
    void TB_FindClick();
    void TB_ClearClick();
    void TB_HideClick();
    void TB_PrintClick();
    void E_ValueExit();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildToolBar();
    void buildPanel();
    void setCount(int rows);

    SearchConfig m_cfg;
    QWidget* m_filler = nullptr;  // takes the room below the grid while the panel is hidden
};
