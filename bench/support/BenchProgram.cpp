#include "support/BenchProgram.h"

#include "Windows.h"
#include "app/Login.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "templates/SearchForm.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

namespace bench {

void startProgram(std::unique_ptr<data::Connection> c, const QString& popedom)
{
    ui::Msg::setScripted(true);
    registerAllWindows();
    new TmdiForm;
    DM = new TDM;
    DM->openOn(std::move(c));
    new TfrmLogin;
    frmLogin->Popedom = popedom;
}

double timedSearch(SearchForm* f, const QVector<QStringList>& conditions, int* rows)
{
    f->TB_ClearClick();
    for (const QStringList& c : conditions) {
        f->CB_GX->setCurrentIndex(f->CB_GX->findText(c[0]));
        f->CB_ZD->setCurrentIndex(f->CB_ZD->findText(c[1]));
        f->CB_TJian->setCurrentIndex(f->CB_TJian->findText(c[2]));
        f->E_Value->setText(c[3]);
        f->BitBtn1Click();
    }
    QElapsedTimer t;
    t.start();
    f->TB_FindClick();
    const double ms = bench::ms(t);
    *rows = f->result()->recordCount();
    return ms;
}

double timedOpen(const QString& key)
{
    QElapsedTimer t;
    t.start();
    runOpener(*findOpener(key), mdiForm);
    return ms(t);
}

}  // namespace bench
