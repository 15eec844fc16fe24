#include "app/Main.h"
#include "app/Openers.h"
#include "operations/RegisterWindows.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using testsupport::AppFixture;

class TestAppeal : public QObject {
    Q_OBJECT
private slots:
    void screenshot()
    {
        AppFixture app("1");
        runOpener(*findOpener("Appeal"), mdiForm);
        frmAppeal->CheckBox->click();
        frmAppeal->TB_AddClick();
        QVERIFY(!testsupport::saveScreenshot(frmAppeal->mdiSubWindow(), "complaints").isEmpty());
        runOpener(*findOpener("Employee"), mdiForm);
        frmEmployee->mdiSubWindow()->showNormal();
        frmEmployee->setFormSize(815, 588);
        QVERIFY(!testsupport::saveScreenshot(frmEmployee->mdiSubWindow(), "staff").isEmpty());
    }
};

WYGL_TEST(TestAppeal)
#include "tst_Appeal.moc"
