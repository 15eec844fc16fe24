#pragma once
// The base of every window of the program.
//
// A form is built in its constructor (controls, layout) and takes up its work
// in formCreate(), the creation handler, which runs after the program's
// variable for the window refers to it (see OpenChildForm.h). An MDI child
// lives in the frame's MDI area, shows itself on creation and frees itself
// when closed; other forms are top-level windows, hidden when closed.
//
// An MDI child is told when it becomes the frame's active child again:
// formActivate() runs each time another child was active before and this one
// is brought forward, clicked or chosen in the 窗口 menu. The creation handler
// stands for the first activation; a message box or another program taking
// the activation and giving it back is no activation of the child.
//
// Closing asks formCloseQuery(), then formClose() with the default action,
// which the handler may change: None keeps the window, Hide hides it, Free
// frees it (formDestroy() runs, then the window is deleted), Minimize
// minimises it. An exception from a handler keeps the window open and shows
// the error box.

#include <QString>
#include <QWidget>
#include <functional>

class QMdiSubWindow;

namespace ui {

enum class CloseAction { None, Hide, Free, Minimize };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // A key naming the window, for code that needs to tell windows apart.
    const QString& formKey() const { return m_formKey; }
    void setFormKey(const QString& key) { m_formKey = key; }

    bool isMdiChild() const { return m_mdiChild; }
    // Set in the constructor of a window class that lives in the MDI area.
    void setMdiChild(bool on) { m_mdiChild = on; }
    // Whether a form that is not an MDI child shows itself on creation.
    bool showOnCreate() const { return m_showOnCreate; }
    void setShowOnCreate(bool on) { m_showOnCreate = on; }

    // The MDI sub-window holding the form, or nullptr.
    QMdiSubWindow* mdiSubWindow() const;
    // What the user sees as the window: the sub-window, or the form itself.
    QWidget* frameWidget() const;
    // Outer size of the window, as the windows' creation handlers give it.
    void setFormSize(int width, int height);
    // Centres the window on the desktop (or in the MDI area for a child).
    void centerOnScreen();
    // Shows the window with its sub-window.
    void showForm();

    // Ends the form's modal run with a result (see ModalRun.h).
    void setModalResult(int result);

    // Frees the window without asking it: formDestroy() runs, the variable
    // that refers to it is cleared, and it is deleted once control returns to
    // the event loop. Its close handlers do not run.
    void release();
    bool isReleased() const { return m_released; }

    // Internal: the modal run asks the form before its run ends on a result;
    // false when a handler refused.
    bool closeForModalResult();
    // Internal: OpenChildForm's way of clearing the program's variable,
    // when the window is freed or destroyed (windows need no destructor for it).
    void setVariableClearer(std::function<void()> clear);
    // Internal: runs the creation handler.
    void runCreate() { formCreate(); }
    // Internal: from the creation on, tells an MDI child its activations.
    void watchActivation();

protected:
    virtual void formCreate() {}
    virtual void formActivate() {}
    virtual bool formCloseQuery() { return true; }
    virtual void formClose(CloseAction& action) { (void)action; }
    virtual void formDestroy() {}

    void closeEvent(QCloseEvent* e) override;

private:
    // Runs the close handlers; returns the action they chose.
    CloseAction askClose(CloseAction defaultAction);

    QString m_formKey;
    bool m_mdiChild = false;
    bool m_showOnCreate = false;
    bool m_released = false;
    bool m_active = false;  // the frame's active child, as last told
    std::function<void()> m_clearVariable;
};

// The nearest form or window of a widget: the unit within which focus moves
// count as moves "inside the window".
QWidget* formOf(QWidget* w);

}  // namespace ui
