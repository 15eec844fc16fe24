#include "Windows.h"

#include "app/CoM.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "app/SystemM.h"
#include "fees/BBYSK.h"
#include "fees/Cpsc.h"
#include "fees/CWSet.h"
#include "fees/DataSend.h"
#include "fees/FeeType1.h"
#include "fees/FJL.h"
#include "fees/KZF.h"
#include "fees/SCYSK.h"
#include "fees/SFTJ.h"
#include "fees/SFee.h"
#include "fees/Sk.h"
#include "fees/WRZ.h"
#include "fees/XMSet.h"
#include "fees/YSKgl.h"
#include "operations/RegisterWindows.h"
#include "operations/dispatch/DutyDispatch.h"
#include "operations/lists/ListWindows.h"
#include "operations/staff/StaffBrowser.h"
#include "operations/affairs/AffairsRegisters.h"
#include "operations/documents/DocumentRegisters.h"
#include "operations/equipment/EquipmentRegisters.h"
#include "operations/fieldwork/FieldRegisters.h"
#include "operations/parking/Car.h"
#include "operations/staff/Award.h"
#include "operations/equipment/WorkOrder.h"
#include "operations/stores/IoSelect.h"
#include "operations/stores/Repertory.h"
#include "operations/stores/StockVoucher.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Build.h"
#include "property/FCBuild.h"
#include "property/Man.h"
#include "property/Region.h"
#include "reference/CodeTables.h"
#include "session/Session.h"

