#pragma once
// One long step that cannot call back while it works (a table emptied or a
// log written into the database file in one step of the embedded database's
// engine, a file synced to the disk) run on a thread of its own, while the
// calling thread (the one user-interface thread) goes on calling a function
// that keeps the window painted.
//
// The work must not use what the calling thread uses meanwhile; a
// connection's own database handle, which the calling thread leaves alone
// while it waits, may be used.

#include <functional>

namespace data {

// Runs `work` beside the calling thread and calls `tick` here every few tens
// of milliseconds until it is done; what the work throws passes on. If
// `tick` throws, `stop` is called (to make the work end early), the work is
// waited for, and the exception passes on.
void runBeside(const std::function<void()>& work, const std::function<void()>& tick,
               const std::function<void()>& stop = {});

}  // namespace data
