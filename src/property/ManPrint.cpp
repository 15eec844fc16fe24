// The owner window's 打印: the owner sheet of the current owner, through the
// print set-up (preview, printer or PDF).

#include "platform/report/ReportSystem.h"
#include "property/Man.h"
#include "property/OwnerSheet.h"
#include "session/DMRegion.h"

void installOwnerSheetPrinting()
{
    setOwnerSheetPrinter([](TfrmMan& window) {
        auto* RvSystem = window.findChild<report::ReportSystem*>(QStringLiteral("RvSystem"));
        if (!RvSystem) {
            RvSystem = new report::ReportSystem(&window);
            RvSystem->setObjectName(QStringLiteral("RvSystem"));
            RvSystem->SetTitle(QStringLiteral("业主信息表"));
            QObject::connect(RvSystem, &report::ReportSystem::OnPrint, &window,
                             [](report::PageWriter& w) { printOwnerSheet(w, *DM->AQ_Man); });
        }
        RvSystem->Execute();
    });
}
