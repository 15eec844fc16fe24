// The duty dispatch with busy posts: 200 posts of 10 shifts, 1,000 staff
// sent to each post (100 per shift) and 2,000 security staff. Opening the
// window, choosing a post, choosing a shift, adding one employee and
// re-arranging a post, through the window.
// Goal: choosing a post or a shift < 50 ms.
//
//   bench_dispatch [assignments per post]

#include "Windows.h"
#include "app/Login.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "operations/dispatch/DutyDispatch.h"
#include "platform/data/BatchInsert.h"
#include "platform/data/Table.h"
#include "platform/ui/Application.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchProgram.h"
#include "support/BenchReport.h"

#include <QTableWidget>
#include <cstdio>

namespace {

constexpr int kPosts = 200;
constexpr int kShifts = 10;
constexpr int kStaff = 2000;

void fill(data::Connection& c, int perPost)
{
    data::Transaction tx(c);
    data::BatchInsert posts(c, "BoanPost", {"BPostId", "BPName", "BPBanshu"});
    for (int p = 1; p <= kPosts; ++p)
        posts.add({p, QStringLiteral("岗位%1").arg(p), kShifts});
    posts.flush();
    data::BatchInsert staff(c, "Employee", {"EmpID", "EmpType", "ETName"});
    for (int e = 1; e <= kStaff; ++e)
        staff.add({QStringLiteral("B%1").arg(e, 5, 10, QLatin1Char('0')), QStringLiteral("保安"),
                   QStringLiteral("保安员%1").arg(e)});
    staff.flush();
    data::BatchInsert sent(c, "BoanPaiG", {"BPostId", "BanCi", "EmpId", "EmpName"});
    for (int p = 1; p <= kPosts; ++p)
        for (int i = 0; i < perPost; ++i) {
            const int e = 1 + (p * 7 + i) % kStaff;
            sent.add({p, 1 + i % kShifts, QStringLiteral("B%1").arg(e, 5, 10, QLatin1Char('0')),
                      QStringLiteral("保安员%1").arg(e)});
        }
    sent.flush();
    tx.commit();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv);
    const int perPost = argc > 1 ? qMax(kShifts, atoi(argv[1])) : 1000;
    auto c = bench::newDatabase(bench::runName(QStringLiteral("bench_dispatch")));
    QElapsedTimer t;
    t.start();
    fill(*c, perPost);
    bench::analyze(*c);
    std::printf("backend: %s, posts: %d, assignments: %d (written in %.0f ms)\n",
                bench::backendName(c->backend()), kPosts,
                c->scalar(QStringLiteral("SELECT count(*) FROM BoanPaiG")).toInt(), bench::ms(t));

    ui::Msg::setScripted(true);
    registerAllWindows();
    new TmdiForm;
    DM = new TDM;
    DM->openOn(std::move(c));
    new TfrmLogin;
    frmLogin->Popedom = QStringLiteral("1");

    const double openMs = bench::timedOpen(QStringLiteral("BoanPaiG"));
    const QString size = QStringLiteral("%1 assignments").arg(bench::count(qint64(kPosts) * perPost));
    DutyDispatch* w = frmBoanPaiG;

    t.restart();
    w->DBGrid1->setCurrentIndex(w->DBGrid1->model()->index(kPosts / 2, 0));
    const double postMs = bench::ms(t);
    std::printf("choose a post: %d listed\n", w->DBGrid2->model()->rowCount());
    t.restart();
    w->SG_Shifts->setCurrentCell(0, kShifts - 1);
    const double shiftMs = bench::ms(t);
    std::printf("choose a shift: %d listed\n", w->DBGrid2->model()->rowCount());

    w->DBGrid3Enter();
    t.restart();
    w->SP_AddClick();
    const double addMs = bench::ms(t);
    w->DBGrid1Enter();
    t.restart();
    w->TB_ReSetClick();
    const double arrangeMs = bench::ms(t);
    bench::report(QStringLiteral("open the dispatch window"), size, openMs, bench::Goal::none());
    bench::report(QStringLiteral("dispatch: choose a post"), size, postMs, bench::Goal::under(50));
    bench::report(QStringLiteral("dispatch: choose a shift"), size, shiftMs, bench::Goal::under(50));
    bench::report(QStringLiteral("dispatch: add one employee"), size, addMs, bench::Goal::none());
    bench::report(QStringLiteral("dispatch: re-arrange a post"), size, arrangeMs, bench::Goal::none());
    return bench::exitStatus();
}
