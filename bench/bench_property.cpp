// Property generator speed on an office-sized database (50 districts, 1,000
// buildings, 40,000 rooms and owners, 100,000 household members):
// - generating 30 floors x 8 rooms in each of 40 new units through the
//   generator window (each unit its own run: one transaction, then the room
//   list re-read), goal under 1 s for all 40;
// - deleting a district of 40,000 rooms through the generator's linked
//   datasets (the cascade of buildings, units and rooms, one transaction,
//   then the lists re-read), goal under 1 s; its rooms stand vacant, as
//   they must for the delete to go ahead.

#include "app/Login.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Application.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/FCBuild.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"
#include "Windows.h"

#include <QCheckBox>
#include <cstdio>

namespace {

// A district "G" of 5 buildings with 8 units each, 30 floors x 8 rooms, no rooms yet.
void addEmptyDistrict(data::Connection& c)
{
    data::Transaction tx(c);
    c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('G', '新区')");
    for (int b = 1; b <= 5; ++b) {
        c.exec("INSERT INTO Build (RegionID, BuildId, BuildName, Csum) VALUES ('G', ?, ?, 30)",
               {QString::number(b), QStringLiteral("新%1号楼").arg(b)});
        for (int u = 1; u <= 8; ++u)
            c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName, KLNum, JLNum, KFNum, JFNum) "
                   "VALUES ('G', ?, ?, ?, 1, 30, 1, 8)",
                   {QString::number(b), QStringLiteral("新%1号楼").arg(b), QString::number(u)});
    }
    tx.commit();
}

// The program after a login, on the benchmark database.
void startProgram()
{
    registerAllWindows();
    ui::Msg::setScripted(true);
    new TmdiForm;
    DM = new TDM;
    DM->openOn(data::Connection::open(bench::target()));
    new TfrmLogin;
    frmLogin->Popedom = QStringLiteral("1");
    runOpener(*findOpener("FCBuild"), mdiForm);
    frmFCBuild->CheckBox->click();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv);
    {
        auto c = bench::newDatabase();
        bench::Size size;
        bench::fill(*c, size);
        addEmptyDistrict(*c);
    }
    startProgram();
    std::printf("backend: %s\n", bench::backendName(bench::target().backend));

    // Generation: the user picks each unit and presses 生成房间号.
    TfrmFCBuild* w = frmFCBuild;
    DM->AT_Reg->locate(QStringLiteral("RegionId"), QStringLiteral("G"));
    QElapsedTimer t;
    t.start();
    double slowest = 0, generate = 0;
    for (int b = 1; b <= 5; ++b) {
        DM->AT_Buid->locate(QStringLiteral("BuildId"), QString::number(b));
        for (int u = 1; u <= 8; ++u) {
            DM->AT_Units->locate(QStringLiteral("UnitName"), QString::number(u));
            QElapsedTimer one;
            one.start();
            w->SB_BuildClick();
            const double ms = bench::ms(one);
            generate += ms;
            slowest = std::max(slowest, ms);
        }
    }
    const double withMoves = bench::ms(t);
    const int made = DM->connection()->scalar("SELECT count(*) FROM Rooms WHERE RegionID = 'G'").toInt();
    std::printf("generate 40 units x 240 rooms: %d rooms, slowest unit %.1f ms, with choosing each unit %.1f ms\n",
                made, slowest, withMoves);
    bench::report(QStringLiteral("generate 40 units of rooms"), QStringLiteral("%1 rooms").arg(bench::count(made)),
                  generate, bench::Goal::under(1000));

    // A district of 40,000 rooms: the whole office database in one district.
    ui::freeAllMdiChildren();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete frmLogin;
    delete DM;
    DM = nullptr;
    {
        auto c = bench::newDatabase();
        // Its rooms stand vacant: a district with an occupied room is not
        // deleted (the clerk moves the owners out first).
        bench::Size one;
        one.districts = 1;
        one.owners = 0;
        one.members = 0;
        bench::fill(*c, one);
    }
    DM = new TDM;
    DM->openOn(data::Connection::open(bench::target()));
    new TfrmLogin;
    frmLogin->Popedom = QStringLiteral("1");
    DM->DS_Buid->setEnabled(true);
    DM->DS_Units->setEnabled(true);
    DM->DS_Room->setEnabled(true);
    const int before = DM->connection()->scalar("SELECT count(*) FROM Rooms").toInt();
    t.restart();
    try {
        DM->AT_Reg->remove();
    } catch (const data::Abort&) {
        std::printf("delete refused: %s\n", qPrintable(ui::Msg::texts(ui::MsgKind::Warning).join(" / ")));
    }
    const double del = bench::ms(t);
    const int after = DM->connection()->scalar("SELECT count(*) FROM Rooms").toInt();
    bench::check(QStringLiteral("delete a district: its rooms gone"), after == 0);
    bench::report(QStringLiteral("delete a district"), QStringLiteral("%1 rooms").arg(bench::count(before - after)),
                  del, bench::Goal::under(1000));
    std::printf("delete a district of %d rooms: %d rooms left\n", before - after, after);
    return bench::exitStatus();
}
