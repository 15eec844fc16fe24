#include "platform/ui/Form.h"

#include "platform/ui/ErrorBox.h"
#include "platform/ui/ModalRun.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace ui {

Form::Form(QWidget* parent) : QWidget(parent, parent ? Qt::Dialog : Qt::Window) {}

Form::~Form()
{
    if (m_clearVariable)
        m_clearVariable();
}

QMdiSubWindow* Form::mdiSubWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

QWidget* Form::frameWidget() const
{
    if (QMdiSubWindow* sw = mdiSubWindow())
        return sw;
    return const_cast<Form*>(this);
}

void Form::setFormSize(int width, int height)
{
    // Never smaller than its controls need in the program's font.
    QWidget* f = frameWidget();
    f->resize(QSize(width, height).expandedTo(f->minimumSizeHint()));
}

void Form::centerOnScreen()
{
    QWidget* f = frameWidget();
    QRect area;
    if (f->parentWidget() && !f->isWindow())
        area = f->parentWidget()->rect();
    else if (QScreen* s = screen())
        area = s->availableGeometry();
    else
        return;
    const QSize size = f->isWindow() ? f->frameGeometry().size() : f->size();
    f->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void Form::showForm()
{
    show();
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->show();
}

void Form::setModalResult(int result)
{
    endModal(this, result);
}

void Form::release()
{
    if (m_released)
        return;
    m_released = true;
    // Windows owned by this one go with it.
    for (Form* child : findChildren<Form*>())
        child->release();
    guarded([this] { formDestroy(); });
    if (m_clearVariable)
        m_clearVariable();
    QWidget* f = frameWidget();
    f->hide();
    f->deleteLater();
}

void Form::watchActivation()
{
    QMdiSubWindow* sw = mdiSubWindow();
    if (!sw || !sw->mdiArea())
        return;
    // Created as the active child: the creation handler did the set-up.
    m_active = true;
    connect(sw->mdiArea(), &QMdiArea::subWindowActivated, this, [this, sw](QMdiSubWindow* now) {
        // No active child at all: the frame lost the activation for a while
        // (a message box, another program); the child is still the one.
        if (!now || m_released)
            return;
        if (now != sw) {
            m_active = false;
            return;
        }
        if (m_active)
            return;
        m_active = true;
        guarded([this] { formActivate(); });
    });
}

void Form::setVariableClearer(std::function<void()> clear)
{
    m_clearVariable = std::move(clear);
}

CloseAction Form::askClose(CloseAction defaultAction)
{
    CloseAction action = defaultAction;
    const bool ran = guarded([&] {
        if (!formCloseQuery())
            action = CloseAction::None;
        else
            formClose(action);
    });
    return ran ? action : CloseAction::None;
}

bool Form::closeForModalResult()
{
    const CloseAction action = askClose(CloseAction::Hide);
    if (action == CloseAction::None || action == CloseAction::Minimize)
        return false;
    if (action == CloseAction::Free)
        release();
    return true;
}

void Form::closeEvent(QCloseEvent* e)
{
    if (m_released) {
        e->accept();
        return;
    }
    const CloseAction action = askClose(m_mdiChild ? CloseAction::Free : CloseAction::Hide);
    switch (action) {
    case CloseAction::None:
        e->ignore();
        return;
    case CloseAction::Minimize:
        e->ignore();
        frameWidget()->showMinimized();
        return;
    case CloseAction::Hide:
        e->accept();
        if (QMdiSubWindow* sw = mdiSubWindow())
            sw->hide();
        return;
    case CloseAction::Free:
        e->accept();
        release();
        return;
    }
}

QWidget* formOf(QWidget* w)
{
    while (w) {
        if (qobject_cast<Form*>(w) || w->isWindow())
            return w;
        if (qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            return w;
        w = w->parentWidget();
    }
    return nullptr;
}

}  // namespace ui
