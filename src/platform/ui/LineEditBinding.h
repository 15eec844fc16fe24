#pragma once
// TextBinding for a QLineEdit (the data-aware edit, the edit of a combo box).

#include "platform/ui/TextBinding.h"

class QLineEdit;

namespace ui {

class LineEditBinding : public TextBinding {
public:
    // The control is the widget that takes the focus (the edit, or the combo
    // box around it).
    LineEditBinding(QWidget* control, QLineEdit* edit, FieldLink& link);

protected:
    QString currentText() const override;
    void showText(const QString& text) override;
    int cursorPosition() const override;
    void keepTyped(const QString& text, int cursor) override;
    void selectAllText() override;

private:
    QLineEdit* m_edit;
};

}  // namespace ui
