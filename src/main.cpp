// The property office program. All of it lives in the libraries; this only starts it.

#include "app/Startup.h"
#include "Windows.h"

int main(int argc, char** argv)
{
    return app::runProgram(argc, argv, registerAllWindows);
}
