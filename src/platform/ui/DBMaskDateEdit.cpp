#include "platform/ui/DBMaskDateEdit.h"

#include "platform/data/Error.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/MaskedDate.h"
#include "platform/ui/Msg.h"

namespace ui {

DBMaskDateEdit::DBMaskDateEdit(QWidget* parent) : DBMaskDateEdit(nullptr, QString(), QStringLiteral("!9999/99/99;1"), parent)
{
}

DBMaskDateEdit::DBMaskDateEdit(data::DataSource* source, const QString& fieldName, const QString& editMask,
                               QWidget* parent)
    : DBEdit(source, fieldName, parent)
{
    binding().toText = [](data::Field* f) {
        const QString raw = f->asString();
        if (raw.trimmed().isEmpty())
            return QString();
        const QDateTime dt = data::parseDateTimeText(raw);
        return dt.isValid() ? dt.date().toString(QStringLiteral("yyyy-MM-dd")) : raw;
    };
    binding().fromText = [this](const QString& text) {
        try {
            return QVariant(normalizeMaskedDate(text));
        } catch (const data::Error&) {
            // A text date is refused in the words of the date check; a
            // date-time field names itself.
            data::Field* f = link().namedField();
            if (f && f->type() == data::ColType::DateTime)
                throw data::Error(data::dateErrorText(f->what()));
            throw;
        }
    };
    binding().onExitFailure = [this](const data::Error& e) {
        Msg::error(e.message());
        setText(QString());
        setFocus(Qt::OtherFocusReason);
    };
    onExit(this, [this] {
        if (!m_blankAllowed && link().editing() && isBlank()) {
            Msg::error(data::dateErrorText());
            setFocus(Qt::OtherFocusReason);
            throw data::Abort();
        }
    });
    setEditMask(editMask);
}

void DBMaskDateEdit::setEditMask(const QString& mask)
{
    m_editMask = mask;
    setInputMask(qtInputMask(mask));
    link().refresh();
}

bool DBMaskDateEdit::isBlank() const
{
    return isBlankMaskedDate(text());
}

bool DBMaskDateEdit::isValidDate() const
{
    try {
        return !normalizeMaskedDate(text()).isEmpty();
    } catch (const data::Error&) {
        return false;
    }
}

QString DBMaskDateEdit::dateText() const
{
    return normalizeMaskedDate(text());
}

}  // namespace ui
