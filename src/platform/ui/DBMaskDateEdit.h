#pragma once
// The data-aware edit for dates typed through a mask (see MaskedDate.h),
// bound to a text field or a date-time field.
//
// A complete, real date is written as "yyyy-MM-dd" as soon as it is typed.
// Leaving the edit with a date that does not exist shows the date error,
// empties the edit and puts the focus back; posting with one shows the date
// error and stops the post. Such a date is never stored. A blank edit stores
// an empty date, unless blanks are refused on leaving (setBlankAllowed(false)).

#include "platform/ui/DBEdit.h"

namespace ui {

class DBMaskDateEdit : public DBEdit {
    Q_OBJECT
public:
    explicit DBMaskDateEdit(QWidget* parent = nullptr);
    DBMaskDateEdit(data::DataSource* source, const QString& fieldName,
                   const QString& editMask = QStringLiteral("!9999/99/99;1"), QWidget* parent = nullptr);

    const QString& editMask() const { return m_editMask; }
    void setEditMask(const QString& mask);

    // Leaving a blank edit while the record is edited shows the date error
    // when blanks are not allowed (they are by default).
    void setBlankAllowed(bool on) { m_blankAllowed = on; }
    bool blankAllowed() const { return m_blankAllowed; }

    bool isBlank() const;
    bool isValidDate() const;
    // The date typed, "yyyy-MM-dd", or "" when blank; throws the date error.
    QString dateText() const;

private:
    QString m_editMask;
    bool m_blankAllowed = true;
};

}  // namespace ui
