#include "platform/ui/DBDateTimePicker.h"

namespace ui {

namespace {
// The lowest date stands for "no date" and shows as empty.
const QDate kNoDate(1752, 9, 14);
}

DBDateTimePicker::DBDateTimePicker(QWidget* parent) : DBDateTimePicker(nullptr, QString(), parent) {}

DBDateTimePicker::DBDateTimePicker(data::DataSource* source, const QString& fieldName, QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setMinimumDate(kNoDate);
    setSpecialValueText(QStringLiteral(" "));
    connect(this, &QDateEdit::dateChanged, this, &DBDateTimePicker::changedByUser);
    m_link.onRefresh = [this] { showField(); };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBDateTimePicker::~DBDateTimePicker()
{
    m_link.onRefresh = nullptr;
}

void DBDateTimePicker::setReadOnly(bool on)
{
    m_link.setReadOnly(on);
    QDateEdit::setReadOnly(on);
}

QDate DBDateTimePicker::dateValue() const
{
    return date() == kNoDate ? QDate() : date();
}

void DBDateTimePicker::showDate(const QDate& d)
{
    m_showing = true;
    setDate(d.isValid() ? d : kNoDate);
    m_showing = false;
}

void DBDateTimePicker::showField()
{
    data::Field* f = m_link.field();
    showDate(f && !f->isNull() ? f->asDateTime().date() : QDate());
}

void DBDateTimePicker::setDateValue(const QDate& d)
{
    showDate(d);
    if (m_link.editing()) {
        try {
            m_link.write(d.isValid() ? QVariant(QDateTime(d, QTime(0, 0))) : QVariant());
        } catch (...) {
            showField();
            throw;
        }
    }
}

void DBDateTimePicker::changedByUser(const QDate& d)
{
    if (m_showing)
        return;
    if (m_link.readOnly() || (!m_link.editing() && !m_link.edit())) {
        showField();
        return;
    }
    if (date() != d)
        showDate(d);  // starting an insert showed the empty new row
    try {
        m_link.write(d == kNoDate ? QVariant() : QVariant(QDateTime(d, QTime(0, 0))));
    } catch (...) {
        showField();
        throw;
    }
}

}  // namespace ui
