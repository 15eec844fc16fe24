#include "platform/ui/Buttons.h"

namespace ui {

ToolButton::ToolButton(QWidget* parent) : ToolButton(QString(), parent) {}

ToolButton::ToolButton(const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
}

SpeedButton::SpeedButton(QWidget* parent) : SpeedButton(QString(), parent) {}

SpeedButton::SpeedButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    setAutoDefault(false);
}

}  // namespace ui
