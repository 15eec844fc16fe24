#pragma once
// The record navigator: the standard record operations on a data source,
// pressed by the windows' own buttons (it is usually kept hidden).
//
// Delete asks "确定要删除该记录吗？" (确定 / 取消) first; on OK a row being added is
// dropped, otherwise the current row is deleted. With nothing to delete
// (an empty dataset, or a disabled or closed source) nothing happens and
// nothing is asked.

#include "platform/data/DataSource.h"

#include <QPointer>
#include <QWidget>

namespace ui {

class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

    explicit DBNavigator(data::DataSource* source = nullptr, QWidget* parent = nullptr);

    data::DataSource* dataSource() const { return m_source; }
    void setDataSource(data::DataSource* s) { m_source = s; }
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    bool confirmDelete() const { return m_confirmDelete; }

    // Does what the button stands for; errors of the dataset are thrown.
    void btnClick(Button b);

    static QString deleteQuestion() { return QStringLiteral("确定要删除该记录吗？"); }
    // The question Delete asks, for a window whose delete takes more than the row.
    void setDeleteText(const QString& text) { m_deleteText = text; }

private:
    QPointer<data::DataSource> m_source;
    bool m_confirmDelete = true;
    QString m_deleteText = deleteQuestion();
};

}  // namespace ui
