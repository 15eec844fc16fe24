// The company details window, driven as a user would, and the heading the
// printouts take from it.

#include "app/CoM.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/report/OutputSeam.h"
#include "platform/report/PageWriter.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/DBEdit.h"
#include "property/OwnerSheet.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPushButton>

using testsupport::AppFixture;
using testsupport::typeInto;

namespace {

void company(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName, IncAddress, IncPhone, IncFax) "
           "VALUES ('翠苑物业管理有限公司', '翠苑路1号', '0571-8888', '0571-8889')");
}

TfrmCo* openCo()
{
    runOpener(*findOpener("Co"), mdiForm);
    return frmCo;
}

int rows(AppFixture& app)
{
    return app.db().scalar("SELECT count(*) FROM IncInfo").toInt();
}

QString stored(AppFixture& app, const QString& column)
{
    return app.db().scalar("SELECT " + column + " FROM IncInfo").toString();
}

// Save and Cancel go together: "on", "off", or "mixed" when they do not.
QString saveCancel(TfrmCo* w)
{
    if (w->BB_Save->isEnabled() != w->BB_Cancel->isEnabled())
        return "mixed";
    return w->BB_Save->isEnabled() ? "on" : "off";
}

}  // namespace

class TestCo : public QObject {
    Q_OBJECT
private slots:
    void typingIntoAnEmptyTableStartsTheRowThatSaveStores()
    {
        AppFixture app("1");
        TfrmCo* w = openCo();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("企业基本信息"));
        QCOMPARE(w->mdiSubWindow()->size(), QSize(445, 280));
        QVERIFY(!(w->mdiSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w->CheckBox1->isHidden());
        QVERIFY(!w->DBE_IncName->isEnabled());
        QCOMPARE(saveCancel(w), QString("off"));

        w->CheckBox1->click();
        QVERIFY(w->DBE_IncName->isEnabled() && w->DBE_IncFax->isEnabled());
        typeInto(w->DBE_IncName, "翠苑物业");
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Insert);
        QCOMPARE(saveCancel(w), QString("on"));
        typeInto(w->DBE_IncPhone, "0571-1234");
        QCOMPARE(rows(app), 0);

        w->BB_Save->click();
        QCOMPARE(rows(app), 1);
        QCOMPARE(stored(app, "IncName"), QString("翠苑物业"));
        QCOMPARE(stored(app, "IncPhone"), QString("0571-1234"));
        QCOMPARE(saveCancel(w), QString("off"));

        // Further typing changes the one row; no second row appears.
        typeInto(w->DBE_IncAddress, "翠苑路1号");
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Edit);
        QTest::keyClick(w->DBE_IncAddress, Qt::Key_Return);  // the default button
        QCOMPARE(rows(app), 1);
        QCOMPARE(stored(app, "IncAddress"), QString("翠苑路1号"));
        testsupport::saveScreenshot(w->frameWidget(), "company_details");
    }

    void uncheckingKeepsTheChangeForSaveOrCancel()
    {
        AppFixture app("0", company);
        TfrmCo* w = openCo();
        w->CheckBox1->click();
        typeInto(w->DBE_IncName, "新名称");
        w->CheckBox1->click();
        QVERIFY(!w->DBE_IncName->isEnabled());
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Edit);
        QCOMPARE(saveCancel(w), QString("on"));

        w->BB_Cancel->click();
        QCOMPARE(w->DBE_IncName->text(), QString("翠苑物业管理有限公司"));
        QCOMPARE(stored(app, "IncName"), QString("翠苑物业管理有限公司"));
        QCOMPARE(saveCancel(w), QString("off"));

        // Escape is the cancel button.
        w->CheckBox1->click();
        typeInto(w->DBE_IncFax, "1");
        QTest::keyClick(w->DBE_IncFax, Qt::Key_Escape);
        QCOMPARE(stored(app, "IncFax"), QString("0571-8889"));
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Browse);

        typeInto(w->DBE_IncFax, "0571-7777");
        w->CheckBox1->click();
        w->BB_Save->click();
        QCOMPARE(stored(app, "IncFax"), QString("0571-7777"));
        QCOMPARE(stored(app, "IncName"), QString("翠苑物业管理有限公司"));
    }

    void browseOnlyUserChangesNothing()
    {
        AppFixture app("2", company);
        TfrmCo* w = openCo();
        QVERIFY(w->CheckBox1->isHidden());
        QVERIFY(!w->CheckBox1->isEnabled());
        QCOMPARE(saveCancel(w), QString("off"));
        QCOMPARE(w->DBE_IncName->text(), QString("翠苑物业管理有限公司"));
        // Even an edit that somehow became enabled takes no typing.
        w->DBE_IncName->setEnabled(true);
        typeInto(w->DBE_IncName, "改名");
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Browse);
        QCOMPARE(saveCancel(w), QString("off"));
        QCOMPARE(stored(app, "IncName"), QString("翠苑物业管理有限公司"));
    }

    void closingDropsUnsavedTyping()
    {
        AppFixture app("1", company);
        TfrmCo* w = openCo();
        w->CheckBox1->click();
        typeInto(w->DBE_IncName, "半截");
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmCo);
        QCOMPARE(DM->AT_IncI->state(), data::DataSetState::Browse);
        QCOMPARE(DM->AT_IncI->fieldByName("IncName")->asString(), QString("翠苑物业管理有限公司"));
        QCOMPARE(stored(app, "IncName"), QString("翠苑物业管理有限公司"));
    }

    void aSavedNameHeadsTheNextPrintout()
    {
        AppFixture app("1", [](data::Connection& c) {
            company(c);
            c.exec("INSERT INTO Owner (ownerId, ownerName) VALUES ('o1', '张三')");
        });
        QStringList headings;
        report::OutputSeam s;
        s.setup = [](const report::SetupChoice&) { return report::SetupChoice::fromAnswer("preview"); };
        s.preview = [&](const report::Document& d) {
            for (const report::TextItem& t : d.pages.front().texts)
                if (t.font.size == 28)
                    headings << t.text;
            return false;
        };
        report::ScopedOutputSeam seam(s);
        report::ReportSystem RvSystem;
        QObject::connect(&RvSystem, &report::ReportSystem::OnPrint, &RvSystem,
                         [](report::PageWriter& w) { printOwnerSheet(w, QStringLiteral("o1")); });

        TfrmCo* w = openCo();
        w->CheckBox1->click();
        typeInto(w->DBE_IncName, "新翠苑物业");
        QVERIFY(RvSystem.Execute());  // typed, not saved
        w->BB_Save->click();
        QVERIFY(RvSystem.Execute());
        QCOMPARE(headings, (QStringList{"翠苑物业管理有限公司", "新翠苑物业"}));
    }
};

WYGL_TEST(TestCo)
#include "tst_Co.moc"
