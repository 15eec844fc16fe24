#include "app/CoM.h"
#include "app/Openers.h"
#include "fees/FJL.h"
#include "fees/SFee.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Region.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
    registerWindow(QStringLiteral("TfrmCo"), [](QWidget* f) { ui::openChildForm(frmCo, f); });
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmSFee"), [](QWidget* f) { ui::openChildForm(frmSFee, f); });
    registerWindow(QStringLiteral("TfrmFJL"), [](QWidget* f) { ui::openChildForm(frmFJL, f); });
}
