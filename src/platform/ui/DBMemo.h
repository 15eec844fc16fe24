#pragma once
// The data-aware memo: several lines of text bound to a field (see
// TextBinding.h). A field with a width takes at most that many characters,
// and a memo with a limit at most what the limit keeps of a text.

#include "platform/ui/FieldLink.h"
#include "platform/ui/TextBinding.h"

#include <QPlainTextEdit>
#include <functional>

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

    // What the memo accepts beyond the field's width: the limit returns the
    // part of a text that may stand (a beginning of it). Typed, pasted and
    // program-set text is cut to that; a stored value shows as it is.
    // limited() is what typing keeps: the field's width, then the limit.
    void setLimit(std::function<QString(const QString&)> limit);
    QString limited(const QString& text) const;

private:
    class Binding;
    std::unique_ptr<Binding> m_binding;
    std::function<QString(const QString&)> m_limit;
};

}  // namespace ui
