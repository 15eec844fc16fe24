#include "platform/ui/OpenChildForm.h"

#include "platform/data/Error.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>

namespace ui {

namespace {
QPointer<QMdiArea>& host()
{
    static QPointer<QMdiArea> h;
    return h;
}

// A new child opens wholly inside the frame's free area: moved in where it
// runs past an edge, and shrunk only where it is larger than the area.
void fitIntoArea(QMdiSubWindow* sw)
{
    QMdiArea* a = sw->mdiArea();
    if (!a || !a->isVisible() || sw->isMaximized() || sw->isMinimized())
        return;
    const QSize free = a->viewport()->size();
    if (free.isEmpty())
        return;
    const QRect g = sw->geometry();
    if (g.width() > free.width() || g.height() > free.height())
        sw->resize(g.size().boundedTo(free));
    const QSize size = sw->size();
    sw->move(std::clamp(g.x(), 0, std::max(0, free.width() - size.width())),
             std::clamp(g.y(), 0, std::max(0, free.height() - size.height())));
}

QMdiArea* areaFor(QWidget* owner)
{
    if (auto* a = qobject_cast<QMdiArea*>(owner))
        return a;
    if (owner)
        if (auto* a = owner->findChild<QMdiArea*>(QString(), Qt::FindDirectChildrenOnly))
            return a;
    return host();
}
}  // namespace

void setMdiHost(QMdiArea* area)
{
    host() = area;
}

QMdiArea* mdiHost()
{
    return host();
}

QList<Form*> liveForms()
{
    QList<Form*> out;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* f = qobject_cast<Form*>(w); f && !f->isReleased())
            out << f;
    return out;
}

void freeAllMdiChildren(QMdiArea* area)
{
    if (!area)
        area = host();
    if (!area)
        return;
    for (QMdiSubWindow* sw : area->subWindowList()) {
        if (auto* f = qobject_cast<Form*>(sw->widget())) {
            f->release();
        } else {
            sw->hide();
            sw->deleteLater();
        }
    }
}

namespace detail {

Form* findExact(const std::type_info& type)
{
    for (Form* f : liveForms())
        if (typeid(*f) == type)
            return f;
    return nullptr;
}

void bringForward(Form* f)
{
    if (QMdiSubWindow* sw = f->mdiSubWindow()) {
        if (sw->isMinimized())
            sw->showNormal();
        f->show();
        sw->show();
        if (QMdiArea* a = sw->mdiArea())
            a->setActiveSubWindow(sw);
        sw->raise();
        f->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (f->isMinimized())
        f->showNormal();
    if (!f->isVisible())
        f->show();
    f->raise();
    f->activateWindow();
}

void place(Form* f, QWidget* owner)
{
    if (f->isMdiChild()) {
        QMdiArea* area = areaFor(owner);
        if (!area)
            throw data::Error(QStringLiteral("没有可以容纳子窗口的主窗口。"));
        auto* sw = new QMdiSubWindow;
        sw->setWidget(f);
        sw->setAttribute(Qt::WA_DeleteOnClose, false);
        sw->setWindowTitle(f->windowTitle());
        sw->setWindowIcon(f->windowIcon());
        area->addSubWindow(sw);
        return;
    }
    if (owner) {
        Qt::WindowFlags flags = f->windowFlags() & ~Qt::WindowType_Mask;
        f->setParent(owner, flags | Qt::Dialog);
    }
}

void finishCreate(Form* f)
{
    QPointer<Form> guard(f);
    f->runCreate();
    if (!guard || f->isReleased())
        return;
    if (QMdiSubWindow* sw = f->mdiSubWindow()) {
        sw->setWindowTitle(f->windowTitle());
        f->watchActivation();
        f->showForm();
        fitIntoArea(sw);
        if (QMdiArea* a = sw->mdiArea())
            a->setActiveSubWindow(sw);
    } else if (f->showOnCreate()) {
        f->show();
    }
}

void abandon(Form* f)
{
    f->release();
}

}  // namespace detail

}  // namespace ui
