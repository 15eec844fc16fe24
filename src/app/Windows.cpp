#include "app/CoM.h"
#include "app/Openers.h"
#include "fees/Sk.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Region.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
    registerWindow(QStringLiteral("TfrmCo"), [](QWidget* f) { ui::openChildForm(frmCo, f); });
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmSk"), [](QWidget* f) { ui::openChildForm(frmSk, f); });
}
