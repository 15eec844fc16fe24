#pragma once
// The data-aware edit: one line of text bound to a field (see TextBinding.h).
//
// It takes at most as many characters as the field's width (or a smaller
// limit set with setMaxLength()). setText() goes to the field like typing
// does. A date-time field can be shown in a display format ("hh:mm:ss" for a
// time of day); text typed in that format keeps the date part the field had.

#include "platform/ui/FieldLink.h"
#include "platform/ui/LineEditBinding.h"

#include <QLineEdit>

namespace ui {

class DBEdit : public QLineEdit, public BoundControl {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);
    DBEdit(data::DataSource* source, const QString& fieldName, QWidget* parent = nullptr);
    ~DBEdit() override;

    void setReadOnly(bool on) override;
    using BoundControl::isReadOnly;

    // Shown, and written into the field while the dataset is editing.
    void setText(const QString& text);
    // A limit below the field's width; 0 for the field's width alone.
    void setMaxLength(int chars);
    // Shows a '*' for each character.
    void setPasswordChar(bool on) { setEchoMode(on ? Password : Normal); }
    void setDisplayFormat(const QString& format);

    // Typed text not yet stored in the field.
    bool hasPendingInput() const { return m_binding->pending(); }
    // Writes typed text into the field now; throws data::Error when invalid.
    void commit() { m_binding->commit(); }

protected:
    TextBinding& binding() { return *m_binding; }
    // Called on every refresh, after the text is shown.
    virtual void fieldShown(data::Field* f);

private:
    void applyMaxLength(data::Field* f);

    std::unique_ptr<LineEditBinding> m_binding;
    int m_userMax = 0;
    QString m_displayFormat;
};

}  // namespace ui
