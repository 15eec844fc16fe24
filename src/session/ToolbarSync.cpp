#include "session/ToolbarSync.h"

#include "platform/data/Error.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/MaskedDate.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

enum class Nav { Yes, No, WithPrint };
enum class State { Template, None, Users, Member, FeeType1 };

struct SyncRow {
    const char* source;
    const char* key;
    const char* window;
    Nav nav;
    State state;
    const char* offForLevel2;  // buttons a browse-only user never gets
};

const char* const kThree = "TB_Save TB_Delete TB_Add";
const char* const kFour = "TB_Save TB_Delete TB_Add TB_Modi";

const SyncRow kRows[] = {
    {"DS_Users", "System", "TfrmSystem", Nav::Yes, State::Users, ""},
    {"DS_Culture", "XL", "TfrmCulture", Nav::Yes, State::Template, kThree},
    {"DS_Job", "Job", "TfrmJob", Nav::Yes, State::Template, kThree},
    {"DS_ZhZ", "ZHz", "TfrmZhZ", Nav::Yes, State::Template, kThree},
    {"DS_ZhJ", "ZHj", "TfrmZhJ", Nav::Yes, State::Template, kThree},
    {"DS_Folk", "Folk", "TfrmFolk", Nav::Yes, State::Template, kThree},
    {"DS_Nexus", "Nexus", "TfrmNexus", Nav::Yes, State::Template, kThree},
    {"DS_RoomType", "RoomT", "TfrmRoom", Nav::Yes, State::Template, kThree},
    {"DS_FeeType", "FeeT", "TfrmFeeType", Nav::Yes, State::Template, kThree},
    {"DS_ReperType", "RpT", "TfrmReperType", Nav::Yes, State::Template, kThree},
    {"DS_FixSys", "FixS", "TfrmFixSys", Nav::Yes, State::Template, kThree},
    {"DS_FixType", "FixT", "TfrmFixType", Nav::Yes, State::Template, kThree},
    {"DS_ShPType", "PinM", "TfrmShPType", Nav::Yes, State::Template, kThree},
    {"DS_FileType", "FileT", "TfrmFileType", Nav::Yes, State::Template, kThree},
    {"DS_BoanUse", "BoanUse", "TfrmBoanUse", Nav::Yes, State::Template, kThree},
    {"DS_BoanPost", "BoanPost", "TfrmBoanPost", Nav::Yes, State::Template, kFour},
    {"DS_Patrol", "Patrol", "TfrmPatrol", Nav::Yes, State::Template, kFour},
    {"DS_BoanAffair", "BoanAffair", "TfrmBoanAffair", Nav::Yes, State::Template, kFour},
    {"DS_BojeUse", "BojeUse", "TfrmBojeUse", Nav::Yes, State::Template, kThree},
    {"DS_BojePost", "BojePost", "TfrmBojePost", Nav::Yes, State::Template, kFour},
    {"DS_BojeWork", "BojeWork", "TfrmBojeWork", Nav::Yes, State::Template, kFour},
    {"DS_FirUse", "FirUse", "TfrmFirUse", Nav::Yes, State::Template, kThree},
    {"DS_FirCheck", "FirCheck", "TfrmFirCheck", Nav::Yes, State::Template, kFour},
    {"DS_CarPosit", "CarPosit", "TfrmCarPosit", Nav::Yes, State::Template, kFour},
    {"DS_CarM", "Car", "TfrmCar", Nav::Yes, State::Template, kFour},
    {"DS_Appeal", "Appeal", "TfrmAppeal", Nav::Yes, State::Template, kFour},
    {"DS_PrjType", "PrjType", "TfrmPrjType", Nav::Yes, State::Template, kFour},
    {"DS_PeixType", "PeixType", "TfrmPeixType", Nav::Yes, State::Template, kFour},
    {"DS_MeetType", "MeetType", "TfrmMeetType", Nav::Yes, State::Template, kFour},
    {"DS_HuodType", "HuodType", "TfrmHuodType", Nav::Yes, State::Template, kFour},
    {"DS_Plans", "Plans", "TfrmPlans", Nav::Yes, State::Template, kFour},
    {"DS_Peix", "Peix", "TfrmPeix", Nav::Yes, State::Template, kFour},
    {"DS_Campaign", "Campaign", "TfrmCampaign", Nav::Yes, State::Template, kFour},
    {"DS_Meeting", "Meeting", "TfrmMeeting", Nav::Yes, State::Template, kFour},
    {"DS_Project", "Projects", "TfrmProject", Nav::Yes, State::Template, kFour},
    {"DS_Tools", "Tools", "TfrmTools", Nav::Yes, State::Template, kThree},
    {"DS_Fixing", "Fixing", "TfrmFixing", Nav::Yes, State::Template, kFour},
    {"DS_Spare", "Spare", "TfrmSpare", Nav::Yes, State::Template, kThree},
    {"DS_Mend", "Mend", "TfrmMend", Nav::Yes, State::Template, kFour},
    {"DS_Egis", "Egis", "TfrmEgis", Nav::Yes, State::Template, kFour},
    {"DS_IOput", "Input", "TfrmInput", Nav::Yes, State::Template, kFour},
    {"DS_Output", "Output", "TfrmOutput", Nav::Yes, State::Template, kFour},
    {"DS_ioSelect", "Ioselect", "TfrmIoSelect", Nav::Yes, State::None, ""},
    {"DS_Repertory", "Repertory", "TfrmRepertory", Nav::Yes, State::None, ""},
    {"DS_Accept", "Accept", "TfrmAccept", Nav::Yes, State::Template, kFour},
    {"DS_Send", "Send", "TfrmSend", Nav::Yes, State::Template, kFour},
    {"DS_Pact", "Pact", "TfrmPact", Nav::Yes, State::Template, kFour},
    {"DS_Employee", "Employee", "TfrmEmployee", Nav::Yes, State::Template, kFour},
    {"DS_Award", "Award", "TfrmAward", Nav::Yes, State::Template, kFour},
    {"DS_UseType", "UseType", "TfrmUseType", Nav::Yes, State::Template, kThree},
    {"DS_Man", "Man", "TfrmMan", Nav::WithPrint, State::Template, kThree},
    {"DS_Member", "", "TfrmMan", Nav::No, State::Member, "SB_Save SB_Delete SB_Add"},
    {"DS_Region", "Region", "TfrmRegion", Nav::Yes, State::Template, kThree},
    {"DS_Build", "Build", "TfrmBuild", Nav::Yes, State::Template, kThree},
    {"DS_FeeType1", "FeeType", "TfrmFeeType1", Nav::No, State::FeeType1, kThree},
    {"DS_FeeSet", "XMSet", "TfrmXMSet", Nav::No, State::Template, kThree},
    {"DS_DataSend", "Dsend", "TfrmDataSend", Nav::Yes, State::Template, kThree},
};

