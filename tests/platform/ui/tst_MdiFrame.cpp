// Frame services: menus and tool bars swapped per module, and closing the frame.

#include "platform/ui/MdiFrame.h"
#include "platform/ui/ModalRun.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QMenuBar>
#include <QToolBar>

class TestMdiFrame : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ui::resetTermination(); }

    void menuBarsAndToolBarsAreSwappedNotDestroyed()
    {
        ui::MdiFrame frame;
        QMenuBar* house = frame.newMenuBar(QStringLiteral("MainMenuHouse"));
        QMenuBar* fee = frame.newMenuBar(QStringLiteral("MainMenuFee"));
        QAction* region = house->addMenu(QStringLiteral("房产信息"))->addAction(QStringLiteral("小区信息"));
        QMenu* feeMenu = fee->addMenu(QStringLiteral("辅助信息"));
        QAction* hidden = feeMenu->addAction(QStringLiteral("费用类别"));
        hidden->setVisible(false);
        QToolBar* tbHouse = frame.newToolBar(QStringLiteral("TlB_House"));
        QToolBar* tbFee = frame.newToolBar(QStringLiteral("TlB_Fee"));
        QVERIFY(uitest::showActive(&frame));
        QVERIFY(!tbHouse->isVisible() && !tbFee->isVisible());

        QPointer<QMenuBar> keepHouse = house;
        frame.installMenuBar(house);
        frame.showToolBar(tbHouse);
        frame.installMenuBar(fee);
        frame.showToolBar(tbFee);
        frame.showToolBar(tbFee);  // pressing a module twice: still one tool bar
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!keepHouse.isNull());
        QCOMPARE(frame.installedMenuBar(), fee);
        QVERIFY(fee->isVisible() && !house->isVisible());
        QCOMPARE(frame.shownToolBar(), tbFee);
        QVERIFY(tbFee->isVisible() && !tbHouse->isVisible());

        frame.installMenuBar(house);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame.installedMenuBar(), house);
        QCOMPARE(house->actions().first()->menu()->actions().first(), region);
        QVERIFY(!hidden->isVisible());
    }

    void closingTheFrameTerminatesTheProgram()
    {
        ui::MdiFrame frame;
        QVERIFY(uitest::showActive(&frame));
        QVERIFY(!ui::terminated());
        frame.close();
        QVERIFY(ui::terminated());
    }
};

WYGL_TEST(TestMdiFrame)
#include "tst_MdiFrame.moc"
