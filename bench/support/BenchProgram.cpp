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
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <cstdio>

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

namespace {

// Notes the first paint of a window inside the frame (an MDI child).
class ChildPainted : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!seen && e->type() == QEvent::Paint && o->isWidgetType())
            for (QWidget* w = static_cast<QWidget*>(o); w; w = w->parentWidget())
                if (qobject_cast<QMdiSubWindow*>(w)) {
                    seen = true;
                    break;
                }
        return false;
    }
};

}  // namespace

double timedOpen(const QString& key)
{
    // The frame stands on the screen before the menu is used.
    if (!mdiForm->isVisible()) {
        mdiForm->resize(1100, 760);
        mdiForm->show();
        QCoreApplication::processEvents();
    }
    ChildPainted painted;
    qApp->installEventFilter(&painted);
    QElapsedTimer t;
    t.start();
    runOpener(*findOpener(key), mdiForm);
    // Up to the window drawn, as the clerk sees it.
    while (!painted.seen && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double took = ms(t);
    qApp->removeEventFilter(&painted);
    if (!painted.seen)
        std::printf("the window of %s was not drawn\n", qPrintable(key));
    return took;
}

}  // namespace bench
