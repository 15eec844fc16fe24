#pragma once
// How a window's handlers run.
//
// Qt must never see an exception come back out of a slot it called. A handler
// connected here runs under the error guard: whatever it throws is caught at
// the handler, shown in the error box (a check that refused, data::Abort, has
// said why already and shows nothing), and the program goes on.
//
//   ui::connectHandler(BB_Ok, &QPushButton::clicked, this, &TfrmLouyu::BB_OkClick);
//   ui::connectHandler(action, &QAction::triggered, this, [this] { ... });
//
// The handler takes the signal's arguments or none; the connection ends with
// the context object (the window).

#include "platform/data/DataSet.h"
#include "platform/ui/ErrorBox.h"

#include <QObject>
#include <type_traits>
#include <utility>

namespace ui {

template <class Sender, class Signal, class Handler>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, QObject* context, Handler handler)
{
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](const auto&... args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    });
}

template <class Sender, class Signal, class Window, class Owner>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Window* window, void (Owner::*handler)())
{
    return connectHandler(sender, signal, window, [window, handler] { (window->*handler)(); });
}

// Runs part of a handler; a check that refused (and has said why) ends it
// there, anything else goes on to the guard.
template <class F>
void quietly(F&& f)
{
    try {
        std::forward<F>(f)();
    } catch (const data::Abort&) {
    }
}

}  // namespace ui
