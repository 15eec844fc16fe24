#pragma once
// How a text control (edit, memo, the edit of a combo box) keeps its text and
// its field in step.
//
// Shown: the field's text, again on every refresh of the link. Typed: the
// first change puts the dataset into edit state (or refuses the change and
// shows the field again); then each change is written into the field at once
// when it is a valid value, and kept as pending input while it is not (a
// number half typed, an incomplete date). Pending input is written when the
// user leaves the control for another one of the window, and when the dataset
// posts; an invalid value then shows the error and is never stored. Text set
// by the program is written at once while the dataset is editing (an invalid
// or too long value throws and the field's text comes back); while browsing
// it is only shown.

#include "platform/data/Error.h"
#include "platform/ui/FieldLink.h"

#include <QVariant>
#include <functional>

class QWidget;

namespace ui {

class TextBinding {
public:
    TextBinding(QWidget* control, FieldLink& link);
    virtual ~TextBinding();

    // The text shown for a field (default: Field::asString()).
    std::function<QString(data::Field*)> toText;
    // The value written for a text; throws data::Error when the text is not
    // a valid value (default: the text as it is, the field converts it).
    std::function<QVariant(const QString&)> fromText;
    // What happens when leaving the control with an invalid value (default:
    // the error box, the text kept and selected, the focus back).
    std::function<void(const data::Error&)> onExitFailure;

    // The control calls this after each change the user made.
    void userEdited();
    // Text set by the program.
    void setTextFromCode(const QString& text);
    // Shows the field again, dropping pending input.
    void refresh();
    bool pending() const { return m_pending; }
    // Writes pending input; throws data::Error when it is not a valid value.
    void commit();
    bool refreshing() const { return m_refreshing; }

protected:
    virtual QString currentText() const = 0;
    virtual void showText(const QString& text) = 0;
    virtual int cursorPosition() const { return -1; }
    // Puts back what the user typed after a refresh undid it.
    virtual void keepTyped(const QString& text, int cursor) = 0;
    virtual void selectAllText() {}

    QWidget* m_control;
    FieldLink& m_link;

private:
    void tryWrite(const QString& text);
    void leaving();

    bool m_pending = false;
    bool m_refreshing = false;
};

}  // namespace ui
