// The property office program. All of it lives in the library; this only starts it.

#include "app/Startup.h"

int main(int argc, char** argv)
{
    return app::runProgram(argc, argv);
}
