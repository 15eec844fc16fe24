// Compiled with the include root of the templates layer by tools/check-layers.sh,
// which expects exactly the second include to be missing (keep the order): a
// layer sees the layers below it and nothing above.
#include "session/Session.h"
#include "app/Main.h"
