#pragma once

namespace app {

// The program's main block: runs the whole session and returns the exit code.
int runProgram(int argc, char** argv);

}  // namespace app
