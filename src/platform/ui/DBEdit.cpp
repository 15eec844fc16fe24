#include "platform/ui/DBEdit.h"

#include "platform/data/Error.h"

namespace ui {

DBEdit::DBEdit(QWidget* parent) : DBEdit(nullptr, QString(), parent) {}

DBEdit::DBEdit(data::DataSource* source, const QString& fieldName, QWidget* parent) : QLineEdit(parent)
{
    m_binding = std::make_unique<LineEditBinding>(this, this, m_link);
    m_binding->toText = [this](data::Field* f) {
        if (!m_displayFormat.isEmpty() && f->type() == data::ColType::DateTime)
            return f->isNull() ? QString() : f->asDateTime().toString(m_displayFormat);
        return f->asString();
    };
    m_binding->fromText = [this](const QString& text) -> QVariant {
        data::Field* f = m_link.namedField();
        if (m_displayFormat.isEmpty() || !f || f->type() != data::ColType::DateTime || text.trimmed().isEmpty())
            return text;
        const bool hasDate = m_displayFormat.contains(u'y') || m_displayFormat.contains(u'd');
        if (hasDate) {
            const QDateTime dt = QDateTime::fromString(text.trimmed(), m_displayFormat);
            if (!dt.isValid())
                throw data::Error(data::dateErrorText(f->what()));
            return dt;
        }
        const QTime t = QTime::fromString(text.trimmed(), m_displayFormat);
        if (!t.isValid())
            throw data::Error(QStringLiteral("“%1”不是%2需要的时间。").arg(text, f->what()));
        const QDate d = f->isNull() ? QDate(1899, 12, 30) : f->asDateTime().date();
        return QDateTime(d, t);
    };
    m_link.onRefresh = [this] {
        data::Field* f = field();
        applyMaxLength(f);
        m_binding->refresh();
        fieldShown(f);
    };
    m_link.onUpdateRecord = [this] { m_binding->commit(); };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBEdit::~DBEdit()
{
    m_link.onRefresh = nullptr;
    m_link.onUpdateRecord = nullptr;
}

void DBEdit::setReadOnly(bool on)
{
    m_link.setReadOnly(on);
    QLineEdit::setReadOnly(on);
}

void DBEdit::setText(const QString& text)
{
    m_binding->setTextFromCode(text);
}

void DBEdit::setMaxLength(int chars)
{
    m_userMax = chars;
    applyMaxLength(field());
}

void DBEdit::setDisplayFormat(const QString& format)
{
    m_displayFormat = format;
    m_link.refresh();
}

void DBEdit::fieldShown(data::Field*) {}

void DBEdit::applyMaxLength(data::Field* f)
{
    if (!inputMask().isEmpty())
        return;
    int limit = (f && f->type() == data::ColType::String && f->width() > 0) ? f->width() : 32767;
    if (m_userMax > 0)
        limit = std::min(limit, m_userMax);
    if (limit != maxLength())
        QLineEdit::setMaxLength(limit);
}

}  // namespace ui
