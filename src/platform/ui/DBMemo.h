#pragma once
// The data-aware memo: several lines of text bound to a field (see
// TextBinding.h). A field with a width takes at most that many characters.

#include "platform/ui/FieldLink.h"
#include "platform/ui/TextBinding.h"

#include <QPlainTextEdit>

namespace ui {

class DBMemo : public QPlainTextEdit, public BoundControl {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);
    DBMemo(data::DataSource* source, const QString& fieldName, QWidget* parent = nullptr);
    ~DBMemo() override;

    data::DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataSource(data::DataSource* s) { m_link.setDataSource(s); }
    QString dataField() const { return m_link.fieldName(); }
    void setDataField(const QString& name) { m_link.setFieldName(name); }
    data::Field* field() const { return m_link.field(); }

    FieldLink& link() override { return m_link; }
    void setReadOnly(bool on) override;
    bool isReadOnly() const { return m_link.readOnly(); }

    QString text() const { return toPlainText(); }
    // Shown, and written into the field while the dataset is editing.
    void setText(const QString& text);
    bool hasPendingInput() const;

private:
    class Binding;
    FieldLink m_link;
    std::unique_ptr<Binding> m_binding;
};

}  // namespace ui
