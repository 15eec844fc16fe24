#pragma once
// What the two read-only stores browsers share: a tool bar that moves through
// one of the data module's queries and runs it again with the window's
// filters ("查询"), and a read-only grid of that query's rows. Neither changes
// data and neither has a rights test.
//
// The query belongs to the data module and keeps its last statement when the
// window closes; the window re-opens it as it stands when created, so a
// second opening shows the rows of the last query first.

#include "platform/ui/DataSetModel.h"
#include "platform/ui/Form.h"

#include <QVector>

class QToolBar;
namespace data {
class DataSource;
class Query;
}
namespace ui {
class DBGrid;
class ToolButton;
}

class StoresBrowser : public ui::Form {
    Q_OBJECT
public:
    ui::ToolButton* TB_First = nullptr;
    ui::ToolButton* TB_Prev = nullptr;
    ui::ToolButton* TB_Next = nullptr;
    ui::ToolButton* TB_Last = nullptr;
    ui::ToolButton* TB_Find = nullptr;
    ui::ToolButton* TB_Close = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;

    void TB_FirstClick();
    void TB_PrevClick();
    void TB_NextClick();
    void TB_LastClick();
    virtual void TB_FindClick() = 0;
    void TB_CloseClick();

protected:
    StoresBrowser(const QString& caption, const QString& key, data::Query* query, data::DataSource* source,
                  const QVector<ui::GridColumn>& columns, QWidget* parent);

    data::Query* query() const { return m_query; }
    QToolBar* toolBar() const { return m_toolBar; }
    // Opens the query again with the statement it holds, its data source
    // disabled meanwhile.
    void reopen();
    // Replaces the query's statement by `lines` with its text parameters and opens it.
    void run(const QStringList& lines, const QList<QPair<QString, QString>>& params = {});

private:
    data::Query* m_query;
    data::DataSource* m_source;
    QToolBar* m_toolBar = nullptr;
};
