#pragma once
// The default error box: what the program does with an exception that no
// handler caught. A data::Error shows its message, any other std::exception
// its text, data::Abort nothing at all; then the program goes on.

#include <exception>
#include <functional>

namespace ui {

// Shows the error box for an exception (through ui::Msg).
void reportException(std::exception_ptr e);

// Runs code outside the event handlers Qt calls (start-up steps, code run
// directly from a test); an exception ends up in the error box. Returns true
// when the code ran to its end.
bool guarded(const std::function<void()>& code);

}  // namespace ui
