#pragma once
// The data-aware date picker: a date chosen from a calendar, bound to a
// date-time field (stored at midnight). A null date shows as empty.

#include "platform/ui/FieldLink.h"

#include <QDateEdit>

namespace ui {

class DBDateTimePicker : public QDateEdit, public BoundControl {
    Q_OBJECT
public:
    explicit DBDateTimePicker(QWidget* parent = nullptr);
    DBDateTimePicker(data::DataSource* source, const QString& fieldName, QWidget* parent = nullptr);
    ~DBDateTimePicker() override;

    void setReadOnly(bool on) override;
    using BoundControl::isReadOnly;

    // The date shown; invalid when empty.
    QDate dateValue() const;
    // Shown, and written into the field while the dataset is editing.
    void setDateValue(const QDate& d);

private:
    void showField();
    void changedByUser(const QDate& d);
    void showDate(const QDate& d);

    bool m_showing = false;
};

}  // namespace ui