// A window unit adds its line here when it is built.
void registerAllWindows()
{
    registerFrameCommands();
    registerWindow(QStringLiteral("TfrmSystem"), [](QWidget* f) { ui::openChildForm(frmSystem, f); });
    registerWindow(QStringLiteral("TfrmCo"), [](QWidget* f) { ui::openChildForm(frmCo, f); });
    registerWindow(QStringLiteral("TfrmRegion"), [](QWidget* f) { ui::openChildForm(frmRegion, f); });
    registerWindow(QStringLiteral("TfrmCulture"), [](QWidget* f) { ui::openChildForm(frmCulture, f); });
    registerWindow(QStringLiteral("TfrmJob"), [](QWidget* f) { ui::openChildForm(frmJob, f); });
    registerWindow(QStringLiteral("TfrmZhZ"), [](QWidget* f) { ui::openChildForm(frmZhZ, f); });
    registerWindow(QStringLiteral("TfrmZhJ"), [](QWidget* f) { ui::openChildForm(frmZhJ, f); });
    registerWindow(QStringLiteral("TfrmFolk"), [](QWidget* f) { ui::openChildForm(frmFolk, f); });
    registerWindow(QStringLiteral("TfrmNexus"), [](QWidget* f) { ui::openChildForm(frmNexus, f); });
    registerWindow(QStringLiteral("TfrmRoom"), [](QWidget* f) { ui::openChildForm(frmRoom, f); });
    registerWindow(QStringLiteral("TfrmFeeType"), [](QWidget* f) { ui::openChildForm(frmFeeType, f); });
    registerWindow(QStringLiteral("TfrmReperType"), [](QWidget* f) { ui::openChildForm(frmReperType, f); });
    registerWindow(QStringLiteral("TfrmFixSys"), [](QWidget* f) { ui::openChildForm(frmFixSys, f); });
    registerWindow(QStringLiteral("TfrmFixType"), [](QWidget* f) { ui::openChildForm(frmFixType, f); });
    registerWindow(QStringLiteral("TfrmShPType"), [](QWidget* f) { ui::openChildForm(frmShPType, f); });
    registerWindow(QStringLiteral("TfrmFileType"), [](QWidget* f) { ui::openChildForm(frmFileType, f); });
    registerWindow(QStringLiteral("TfrmUseType"), [](QWidget* f) { ui::openChildForm(frmUseType, f); });
    registerWindow(QStringLiteral("TfrmPrjType"), [](QWidget* f) { ui::openChildForm(frmPrjType, f); });
    registerWindow(QStringLiteral("TfrmPeixType"), [](QWidget* f) { ui::openChildForm(frmPeixType, f); });
    registerWindow(QStringLiteral("TfrmMeetType"), [](QWidget* f) { ui::openChildForm(frmMeetType, f); });
    registerWindow(QStringLiteral("TfrmHuodType"), [](QWidget* f) { ui::openChildForm(frmHuodType, f); });
    registerWindow(QStringLiteral("TfrmSFee"), [](QWidget* f) { ui::openChildForm(frmSFee, f); });
    registerWindow(QStringLiteral("TfrmFJL"), [](QWidget* f) { ui::openChildForm(frmFJL, f); });
    registerWindow(QStringLiteral("TfrmMan"), [](QWidget* f) { ui::openChildForm(frmMan, f); });
    installOwnerSheetPrinting();
    registerWindow(QStringLiteral("TfrmBuild"), [](QWidget* f) { ui::openChildForm(frmBuild, f); });
    registerWindow(QStringLiteral("TfrmFCBuild"), [](QWidget* f) { ui::openChildForm(frmFCBuild, f); });
    registerWindow(QStringLiteral("TfrmSk"), [](QWidget* f) { ui::openChildForm(frmSk, f); });
    registerWindow(QStringLiteral("TfrmFeeType1"), [](QWidget* f) { ui::openChildForm(frmFeeType1, f); });
    registerWindow(QStringLiteral("TfrmXMSet"), [](QWidget* f) { ui::openChildForm(frmXMSet, f); });
    registerWindow(QStringLiteral("TfrmCpsc"), [](QWidget* f) { ui::openChildForm(frmCpsc, f); });
    registerWindow(QStringLiteral("TfrmCWSet"), [](QWidget* f) { ui::openChildForm(frmCWSet, f); });
    registerWindow(QStringLiteral("TfrmSCYSK"), [](QWidget* f) { ui::openChildForm(frmSCYSK, f); });
    // The report windows two openers share take the kind of the opener that
    // opened them or brought them forward.
    registerWindow(QStringLiteral("TfrmBBYSK"),
                   [](QWidget* f) { ui::openChildForm(frmBBYSK, f)->setKind(session::moduleKey()); });
    registerWindow(QStringLiteral("TfrmSFTJ"),
                   [](QWidget* f) { ui::openChildForm(frmSFTJ, f)->setKind(session::moduleKey()); });
    registerWindow(QStringLiteral("TfrmWRZ"), [](QWidget* f) { ui::openChildForm(frmWRZ, f); });
    registerWindow(QStringLiteral("TfrmKZF"), [](QWidget* f) { ui::openChildForm(frmKZF, f); });
    registerWindow(QStringLiteral("TfrmDataSend"), [](QWidget* f) { ui::openChildForm(frmDataSend, f); });
    registerWindow(QStringLiteral("TfrmYSKgl"), [](QWidget* f) { ui::openChildForm(frmYSKgl, f); });
    registerWindow(QStringLiteral("TfrmAppeal"), [](QWidget* f) { ui::openChildForm(frmAppeal, f); });
    registerWindow(QStringLiteral("TfrmEmployee"), [](QWidget* f) { ui::openChildForm(frmEmployee, f); });
    registerWindow(QStringLiteral("TfrmBoanUse"), [](QWidget* f) { ui::openChildForm(frmBoanUse, f); });
    registerWindow(QStringLiteral("TfrmBojeUse"), [](QWidget* f) { ui::openChildForm(frmBojeUse, f); });
    registerWindow(QStringLiteral("TfrmFirUse"), [](QWidget* f) { ui::openChildForm(frmFirUse, f); });
    registerWindow(QStringLiteral("TfrmTools"), [](QWidget* f) { ui::openChildForm(frmTools, f); });
    registerWindow(QStringLiteral("TfrmSpare"), [](QWidget* f) { ui::openChildForm(frmSpare, f); });
    registerWindow(QStringLiteral("TfrmBoanPost"), [](QWidget* f) { ui::openChildForm(frmBoanPost, f); });
    registerWindow(QStringLiteral("TfrmBojePost"), [](QWidget* f) { ui::openChildForm(frmBojePost, f); });
    registerWindow(QStringLiteral("TfrmCarPosit"), [](QWidget* f) { ui::openChildForm(frmCarPosit, f); });
    // The staff browser two openers share lists the kind its opener names.
    registerWindow(QStringLiteral("TfrmBoanEmp"), [](QWidget* f) {
        const QString kind = mdiForm ? mdiForm->EmpKind : QString();
        ui::openChildForm(frmBoanEmp, f, [&kind](TfrmBoanEmp& w) { w.setKind(kind); })->setKind(kind);
    });
    registerWindow(QStringLiteral("TfrmBojeEmp"), [](QWidget* f) { ui::openChildForm(frmBojeEmp, f); });
    registerWindow(QStringLiteral("TfrmBoanPaiG"), [](QWidget* f) { ui::openChildForm(frmBoanPaiG, f); });
    registerWindow(QStringLiteral("TfrmBojePaiG"), [](QWidget* f) { ui::openChildForm(frmBojePaiG, f); });
    registerWindow(QStringLiteral("TfrmPlans"), [](QWidget* f) { ui::openChildForm(frmPlans, f); });
    registerWindow(QStringLiteral("TfrmPeix"), [](QWidget* f) { ui::openChildForm(frmPeix, f); });
    registerWindow(QStringLiteral("TfrmCampaign"), [](QWidget* f) { ui::openChildForm(frmCampaign, f); });
    registerWindow(QStringLiteral("TfrmMeeting"), [](QWidget* f) { ui::openChildForm(frmMeeting, f); });
    registerWindow(QStringLiteral("TfrmProject"), [](QWidget* f) { ui::openChildForm(frmProject, f); });
    registerWindow(QStringLiteral("TfrmFixing"), [](QWidget* f) { ui::openChildForm(frmFixing, f); });
    registerWindow(QStringLiteral("TfrmMend"), [](QWidget* f) { ui::openChildForm(frmMend, f); });
    registerWindow(QStringLiteral("TfrmEgis"), [](QWidget* f) { ui::openChildForm(frmEgis, f); });
    registerWindow(QStringLiteral("TfrmInput"), [](QWidget* f) { ui::openChildForm(frmInput, f); });
    registerWindow(QStringLiteral("TfrmOutput"), [](QWidget* f) { ui::openChildForm(frmOutput, f); });
    registerWindow(QStringLiteral("TfrmIoSelect"), [](QWidget* f) { ui::openChildForm(frmIoSelect, f); });
    registerWindow(QStringLiteral("TfrmRepertory"), [](QWidget* f) { ui::openChildForm(frmRepertory, f); });
    registerWindow(QStringLiteral("TfrmAward"), [](QWidget* f) { ui::openChildForm(frmAward, f); });
    registerWindow(QStringLiteral("TfrmPatrol"), [](QWidget* f) { ui::openChildForm(frmPatrol, f); });
    registerWindow(QStringLiteral("TfrmBoanAffair"), [](QWidget* f) { ui::openChildForm(frmBoanAffair, f); });
    registerWindow(QStringLiteral("TfrmBojeWork"), [](QWidget* f) { ui::openChildForm(frmBojeWork, f); });
    registerWindow(QStringLiteral("TfrmFirCheck"), [](QWidget* f) { ui::openChildForm(frmFirCheck, f); });
    registerWindow(QStringLiteral("TfrmAccept"), [](QWidget* f) { ui::openChildForm(frmAccept, f); });
    registerWindow(QStringLiteral("TfrmSend"), [](QWidget* f) { ui::openChildForm(frmSend, f); });
    registerWindow(QStringLiteral("TfrmPact"), [](QWidget* f) { ui::openChildForm(frmPact, f); });
    registerWindow(QStringLiteral("TfrmCar"), [](QWidget* f) { ui::openChildForm(frmCar, f); });
}