void setEnabled(QWidget* w, const char* name, bool on)
{
    if (QAbstractButton* b = windowButton(w, QString::fromLatin1(name)))
        b->setEnabled(on);
}

void navigation(QWidget* w, data::DataSet* ds)
{
    setEnabled(w, "TB_First", !ds->bof());
    setEnabled(w, "TB_Prev", !ds->bof());
    setEnabled(w, "TB_Next", !ds->eof());
    setEnabled(w, "TB_Last", !ds->eof());
}

// Save and Cancel follow the state, or the browse-only user loses the buttons.
void saveCancel(QWidget* w, data::DataSource& s, const char* offForLevel2, const char* save, const char* cancel)
{
    if (DM->UserLevel == 2) {
        for (const QString& b : QString::fromLatin1(offForLevel2).split(u' ', Qt::SkipEmptyParts))
            if (QAbstractButton* btn = windowButton(w, b))
                btn->setEnabled(false);
        return;
    }
    const bool editing = s.state() == data::DataSetState::Edit || s.state() == data::DataSetState::Insert;
    setEnabled(w, save, editing);
    setEnabled(w, cancel, editing);
}

// The owner's birth date, typed through a mask, is checked whenever the
// owner row changes state.
void checkBirthDate(QWidget* w)
{
    auto* edit = w->findChild<QLineEdit*>(QStringLiteral("DBE_Birth"));
    if (!edit)
        return;
    QString text = edit->text().trimmed();
    // Typing into a browsed owner's edit is itself what changes the state:
    // the edit then already holds the first keys typed. The row's own value
    // is checked; what is typed is checked when it is stored.
    if (auto* bound = qobject_cast<ui::DBEdit*>(edit); bound && bound->field())
        text = bound->field()->asString().trimmed();
    // A blank mask ("-  -", or "--" as the masked edit gives it) is no date
    // at all, and is accepted.
    if (ui::isBlankMaskedDate(text))
        return;
    if (data::parseDateTimeText(text).isValid())
        return;
    ui::Msg::error(data::dateErrorText());
    edit->clear();
    edit->setFocus();
}

