#pragma once
// The program's windows, known to nothing below: the frame opens them by
// class name through the registry in app/Openers.

// Registers every window the program has (one line per window unit).
void registerAllWindows();
