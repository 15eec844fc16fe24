#pragma once
// Modal runs and the end of the program.
//
// A modal run shows a window and runs a nested event loop until the run is
// ended: by endModal(), by the window being closed or destroyed, or by
// terminate(). Runs nest. A run keeps going while its window is hidden (the
// login window hides itself while the navigation window runs inside it).
//
// A run blocks the input of the windows that were visible when it started,
// like a modal dialog; windows shown after it started stay usable (the frame
// and its child windows during the navigation window's run). It does not use
// Qt's application modality.
//
// terminate() is the program being told to end: every run ends at once, no
// further run starts, and when everything has unwound the main loop ends.

#include <QWidget>
#include <functional>

namespace ui {

// Results of a run, as buttons report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// Shows the window and returns when its run ends, with the run's result
// (mrCancel when the window was closed, destroyed or the program terminated).
// At the end the window is hidden. Throws data::Error when the window is
// already running modally.
int runModal(QWidget* window);

// Ends the run of the window with a result. A ui::Form is asked first (its
// close handlers run, with "hide" as the default action); a form that refuses
// keeps running.
void endModal(QWidget* window, int result);

bool isRunningModal(const QWidget* window);
// Number of runs in progress.
int modalDepth();

// Tells the program to end (see above). Safe to call more than once.
void terminate();
bool terminated();

// What terminate() does after ending the runs; the default quits the main
// loop (QCoreApplication::exit). Tests install their own so that the test
// process goes on. Returns the previous hook.
std::function<void()> setTerminateHook(std::function<void()> hook);
// Clears the terminated state (tests only).
void resetTermination();

// Runs the application's main loop unless the program has already been told
// to terminate (for example during start-up); returns the exit code.
int mainLoop();

}  // namespace ui
