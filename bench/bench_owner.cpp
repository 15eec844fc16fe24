// Owner window speed on an office-sized database (50 districts, 1,000
// buildings, 40,000 rooms and owners, 100,000 household members): opening
// the owner window, choosing a district and a building, and running the
// owner search over all owners. Goals: the window opens < 0.5 s, a wide
// search < 0.5 s.

#include "app/Login.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Find.h"
#include "property/Man.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"
#include "Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <cstdio>

namespace {

void choose(QComboBox* list, const QString& text)
{
    const int i = list->findText(text);
    list->setCurrentIndex(i);
    emit list->activated(i);
}

double search(SearchForm* f, const QString& field, const QString& value, int& rows)
{
    f->TB_ClearClick();
    f->CB_ZD->setCurrentIndex(f->CB_ZD->findText(field));
    f->CB_TJian->setCurrentIndex(f->CB_TJian->findText(QStringLiteral("=")));
    f->E_Value->setText(value);
    f->BitBtn1Click();
    QElapsedTimer t;
    t.start();
    f->TB_FindClick();
    QCoreApplication::processEvents();
    rows = f->result()->recordCount();
    return bench::ms(t);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::Msg::setScripted(true);
    auto c = bench::newDatabase();
    bench::fill(*c, bench::Size());

    registerAllWindows();
    new TmdiForm;
    DM = new TDM;
    DM->openOn(std::move(c));
    new TfrmLogin;
    frmLogin->Popedom = QStringLiteral("0");
    mdiForm->resize(1100, 760);
    mdiForm->show();

    QElapsedTimer t;
    t.start();
    runOpener(*findOpener("Man"), mdiForm);
    QCoreApplication::processEvents();
    const double open = bench::ms(t);

    t.restart();
    choose(frmMan->DBLC_Reg, QStringLiteral("小区1"));
    choose(frmMan->DBLC_Build, QStringLiteral("1号楼"));
    QCoreApplication::processEvents();
    const double building = bench::ms(t);
    const int owners = DM->AQ_Man->recordCount();

    frmMan->TB_FindClick();
    int all = 0, one = 0;
    const double wide = search(frmFind, QStringLiteral("性别"), QStringLiteral("男"), all);
    const double narrow = search(frmFind, QStringLiteral("业主姓名"), QStringLiteral("业主20000"), one);

    std::printf("backend: %s\n", bench::backendName(bench::target().backend));
    std::printf("district and building chosen: %d owners; wide search %d rows, narrow %d\n", owners, all, one);
    // The floor of the wide search: a bare read of the rows it finds.
    const double wideFloor = bench::bareReadMs(QStringLiteral("SELECT * FROM Owner WHERE Sex = '男' ORDER BY rid"));
    const QString size = QStringLiteral("%1 owners").arg(bench::count(bench::Size().owners));
    bench::report(QStringLiteral("open the owner window"), size, open, bench::Goal::under(500));
    bench::report(QStringLiteral("owners: choose district and building"), size, building, bench::Goal::none());
    bench::report(QStringLiteral("owner search, wide"), QStringLiteral("%1 found").arg(bench::count(all)), wide,
                  wideFloor, bench::Goal::under(500));
    bench::report(QStringLiteral("owner search, narrow"), size, narrow, bench::Goal::none());
    return bench::exitStatus();
}
