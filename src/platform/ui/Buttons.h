#pragma once
// Buttons that never take the focus: tool buttons of the windows' tool bars
// and the flat speed buttons. Pressing one leaves the focus where it was, so
// it runs no on-exit check and a half-typed value stays in its control.

#include <QPushButton>
#include <QToolButton>

namespace ui {

class ToolButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent = nullptr);
    ToolButton(const QString& caption, QWidget* parent = nullptr);
};

class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);
    SpeedButton(const QString& caption, QWidget* parent = nullptr);
};

}  // namespace ui
