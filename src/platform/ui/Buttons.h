#pragma once
// Buttons that never take the focus: tool buttons of the windows' tool bars
// and the flat speed buttons. Pressing one leaves the focus where it was, so
// it runs no on-exit check and a half-typed value stays in its control.

#include "platform/ui/Handler.h"

#include <QPushButton>
#include <QToolButton>
#include <functional>

class QAction;
class QCheckBox;
class QToolBar;

namespace ui {

class ToolButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent = nullptr);
    ToolButton(const QString& caption, QWidget* parent = nullptr);

    // What the button needs to do anything (a row to act on, say): while it
    // does not hold, enabling the button leaves it disabled, whoever enables
    // it. recheck() disables it when the condition no longer holds.
    void setAllowedWhen(std::function<bool()> allowed) { m_allowed = std::move(allowed); }
    void recheck();

protected:
    void changeEvent(QEvent* e) override;

private:
    std::function<bool()> m_allowed;
};

class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);
    SpeedButton(const QString& caption, QWidget* parent = nullptr);
};

// A tool button named `name` at the end of a window's tool bar; returns the
// bar's action for it, through which the button is shown and hidden.
QAction* addToolButton(QToolBar* bar, ToolButton*& button, const char* name, const QString& caption);

// The same, its click running the window's handler under the error guard
// (see connectHandler).
template <class Window, class Handler>
QAction* addToolButton(QToolBar* bar, ToolButton*& button, const char* name, const QString& caption,
                       Window* window, Handler handler)
{
    QAction* action = addToolButton(bar, button, name, caption);
    connectHandler(button, &QToolButton::clicked, window, handler);
    return action;
}

// The red check box a record window's edits wait on ("进入编辑状态"),
// unticked, named `name`.
QCheckBox* newEditSwitch(const QString& caption, QWidget* parent, const QString& name = QStringLiteral("CheckBox"));

}  // namespace ui
