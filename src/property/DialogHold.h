#pragma once
// Holds back a window's input while one of its dialogs is open: clicks, keys
// and the wheel on the window are dropped, every other window of the program
// stays usable. The dialog is modal to its window only.

#include <QObject>
#include <QPointer>
#include <QWidget>

class DialogHold : public QObject {
    Q_OBJECT
public:
    // `window` is what the user sees of the held window (its MDI sub-window).
    explicit DialogHold(QWidget* window, QObject* parent = nullptr);
    ~DialogHold() override;

    // Holds until release() or until the dialog is destroyed.
    void hold(QWidget* dialog);
    void release();
    bool holding() const { return !m_dialog.isNull(); }
    QWidget* dialog() const { return m_dialog; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_dialog;
    QMetaObject::Connection m_gone;
};
