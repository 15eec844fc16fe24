#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "property/Region.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;

namespace {

// Which of First/Prev/Next/Last, Save/Cancel, Add/Delete are enabled, as a word.
QString buttons(TfrmRegion* w)
{
    QString s;
    for (ui::ToolButton* b : {w->TB_First, w->TB_Prev, w->TB_Next, w->TB_Last})
        s += b->isEnabled() ? "1" : "0";
    s += " ";
    for (ui::ToolButton* b : {w->TB_Save, w->TB_Cancel})
        s += b->isEnabled() ? "1" : "0";
    s += " ";
    for (ui::ToolButton* b : {w->TB_Add, w->TB_Delete})
        s += b->isEnabled() ? "1" : "0";
    return s;
}

}  // namespace

class TestToolbarSync : public QObject {
    Q_OBJECT
private slots:
    void buttonMatrix_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        // Steps: o open, c check the switch, n next, p prior, f first, l last,
        // t type into the name, x switch ModuleKey to another window.
        QTest::newRow("empty table") << 0 << "1" << "o" << "0000 00 00";
        QTest::newRow("one row: the flags, not the position") << 1 << "1" << "o" << "0011 00 00";
        QTest::newRow("one row, past the end: the move clears the start flag") << 1 << "1" << "on" << "1100 00 00";
        QTest::newRow("three rows, middle") << 3 << "1" << "on" << "1111 00 00";
        QTest::newRow("three rows, last") << 3 << "1" << "ol" << "1100 00 00";
        QTest::newRow("three rows, back to the start") << 3 << "1" << "olpp p" << "0011 00 00";
        QTest::newRow("editing enables Save and Cancel") << 3 << "1" << "oct" << "0011 11 11";
        QTest::newRow("browse-only: Save, Delete, Add stay off") << 3 << "2" << "ot" << "0011 00 00";
        QTest::newRow("another window's key: nothing follows") << 3 << "1" << "oxl" << "0011 00 00";
    }
    void buttonMatrix()
    {
        QFETCH(int, rows);
        QFETCH(QString, level);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        AppFixture app(level, [rows](data::Connection& c) {
            for (int i = 1; i <= rows; ++i)
                c.exec("INSERT INTO Region (RegionId, RegionName) VALUES (?, ?)", {QString::number(i), "区"});
        });
        TfrmRegion* w = nullptr;
        for (QChar s : steps) {
            switch (s.toLatin1()) {
            case 'o':
                runOpener(*findOpener("Region"), mdiForm);
                w = frmRegion;
                break;
            case 'c': w->CheckBox->click(); break;
            case 'n': w->TB_NextClick(); break;
            case 'p': w->TB_PrevClick(); break;
            case 'f': w->TB_FirstClick(); break;
            case 'l': w->TB_LastClick(); break;
            case 'x': mdiForm->ModuleKey = "Build"; break;
            case 't':
                if (level != "2")
                    w->TB_ModiClick();
                // A browse-only user's edits are read-only: the row is put
                // into edit state from code to see the buttons stay off.
                DM->AT_Region->edit();
                DM->AT_Region->fieldByName("RegionName")->setAsString("改");
                break;
            default: break;
            }
        }
        QCOMPARE(buttons(w), expected);
    }

    void cancelKeepsItsStateForBrowseOnly()
    {
        AppFixture app("2", [](data::Connection& c) {
            c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '区')");
        });
        runOpener(*findOpener("Region"), mdiForm);
        frmRegion->TB_Cancel->setEnabled(true);
        DM->AT_Region->edit();
        QVERIFY(frmRegion->TB_Cancel->isEnabled());
        QVERIFY(!frmRegion->TB_Save->isEnabled());
    }

    void closedWindowIsLeftAlone()
    {
        AppFixture app("1");
        runOpener(*findOpener("Region"), mdiForm);
        frmRegion->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmRegion);
        // ModuleKey still names the window; the handlers find none and do nothing.
        DM->AT_Region->append();
        DM->AT_Region->cancel();
        QCOMPARE(mdiForm->ModuleKey, QString("Region"));
    }
};

WYGL_TEST(TestToolbarSync)
#include "tst_ToolbarSync.moc"