void install(const SyncRow& r, data::DataSource* s)
{
    const QString key = QString::fromLatin1(r.key);
    if (r.nav != Nav::No) {
        s->onDataChange = [r, key](data::DataSource& src, data::Field*) {
            if (session::moduleKey() != key)
                return;
            QWidget* w = openWindow(r.window);
            if (!w || !src.dataSet())
                return;
            navigation(w, src.dataSet());
            // A row not yet stored is not printed.
            if (r.nav == Nav::WithPrint)
                setEnabled(w, "TB_Print",
                           !(src.dataSet()->bof() && src.dataSet()->eof())
                               && src.state() != data::DataSetState::Insert);
        };
    }
    switch (r.state) {
    case State::None:
        break;
    case State::Template:
        s->onStateChange = [r, key](data::DataSource& src) {
            DM->UserLevel = session::level();
            if (session::moduleKey() != key)
                return;
            QWidget* w = openWindow(r.window);
            if (!w)
                return;
            saveCancel(w, src, r.offForLevel2, "TB_Save", "TB_Cancel");
            if (r.nav == Nav::WithPrint && src.state() == data::DataSetState::Insert)
                setEnabled(w, "TB_Print", false);
            if (DM->UserLevel != 2 && QLatin1String(r.source) == QLatin1String("DS_Man"))
                checkBirthDate(w);
        };
        break;
    case State::Users:
        s->onStateChange = [r, key](data::DataSource&) {
            DM->UserLevel = session::level();
            if (session::moduleKey() != key || DM->UserLevel == 0)
                return;
            if (QWidget* w = openWindow(r.window))
                for (const char* b : {"TB_Add", "TB_Delete", "TB_Save"})
                    setEnabled(w, b, false);
        };
        break;
    case State::Member:
        // No key test: it acts on the owner window whenever that is open.
        s->onStateChange = [r](data::DataSource& src) {
            DM->UserLevel = session::level();
            if (QWidget* w = openWindow(r.window))
                saveCancel(w, src, r.offForLevel2, "SB_Save", "SB_Cancel");
        };
        break;
    case State::FeeType1:
        // The room fee-item and meter-reading windows share the source; they
        // are left alone.
        s->onStateChange = [r](data::DataSource& src) {
            DM->UserLevel = session::level();
            const QString k = session::moduleKey();
            if (k == QStringLiteral("XMSet") || k == QStringLiteral("SFee"))
                return;
            if (QWidget* w = openWindow(r.window))
                saveCancel(w, src, r.offForLevel2, "TB_Save", "TB_Cancel");
        };
        break;
    }
}

// --- cascading deletes -----------------------------------------------------

struct CascadeStep {
    const char* table;
    const char* columns;  // detail columns, matched to the parent's in order
};

struct Cascade {
    const char* parent;
    const char* parentColumns;
    std::vector<CascadeStep> steps;
    std::vector<const char*> reread;  // detail datasets to re-read afterwards
    // The columns of Rooms matched to the parent's: an occupied room among
    // those rooms refuses the delete. "" when the parent row is a room itself;
    // nullptr for no such test.
    const char* roomColumns = nullptr;
};

// A room still billed and lived in is never deleted from under its owner.
const QString kOccupiedState = QStringLiteral("B");  // Rooms.UState of an occupied room
const QString kOccupiedRooms = QStringLiteral("该记录下有已入住的房间，不能删除！");

bool holdsOccupiedRoom(TDM& dm, const data::DataSet& ds, const char* roomColumns, const QVariantList& keys)
{
    // Read from the database, inside the delete's transaction: another
    // workstation may have placed an owner since the rows were read.
    QStringList where;
    QVariantList values;
    if (!*roomColumns) {
        where << QStringLiteral("rid = ?");
        values << ds.rowId();
    }
    const QStringList cols = QString::fromLatin1(roomColumns).split(u';', Qt::SkipEmptyParts);
    for (int i = 0; i < cols.size(); ++i) {
        where << QStringLiteral("%1 = ?").arg(cols[i]);
        values << keys[i];
    }
    values << kOccupiedState;
    return dm.connection()
               ->scalar(QStringLiteral("SELECT count(*) FROM Rooms WHERE %1 AND UState = ?")
                            .arg(where.join(QStringLiteral(" AND "))),
                        values)
               .toInt()
        > 0;
}

