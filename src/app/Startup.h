#pragma once

namespace app {

// The program's main block: runs the whole session and returns the exit code.
// registerWindows registers every window with the frame's openers; it runs
// once the application object exists.
int runProgram(int argc, char** argv, void (*registerWindows)());

}  // namespace app
