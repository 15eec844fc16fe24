#include "app/CoM.h"
#include "app/Openers.h"
#include "fees/CWSet.h"
#include "fees/Cpsc.h"
#include "fees/FeeType1.h"
#include "fees/SCYSK.h"
#include "fees/XMSet.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Region.h"

// Every window of the program, registered with the frame's openers. A window
// unit adds its line here when it is built.
void registerAllWindows()
{
    registerWindow(QStringLiteral("TfrmCo"), [](QWidget* f) { ui::openChildForm(frmCo, f); });
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmFeeType1"), [](QWidget* f) { ui::openChildForm(frmFeeType1, f); });
    registerWindow(QStringLiteral("TfrmXMSet"), [](QWidget* f) { ui::openChildForm(frmXMSet, f); });
    registerWindow(QStringLiteral("TfrmCpsc"), [](QWidget* f) { ui::openChildForm(frmCpsc, f); });
    registerWindow(QStringLiteral("TfrmCWSet"), [](QWidget* f) { ui::openChildForm(frmCWSet, f); });
    registerWindow(QStringLiteral("TfrmSCYSK"), [](QWidget* f) { ui::openChildForm(frmSCYSK, f); });
}