void installCascade(TDM& dm, const Cascade& c)
{
    data::DataSet* parent = dm.dataSet(QString::fromLatin1(c.parent));
    parent->setDeleteInTransaction(true);
    parent->beforeDelete = [&dm, c](data::DataSet& ds) {
        const QStringList parentCols = QString::fromLatin1(c.parentColumns).split(u';', Qt::SkipEmptyParts);
        QVariantList keys;
        for (const QString& col : parentCols)
            keys << ds.fieldByName(col)->oldValue();
        if (c.roomColumns && holdsOccupiedRoom(dm, ds, c.roomColumns, keys)) {
            ui::Msg::warning(kOccupiedRooms);
            throw data::Abort();
        }
        for (const CascadeStep& step : c.steps) {
            const QStringList cols = QString::fromLatin1(step.columns).split(u';');
            QStringList where;
            QVariantList values;
            for (int i = 0; i < cols.size(); ++i) {
                // A null key has no children: nothing equals null.
                where << QStringLiteral("%1 = ?").arg(cols[i]);
                values << keys[i];
            }
            dm.connection()->exec(QStringLiteral("DELETE FROM %1 WHERE %2")
                                      .arg(QString::fromLatin1(step.table), where.join(QStringLiteral(" AND "))),
                                  values);
        }
    };
    parent->afterDeleteDone = [&dm, c](data::DataSet&) {
        for (const char* d : c.reread) {
            data::DataSet* detail = dm.dataSet(QString::fromLatin1(d));
            detail->dependsOnTransaction();
            detail->requery();
        }
    };
}

}  // namespace

QWidget* openWindow(const char* className)
{
    for (ui::Form* f : ui::liveForms())
        if (qstrcmp(f->metaObject()->className(), className) == 0)
            return f;
    return nullptr;
}

QAbstractButton* windowButton(QWidget* window, const QString& name)
{
    return window ? window->findChild<QAbstractButton*>(name) : nullptr;
}

void installToolbarSync(TDM& dm)
{
    for (const SyncRow& r : kRows)
        if (data::DataSource* s = dm.dataSource(QString::fromLatin1(r.source)))
            install(r, s);
    // The company details: Save and Cancel follow the editing, for every level.
    dm.DS_IncI->onDataChange = [](data::DataSource& src, data::Field*) {
        if (session::moduleKey() != QStringLiteral("Co"))
            return;
        QWidget* w = openWindow("TfrmCo");
        if (!w)
            return;
        const bool editing = src.state() == data::DataSetState::Edit || src.state() == data::DataSetState::Insert;
        setEnabled(w, "BB_Save", editing);
        setEnabled(w, "BB_Cancel", editing);
    };
    dm.DS_Emp->onDataChange = [](data::DataSource&, data::Field*) {};

    // A delete takes exactly the rows whose link columns hold the deleted
    // row's stored key, in the same transaction, whatever the data sources.
    installCascade(dm, {"AQ_Man", "ownerId", {{"Member", "OwnerId"}}, {"AT_Member"}});
    // The property tree: a district, a building or a unit goes with what is
    // under it, and none of them, nor a room, while a room under it is occupied.
    const std::vector<CascadeStep> districtTree{{"Rooms", "RegionID"}, {"Units", "RegionId"}, {"Build", "RegionID"}};
    const std::vector<CascadeStep> buildingTree{{"Rooms", "BuildId;RegionID;BuildName"},
                                                {"Units", "BuildId;RegionId;BuildName"}};
    installCascade(dm, {"AT_Region", "RegionId", districtTree, {}, "RegionID"});
    installCascade(dm, {"AT_Reg", "RegionId", districtTree, {"AT_Buid", "AT_Units", "AT_Room"}, "RegionID"});
    installCascade(dm, {"AT_Build", "BuildId;RegionID;BuildName", buildingTree, {}, "BuildId;RegionID;BuildName"});
    installCascade(dm, {"AT_Buid", "BuildId;RegionID;BuildName", buildingTree, {"AT_Units", "AT_Room"},
                        "BuildId;RegionID;BuildName"});
    installCascade(dm, {"AT_Units", "BuildId;RegionId;BuildName;UnitName",
                        {{"Rooms", "BuildId;RegionID;BuildName;UnitName"}},
                        {"AT_Room"}, "BuildId;RegionID;BuildName;UnitName"});
    installCascade(dm, {"AT_Room", "", {}, {}, ""});
    // A post goes with the staff sent to it: a new post may later take its
    // number, and must not inherit them.
    installCascade(dm, {"AT_BoanPost", "BPostId", {{"BoanPaiG", "BPostId"}}, {"AT_BoanPost1"}});
    installCascade(dm, {"AT_BojePost", "BPostId", {{"BojePaiG", "BPostId"}}, {"AT_BojePost1"}});
}
