#include "platform/ui/LineEditBinding.h"

#include <QLineEdit>

namespace ui {

LineEditBinding::LineEditBinding(QWidget* control, QLineEdit* edit, FieldLink& link)
    : TextBinding(control, link), m_edit(edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { userEdited(); });
}

QString LineEditBinding::currentText() const
{
    return m_edit->text();
}

void LineEditBinding::showText(const QString& text)
{
    m_edit->setText(text);
}

int LineEditBinding::cursorPosition() const
{
    return m_edit->cursorPosition();
}

void LineEditBinding::keepTyped(const QString& text, int cursor)
{
    m_edit->setText(text);
    m_edit->setCursorPosition(cursor);
}

void LineEditBinding::selectAllText()
{
    m_edit->selectAll();
}

}  // namespace ui
