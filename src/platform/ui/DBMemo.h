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

    void setReadOnly(bool on) override;
    using BoundControl::isReadOnly;

    QString text() const { return toPlainText(); }
    // Shown, and written into the field while the dataset is editing.
    void setText(const QString& text);
    bool hasPendingInput() const;

private:
    class Binding;
    std::unique_ptr<Binding> m_binding;
};

}  // namespace ui
