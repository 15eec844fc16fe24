#include "app/Openers.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Build.h"
#include "property/FCBuild.h"
#include "property/Region.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmBuild"), [](QWidget* f) { ui::openChildForm(frmBuild, f); });
    registerWindow(QStringLiteral("TfrmFCBuild"), [](QWidget* f) { ui::openChildForm(frmFCBuild, f); });
}
