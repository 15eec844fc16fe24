#include "app/Openers.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Man.h"
#include "property/Region.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmMan"), [](QWidget* f) { ui::openChildForm(frmMan, f); });
}
