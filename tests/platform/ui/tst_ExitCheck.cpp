// On-exit checks run only when the focus moves within the window.

#include "platform/data/DataSet.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Form.h"
#include "platform/ui/Msg.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct KeyWindow {
    QWidget window;
    QLineEdit* key;
    QLineEdit* name;
    ui::ToolButton* save;
    QPushButton* cancel;
    int checks = 0;

    KeyWindow()
    {
        auto* l = new QVBoxLayout(&window);
        l->addWidget(key = new QLineEdit);
        l->addWidget(name = new QLineEdit);
        l->addWidget(save = new ui::ToolButton(QStringLiteral("保存")));
        l->addWidget(cancel = new QPushButton(QStringLiteral("取消")));
        ui::onExit(key, [this] { ++checks; });
    }
};

}  // namespace

class TestExitCheck : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void runsWhenTheFocusMovesToAnotherControlOfTheWindow()
    {
        KeyWindow w;
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.key);
        uitest::clickInto(w.name);
        QCOMPARE(w.checks, 1);
        uitest::clickInto(w.key);
        QTest::keyClick(w.key, Qt::Key_Tab);
        QCOMPARE(w.checks, 2);
        QVERIFY(w.name->hasFocus());
    }

    void doesNotRunWhenTheWindowLosesTheActivationOrABoxOpens()
    {
        KeyWindow w;
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.key);
        // Another window with a control that takes the focus.
        QWidget other;
        auto* otherEdit = new QLineEdit(&other);
        otherEdit->setFocus();
        QVERIFY(uitest::showActive(&other));
        QVERIFY(otherEdit->hasFocus());
        QVERIFY(uitest::showActive(&w.window));
        QVERIFY(w.key->hasFocus());

        // A real message box, as the program shows outside tests.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("物业管理"), QStringLiteral("提示"), QMessageBox::Ok,
                        &w.window);
        bool focusInBox = false;
        QTimer::singleShot(50, [&] {
            focusInBox = box.isAncestorOf(QApplication::focusWidget());
            box.accept();
        });
        box.exec();
        QVERIFY(focusInBox);
        QVERIFY(uitest::showActive(&w.window));
        QCOMPARE(w.checks, 0);
    }

    void toolButtonsTakeNoFocusAndExemptButtonsRunNoCheck()
    {
        KeyWindow w;
        int saves = 0;
        connect(w.save, &QToolButton::clicked, [&] { ++saves; });
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.key);
        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(saves, 1);
        QVERIFY(w.key->hasFocus());
        QCOMPARE(w.save->focusPolicy(), Qt::NoFocus);
        QCOMPARE(ui::SpeedButton().focusPolicy(), Qt::NoFocus);

        ui::setExitExempt(w.cancel);
        QTest::mouseClick(w.cancel, Qt::LeftButton);
        QCOMPARE(w.checks, 0);
    }

    void aCheckThatShowsABoxAndTakesTheFocusBackDoesNotReenter()
    {
        KeyWindow w;
        int nameChecks = 0;
        ui::onExit(w.name, [&] { ++nameChecks; });
        ui::onExit(w.key, [&] {
            QVERIFY(ui::exitCheckRunning());
            ui::Msg::warning(QStringLiteral("该小区编号已存在！重新输入。"));
            w.key->setFocus();  // leaves the name edit: its check must not run
            w.key->clear();
        });
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.key);
        QTest::keyClicks(w.key, QStringLiteral("R01"));
        uitest::clickInto(w.name);
        QCOMPARE(w.checks, 1);
        QCOMPARE(nameChecks, 0);
        QVERIFY(w.key->hasFocus());
        QCOMPARE(w.key->text(), QString());
        QCOMPARE(ui::Msg::log().size(), 1);
        QVERIFY(!ui::exitCheckRunning());
    }

    void aFailingCheckStopsTheLaterOnesOfTheControl()
    {
        KeyWindow w;
        int later = 0;
        ui::onExit(w.key, [] { throw data::Abort(); });
        ui::onExit(w.key, [&] { ++later; });
        QVERIFY(uitest::showActive(&w.window));
        uitest::clickInto(w.key);
        uitest::clickInto(w.name);
        QCOMPARE(w.checks, 1);
        QCOMPARE(later, 0);
        QVERIFY(ui::Msg::log().isEmpty());
    }

    void aCheckThatKeepsTheFocusStopsAGridClick()
    {
        uitest::RegionData d;
        QWidget window;
        auto* l = new QVBoxLayout(&window);
        auto* key = new QLineEdit;
        auto* grid = new ui::DBGrid(&d.source);
        l->addWidget(key);
        l->addWidget(grid);
        window.resize(400, 300);
        ui::onExit(key, [key] { key->setFocus(); });
        QVERIFY(uitest::showActive(&window));
        uitest::clickInto(key);
        const QModelIndex cell = grid->model()->index(2, 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QVERIFY(key->hasFocus());
        QCOMPARE(d.table.recNo(), 1);
    }

    void movingToAnotherChildWindowIsNotLeavingWithinTheWindow()
    {
        QWidget frame;
        auto* area = new QMdiArea(&frame);
        area->resize(600, 400);
        auto* a = new ui::Form;
        auto* b = new ui::Form;
        auto* aEdit = new QLineEdit(a);
        auto* aOther = new QLineEdit(a);
        aOther->move(0, 40);
        auto* bEdit = new QLineEdit(b);
        area->addSubWindow(a)->resize(250, 150);
        area->addSubWindow(b)->resize(250, 150);
        int checks = 0;
        ui::onExit(aEdit, [&] { ++checks; });
        QVERIFY(uitest::showActive(&frame));
        a->parentWidget()->show();
        b->parentWidget()->show();
        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget()));
        aEdit->setFocus(Qt::MouseFocusReason);
        QVERIFY(aEdit->hasFocus());
        bEdit->setFocus(Qt::MouseFocusReason);
        QVERIFY(bEdit->hasFocus());
        QCOMPARE(checks, 0);
        aEdit->setFocus(Qt::MouseFocusReason);
        aOther->setFocus(Qt::MouseFocusReason);
        QCOMPARE(checks, 1);
    }
};

WYGL_TEST(TestExitCheck)
#include "tst_ExitCheck.moc"
