#include "property/DialogHold.h"

#include <QApplication>
#include <QEvent>

namespace {

bool isInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

}  // namespace

DialogHold::DialogHold(QWidget* window, QObject* parent) : QObject(parent), m_window(window) {}

DialogHold::~DialogHold()
{
    release();
}

void DialogHold::hold(QWidget* dialog)
{
    release();
    if (!dialog)
        return;
    m_dialog = dialog;
    m_gone = connect(dialog, &QObject::destroyed, this, [this] { release(); });
    qApp->installEventFilter(this);
}

void DialogHold::release()
{
    disconnect(m_gone);
    m_dialog = nullptr;
    if (qApp)
        qApp->removeEventFilter(this);
}

bool DialogHold::eventFilter(QObject* obj, QEvent* e)
{
    if (!m_window || !obj->isWidgetType() || !isInput(e->type()))
        return false;
    auto* w = static_cast<QWidget*>(obj);
    return w == m_window || m_window->isAncestorOf(w);
}
