#pragma once
// The tie between a data-aware control and one field of a data source.
//
// The field is named, not held: it is looked up on the data source's dataset
// whenever it is needed, because a query makes new fields each time it opens.
// While the data source is disabled, or its dataset closed, the link is
// inactive: the control shows nothing and follows nothing.
//
// The control is told to show the field again (refresh) on every data change
// without a field (moves, opens, posts, cancels) and on every change of its
// own field, except the changes it writes itself. Before the dataset posts,
// updateRecord asks the control to write what the user typed and has not
// stored yet.

#include "platform/data/DataSource.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace ui {

class FieldLink : public QObject {
    Q_OBJECT
public:
    explicit FieldLink(QObject* parent = nullptr);

    data::DataSource* dataSource() const { return m_source; }
    void setDataSource(data::DataSource* s);
    const QString& fieldName() const { return m_fieldName; }
    void setFieldName(const QString& name);

    // The field on the current dataset, or nullptr when inactive.
    data::Field* field() const;
    bool active() const { return field() != nullptr; }
    // The dataset is in edit or insert state (and the link is active).
    bool editing() const;

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }

    // Before the control changes its value for the user: puts the dataset
    // into edit state through the data source (automatic edit, or insert on an
    // empty dataset). False when the control may not change the field now.
    bool edit();
    // Writes a value into the field (the dataset must be editing); the
    // control's own refresh is skipped. Throws data::Error on a refused value,
    // naming the field by the control's caption.
    void write(const QVariant& value);
    // The field, named for messages by the caption the clerk reads beside
    // the control (ui::controlLabel); nullptr when inactive.
    data::Field* namedField();

    // The control's work.
    std::function<QString()> caption;       // the control's caption
    std::function<void()> onRefresh;        // show the field again
    std::function<void()> onUpdateRecord;   // write pending input (may throw)

    // Calls onRefresh now (used after the control's settings change).
    void refresh();

private:
    void dataChanged(data::Field* f);

    QPointer<data::DataSource> m_source;
    QString m_fieldName;
    bool m_readOnly = false;
    bool m_writing = false;
    QString m_caption;
    QMetaObject::Connection m_c1, m_c2, m_c3;
};

// Implemented by every data-aware control, so that a window can lock all of
// its controls at once.
class BoundControl {
public:
    BoundControl();
    virtual ~BoundControl() = default;

    FieldLink& link() { return m_link; }
    data::DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataSource(data::DataSource* s) { m_link.setDataSource(s); }
    QString dataField() const { return m_link.fieldName(); }
    void setDataField(const QString& name) { m_link.setFieldName(name); }
    // The field on the current dataset, or nullptr while the link is inactive.
    data::Field* field() const { return m_link.field(); }

    virtual void setReadOnly(bool on) = 0;
    bool isReadOnly() const { return m_link.readOnly(); }

protected:
    FieldLink m_link;
};

// Sets every data-aware control inside a window read-only (or editable again).
void setBoundControlsReadOnly(QWidget* root, bool readOnly);

}  // namespace ui
