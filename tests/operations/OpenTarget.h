#pragma once
// Opening an operations window as the frame's menu item does, and reading
// which of its buttons and inputs are enabled.

#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/OpenChildForm.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace optest {

// Runs the opener of a target "Key" or "Key/EmpKind" and returns the window
// of that class, or null.
template <class T>
T* openTarget(const QString& target)
{
    const OpenerDef* o = findOpener(target);
    if (!o)
        return nullptr;
    runOpener(*o, mdiForm);
    for (ui::Form* f : ui::liveForms())
        if (qstrcmp(f->metaObject()->className(), o->windowClass) == 0)
            return qobject_cast<T*>(f);
    return nullptr;
}

// 1 for each enabled widget, 0 otherwise; a space between the groups.
inline QString enabled(const QList<QList<QWidget*>>& groups)
{
    QStringList out;
    for (const auto& g : groups) {
        QString s;
        for (QWidget* w : g)
            s += w && w->isEnabled() ? u'1' : u'0';
        out << s;
    }
    return out.join(u' ');
}

}  // namespace optest
