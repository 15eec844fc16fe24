#include "app/Startup.h"

#include "app/Back.h"
#include "app/Login.h"
#include "app/Main.h"
#include "platform/ui/Application.h"
#include "platform/ui/ModalRun.h"
#include "session/DMRegion.h"

#include <QDir>

namespace app {

int runProgram(int argc, char** argv, void (*registerWindows)())
{
    ui::Application a(argc, argv);
    QApplication::setApplicationName(QStringLiteral("物业管理"));
    registerWindows();

    auto* splash = new TfrmBack;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    // The frame is the main window; it stays hidden until a module is chosen.
    auto* frame = new TmdiForm;
    (void)frame;

    // The data module's creation runs the whole session: login inside it,
    // the navigation window inside the login.
    DM = new TDM;
    DM->DataModuleCreate(QDir::currentPath(), [] { ui::runModal(new TfrmLogin(nullptr)); });

    closeSplash();
    const int code = ui::mainLoop();
    delete mdiForm;
    delete DM;
    return code;
}

}  // namespace app
