#include "platform/ui/Buttons.h"

#include <QCheckBox>
#include <QEvent>
#include <QToolBar>

namespace ui {

ToolButton::ToolButton(QWidget* parent) : ToolButton(QString(), parent) {}

ToolButton::ToolButton(const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
}

void ToolButton::recheck()
{
    if (isEnabled() && m_allowed && !m_allowed())
        setEnabled(false);
}

void ToolButton::changeEvent(QEvent* e)
{
    QToolButton::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        recheck();
}

SpeedButton::SpeedButton(QWidget* parent) : SpeedButton(QString(), parent) {}

SpeedButton::SpeedButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    setAutoDefault(false);
}

QAction* addToolButton(QToolBar* bar, ToolButton*& button, const char* name, const QString& caption)
{
    button = new ToolButton(caption, bar);
    button->setObjectName(QString::fromLatin1(name));
    return bar->addWidget(button);
}

QCheckBox* newEditSwitch(const QString& caption, QWidget* parent, const QString& name)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    QPalette red = box->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    box->setPalette(red);
    return box;
}

}  // namespace ui
