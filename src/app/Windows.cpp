#include "app/Openers.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
}
