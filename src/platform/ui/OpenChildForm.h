#pragma once
// Opening windows: the one way the program opens a window.
//
//   ui::openChildForm(frmRegion, frame);   // TfrmRegion* frmRegion, a global
//
// If a window of exactly that class exists (a derived class does not count)
// it is brought forward: a minimised one is restored, a hidden one shown, and
// it is raised and given the focus. Otherwise a new one is made: constructed,
// the variable set to it, placed (MDI children in the frame's MDI area, other
// windows owned by `owner`, freed with it), and only then its creation handler
// formCreate() runs, so that the handler already finds the variable referring
// to its window; a new MDI child is then shown wholly inside the area's free
// space (moved in, and shrunk only where it cannot fit). The variable is
// cleared when the window is freed. If the creation handler throws, the
// window is freed, the variable cleared and the exception passed on to the
// caller (and so to the error box).

#include "platform/ui/Form.h"

#include <QList>
#include <functional>
#include <type_traits>
#include <typeinfo>

class QMdiArea;

namespace ui {

// The MDI area that MDI children go to when no owner names one; the frame
// registers itself.
void setMdiHost(QMdiArea* area);
QMdiArea* mdiHost();

// Every form alive and not being freed, oldest first.
QList<Form*> liveForms();

// Frees every MDI child window of the area (the host when nullptr) without
// running their close handlers; windows they own go with them.
void freeAllMdiChildren(QMdiArea* area = nullptr);

namespace detail {
Form* findExact(const std::type_info& type);
void bringForward(Form* f);
void place(Form* f, QWidget* owner);
void finishCreate(Form* f);  // creation handler, then showing
void abandon(Form* f);       // after a failed creation handler
}  // namespace detail

// `prepare` runs on a new window once it is placed, before its creation
// handler: the opener hands it what it asks for and connects to its signals.
// A window brought forward is not prepared again.
template <class T>
T* openChildForm(T*& variable, QWidget* owner = nullptr,
                 const std::type_identity_t<std::function<void(T&)>>& prepare = {})
{
    static_assert(std::is_base_of_v<Form, T>, "openChildForm opens ui::Form windows");
    if (Form* existing = detail::findExact(typeid(T))) {
        detail::bringForward(existing);
        variable = static_cast<T*>(existing);
        return variable;
    }
    T* f = new T(nullptr);
    variable = f;
    T** where = &variable;
    f->setVariableClearer([where, f] {
        if (*where == f)
            *where = nullptr;
    });
    try {
        detail::place(f, owner);
        if (prepare)
            prepare(*f);
        detail::finishCreate(f);
    } catch (...) {
        detail::abandon(f);
        throw;
    }
    return f;
}

}  // namespace ui
