#include "app/Openers.h"

#include "app/Main.h"
#include "platform/ui/Msg.h"
#include "session/Session.h"
#include "session/ToolbarSync.h"

#include <QHash>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

namespace {

const std::vector<OpenerDef> kOpeners = {
    {"System", "", "TfrmSystem", false},
    {"Co", "", "TfrmCo", false},
    {"XL", "", "TfrmCulture", false},
    {"Job", "", "TfrmJob", false},
    {"ZHz", "", "TfrmZhZ", false},
    {"ZHj", "", "TfrmZhJ", false},
    {"Folk", "", "TfrmFolk", false},
    {"Nexus", "", "TfrmNexus", false},
    {"RoomT", "", "TfrmRoom", false},
    {"FeeT", "", "TfrmFeeType", false},
    {"RpT", "", "TfrmReperType", false},
    {"FixS", "", "TfrmFixSys", false},
    {"FixT", "", "TfrmFixType", false},
    {"PinM", "", "TfrmShPType", false},
    {"FileT", "", "TfrmFileType", false},
    {"BoanUse", "", "TfrmBoanUse", false},
    {"BoanEmp", "保安", "TfrmBoanEmp", false},
    {"BoanPost", "", "TfrmBoanPost", false},
    {"BoanPaiG", "", "TfrmBoanPaiG", false},
    {"Patrol", "", "TfrmPatrol", false},
    {"BoanAffair", "", "TfrmBoanAffair", false},
    {"BojeUse", "", "TfrmBojeUse", false},
    {"BojeEmp", "", "TfrmBojeEmp", false},
    {"BojePost", "", "TfrmBojePost", false},
    {"BojePaiG", "", "TfrmBojePaiG", false},
    {"BojeWork", "", "TfrmBojeWork", false},
    {"FirUse", "", "TfrmFirUse", false},
    {"FirCheck", "", "TfrmFirCheck", false},
    {"CarPosit", "", "TfrmCarPosit", false},
    {"Car", "", "TfrmCar", false},
    {"Appeal", "", "TfrmAppeal", false},
    {"PrjType", "", "TfrmPrjType", false},
    {"PeixType", "", "TfrmPeixType", false},
    {"MeetType", "", "TfrmMeetType", false},
    {"HuodType", "", "TfrmHuodType", false},
    {"Plans", "", "TfrmPlans", false},
    {"Peix", "", "TfrmPeix", false},
    {"Campaign", "", "TfrmCampaign", false},
    {"Meeting", "", "TfrmMeeting", false},
    {"Projects", "", "TfrmProject", false},
    {"BoanEmp", "工程", "TfrmBoanEmp", false},
    {"Tools", "", "TfrmTools", false},
    {"Fixing", "", "TfrmFixing", false},
    {"Spare", "", "TfrmSpare", false},
    {"Mend", "", "TfrmMend", false},
    {"Egis", "", "TfrmEgis", false},
    {"Input", "", "TfrmInput", false},
    {"Output", "", "TfrmOutput", false},
    {"Ioselect", "", "TfrmIoSelect", false},
    {"Repertory", "", "TfrmRepertory", false},
    {"Accept", "", "TfrmAccept", false},
    {"Send", "", "TfrmSend", false},
    {"Pact", "", "TfrmPact", false},
    {"Employee", "", "TfrmEmployee", false},
    {"Award", "", "TfrmAward", false},
    {"UseType", "", "TfrmUseType", false},
    {"Man", "", "TfrmMan", false},
    {"Region", "", "TfrmRegion", false},
    {"Build", "", "TfrmBuild", false},
    {"FCBuild", "", "TfrmFCBuild", false},
    {"FeeType", "", "TfrmFeeType1", false},
    {"XMSet", "", "TfrmXMSet", false},
    {"SCYSK", "", "TfrmSCYSK", true},
    {"CWSet", "", "TfrmCWSet", false},
    {"SFee", "", "TfrmSFee", true},
    {"Dsend", "", "TfrmDataSend", false},
    {"Skgl", "", "TfrmSk", true},
    {"YSkgl", "", "TfrmYSKgl", true},
    {"BBYSK", "", "TfrmBBYSK", true},
    {"BBSK", "", "TfrmBBYSK", true},
    {"KZF", "", "TfrmKZF", true},
    {"SFLTJ", "", "TfrmSFTJ", true},
    {"SFTJ", "", "TfrmSFTJ", true},
    {"FJRZ", "", "TfrmWRZ", true},
    {"FJLJF", "", "TfrmFJL", true},
};

// The opener's keys, kept on the window it opened.
const char* const kOpenerKey = "openerKey";
const char* const kOpenerEmpKind = "openerEmpKind";

void setFrameKeys(const QString& key, const QString& empKind)
{
    if (!mdiForm)
        return;
    mdiForm->ModuleKey = key;
    if (!empKind.isEmpty())
        mdiForm->EmpKind = empKind;
}

bool& openerRunning()
{
    static bool running = false;
    return running;
}

QHash<QString, WindowOpener>& registry()
{
    static QHash<QString, WindowOpener> r;
    return r;
}

}  // namespace

const std::vector<OpenerDef>& openerTable()
{
    return kOpeners;
}

const OpenerDef* findOpener(const QString& target)
{
    const QString key = target.section(u'/', 0, 0);
    const QString kind = target.section(u'/', 1, 1);
    for (const OpenerDef& o : kOpeners)
        if (key == QString::fromUtf8(o.key) && kind == QString::fromUtf8(o.empKind))
            return &o;
    return nullptr;
}

void registerWindow(const QString& windowClass, WindowOpener open)
{
    registry().insert(windowClass, std::move(open));
}

bool windowRegistered(const QString& windowClass)
{
    return registry().contains(windowClass);
}

QString refusalText()
{
    return QStringLiteral("用户权限不足，无法进行该操作！");
}

void runOpener(const OpenerDef& row, QWidget* frame)
{
    const QString key = QString::fromUtf8(row.key);
    const QString empKind = QString::fromUtf8(row.empKind);
    setFrameKeys(key, empKind);
    if (row.refusedForLevel2 && session::level() == 2) {
        ui::Msg::warning(refusalText());
        return;
    }
    const auto it = registry().constFind(QString::fromUtf8(row.windowClass));
    if (it == registry().constEnd())
        return;
    // The window it opens or brings forward takes this opener's keys, not
    // those it was opened with before.
    {
        const QScopedValueRollback<bool> running(openerRunning(), true);
        it.value()(frame);
    }
    if (QWidget* window = openWindow(row.windowClass)) {
        window->setProperty(kOpenerKey, key);
        window->setProperty(kOpenerEmpKind, empKind);
    }
}

void followActiveWindow(QMdiSubWindow* active)
{
    // No active child: a message box or another program has the activation
    // for a while; the window in front stays the one.
    QWidget* window = active ? active->widget() : nullptr;
    if (!window || openerRunning())
        return;
    const QVariant key = window->property(kOpenerKey);
    if (key.isValid())
        setFrameKeys(key.toString(), window->property(kOpenerEmpKind).toString());
}
