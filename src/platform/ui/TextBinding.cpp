#include "platform/ui/TextBinding.h"

#include "platform/data/Error.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Msg.h"

#include <QWidget>

namespace ui {

TextBinding::TextBinding(QWidget* control, FieldLink& link) : m_control(control), m_link(link)
{
    toText = [](data::Field* f) { return f->asString(); };
    fromText = [](const QString& t) { return QVariant(t); };
    onExitFailure = [this](const data::Error& e) {
        Msg::error(e.message());
        m_control->setFocus(Qt::OtherFocusReason);
        selectAllText();
    };
    onExit(control, [this] { leaving(); }, this);
}

TextBinding::~TextBinding()
{
    clearExitChecks(m_control, this);
}

void TextBinding::userEdited()
{
    if (m_refreshing)
        return;
    const QString typed = currentText();
    const int cursor = cursorPosition();
    if (!m_link.editing()) {
        bool ok = false;
        try {
            ok = m_link.edit();
        } catch (...) {
            refresh();
            throw;
        }
        if (!ok) {
            refresh();
            return;
        }
        if (currentText() != typed) {
            m_refreshing = true;
            keepTyped(typed, cursor);
            m_refreshing = false;
        }
    }
    m_pending = true;
    tryWrite(typed);
}

void TextBinding::tryWrite(const QString& text)
{
    data::Field* f = m_link.field();
    if (!f)
        return;
    QVariant v;
    try {
        v = f->normalize(fromText(text));
    } catch (const data::Error&) {
        return;  // not a value yet; stays pending
    }
    m_link.write(v);
    m_pending = false;
}

void TextBinding::setTextFromCode(const QString& text)
{
    m_refreshing = true;
    showText(text);
    m_refreshing = false;
    m_pending = false;
    if (!m_link.editing())
        return;
    try {
        m_link.write(fromText(text));
    } catch (...) {
        refresh();
        throw;
    }
}

void TextBinding::refresh()
{
    m_refreshing = true;
    data::Field* f = m_link.field();
    showText(f ? toText(f) : QString());
    m_refreshing = false;
    m_pending = false;
}

void TextBinding::commit()
{
    if (!m_pending || !m_link.editing())
        return;
    m_link.write(fromText(currentText()));
    m_pending = false;
}

void TextBinding::leaving()
{
    if (!m_pending || !m_link.editing())
        return;
    try {
        commit();
    } catch (const data::Error& e) {
        onExitFailure(e);
        throw data::Abort();
    }
}

}  // namespace ui
