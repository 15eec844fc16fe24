// Modal runs: nesting, termination, and which windows they leave usable.

#include "platform/ui/Form.h"
#include "platform/ui/ModalRun.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A form whose close handler can refuse, counting how often it was asked.
class RefusingForm : public ui::Form {
public:
    bool allow = false;
    int asked = 0;

protected:
    void formClose(ui::CloseAction& action) override
    {
        ++asked;
        if (!allow)
            action = ui::CloseAction::None;
    }
};

}  // namespace

class TestModalRun : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ui::resetTermination(); }

    void endModalReturnsTheResultAndHidesTheWindow()
    {
        QWidget w;
        QTimer::singleShot(0, [&] {
            QVERIFY(w.isVisible());
            QVERIFY(ui::isRunningModal(&w));
            ui::endModal(&w, ui::mrOk);
        });
        QCOMPARE(ui::runModal(&w), int(ui::mrOk));
        QVERIFY(!w.isVisible());
        QVERIFY(!ui::isRunningModal(&w));
        QCOMPARE(ui::modalDepth(), 0);
    }

    void closingOrDestroyingTheWindowEndsItsRun()
    {
        QWidget w;
        QTimer::singleShot(0, [&] { w.close(); });
        QCOMPARE(ui::runModal(&w), int(ui::mrCancel));

        auto* gone = new QWidget;
        QTimer::singleShot(0, [gone] { delete gone; });
        QCOMPARE(ui::runModal(gone), int(ui::mrCancel));
        QCOMPARE(ui::modalDepth(), 0);
    }

    void aFormMayRefuseToEndItsRun()
    {
        RefusingForm f;
        int rounds = 0;
        std::function<void()> step = [&] {
            ++rounds;
            if (rounds == 2)
                f.allow = true;
            ui::endModal(&f, ui::mrOk);
            if (rounds < 2)
                QTimer::singleShot(0, step);
        };
        QTimer::singleShot(0, step);
        QCOMPARE(ui::runModal(&f), int(ui::mrOk));
        QCOMPARE(f.asked, 2);

        // The caption button asks the same handler.
        f.allow = false;
        f.asked = 0;
        bool stillRunning = false;
        QTimer::singleShot(0, [&] {
            f.close();
            stillRunning = ui::isRunningModal(&f) && f.isVisible();
            f.allow = true;
            f.close();
        });
        QCOMPARE(ui::runModal(&f), int(ui::mrCancel));
        QVERIFY(stillRunning);
        QCOMPARE(f.asked, 2);
    }

    void aRunGoesOnWhileItsWindowIsHidden()
    {
        QWidget login, navigation;
        int navResult = -1;
        bool loginRunningDuringNav = false;
        QTimer::singleShot(0, [&] {
            login.hide();
            QTimer::singleShot(0, [&] {
                loginRunningDuringNav = ui::isRunningModal(&login) && !login.isVisible();
                ui::endModal(&navigation, ui::mrOk);
            });
            navResult = ui::runModal(&navigation);
            ui::endModal(&login, ui::mrOk);
        });
        QCOMPARE(ui::runModal(&login), int(ui::mrOk));
        QCOMPARE(navResult, int(ui::mrOk));
        QVERIFY(loginRunningDuringNav);
    }

    void terminateFromTheInnermostRunEndsEveryRun()
    {
        int hookCalls = 0;
        auto old = ui::setTerminateHook([&] { ++hookCalls; });
        QWidget outer, middle, inner;
        int middleResult = -1, innerResult = -1;
        bool ranAfterTerminate = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                QTimer::singleShot(0, [&] { ui::terminate(); });
                innerResult = ui::runModal(&inner);
                // Code after a run goes on unwinding, but starts no new run.
                QWidget late;
                ranAfterTerminate = ui::runModal(&late) == ui::mrCancel && !late.isVisible();
            });
            middleResult = ui::runModal(&middle);
        });
        const int outerResult = ui::runModal(&outer);
        ui::setTerminateHook(old);

        QCOMPARE(innerResult, int(ui::mrCancel));
        QCOMPARE(middleResult, int(ui::mrCancel));
        QCOMPARE(outerResult, int(ui::mrCancel));
        QVERIFY(ranAfterTerminate);
        QVERIFY(ui::terminated());
        QCOMPARE(hookCalls, 1);
        QCOMPARE(ui::modalDepth(), 0);
        // The main loop does not start once the program is ending.
        QCOMPARE(ui::mainLoop(), 0);
    }

    void windowsShownAfterARunStartedTakeInputThoseShownBeforeDoNot()
    {
        QWidget before;
        auto* beforeButton = new QPushButton(QStringLiteral("旧"), &before);
        int beforeClicks = 0;
        connect(beforeButton, &QPushButton::clicked, [&] { ++beforeClicks; });
        QVERIFY(uitest::showActive(&before));

        QWidget navigation;  // runs modally, like the navigation window
        QWidget frame;       // shown during the run, like the frame
        auto* layout = new QVBoxLayout(&frame);
        auto* edit = new QLineEdit;
        auto* button = new QPushButton(QStringLiteral("确定"));
        layout->addWidget(edit);
        layout->addWidget(button);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });

        QTimer::singleShot(0, [&] {
            QVERIFY(uitest::showActive(&frame));
            uitest::clickInto(edit);
            QTest::keyClicks(edit, QStringLiteral("abc"));
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::mouseClick(beforeButton, Qt::LeftButton);
            ui::endModal(&navigation, ui::mrOk);
        });
        ui::runModal(&navigation);

        QCOMPARE(edit->text(), QStringLiteral("abc"));
        QCOMPARE(clicks, 1);
        QCOMPARE(beforeClicks, 0);
        // After the run the older window takes input again.
        QTest::mouseClick(beforeButton, Qt::LeftButton);
        QCOMPARE(beforeClicks, 1);
    }

};

WYGL_TEST(TestModalRun)
#include "tst_ModalRun.moc"
