// Handlers connected under the error guard, the tool-bar buttons and the edit
// switch built on them.

#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QToolBar>
#include <memory>
#include <stdexcept>

using ui::Msg;
using ui::MsgKind;

namespace {

// A window with handlers the way the program's windows have them.
class Window : public QWidget {
public:
    QStringList ran;
    void SaveClick()
    {
        ran << "save";
        throw data::Error(QStringLiteral("编号和名称均不能为空！"));
    }
    void RefusedClick()
    {
        ran << "refused";
        throw data::Abort();
    }
    void CloseClick() { ran << "close"; }
};

}  // namespace

class TestHandler : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    // click() emits the signal straight from the caller: an exception that got
    // past the handler would come out here, through Qt's signal delivery.
    void whatAHandlerThrowsStopsAtTheHandler_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("refused by a check") << 0 << QStringList{};
        QTest::newRow("data error") << 1 << QStringList{QStringLiteral("编号和名称均不能为空！")};
        QTest::newRow("other exception") << 2 << QStringList{QStringLiteral("disk full")};
        QTest::newRow("no exception") << 3 << QStringList{};
    }
    void whatAHandlerThrowsStopsAtTheHandler()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, shown);
        QWidget window;
        QPushButton button(&window);
        int later = 0;
        ui::connectHandler(&button, &QPushButton::clicked, &window, [kind] {
            if (kind == 0)
                throw data::Abort();
            if (kind == 1)
                throw data::Error(QStringLiteral("编号和名称均不能为空！"));
            if (kind == 2)
                throw std::runtime_error("disk full");
        });
        connect(&button, &QPushButton::clicked, [&] { ++later; });
        button.click();
        button.click();
        QCOMPARE(Msg::texts(MsgKind::Error), shown + shown);
        // Qt went on to the next slot of the same signal both times.
        QCOMPARE(later, 2);
    }

    void memberHandlersRunOnTheirWindowUntilItGoes()
    {
        auto window = std::make_unique<Window>();
        QPushButton save, close;
        ui::connectHandler(&save, &QPushButton::clicked, window.get(), &Window::SaveClick);
        ui::connectHandler(&close, &QPushButton::clicked, window.get(), &Window::CloseClick);
        save.click();
        close.click();
        QCOMPARE(window->ran, (QStringList{"save", "close"}));
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{QStringLiteral("编号和名称均不能为空！")});
        window.reset();
        close.click();  // the connection went with the window
    }

    void aHandlerTakesTheSignalsArgumentsOrNone()
    {
        QWidget window;
        QCheckBox box(&window);
        QList<bool> states;
        int calls = 0;
        ui::connectHandler(&box, &QCheckBox::toggled, &window, [&](bool on) { states << on; });
        ui::connectHandler(&box, &QCheckBox::toggled, &window, [&] { ++calls; });
        box.setChecked(true);
        box.setChecked(false);
        QCOMPARE(states, (QList<bool>{true, false}));
        QCOMPARE(calls, 2);
    }

    void quietlyEndsARefusedStepAndPassesOnAnError()
    {
        bool after = false;
        ui::quietly([&] {
            throw data::Abort();
            after = true;
        });
        QVERIFY(!after);
        QVERIFY_THROWS_EXCEPTION(data::Error, ui::quietly([] { throw data::Error(QStringLiteral("x")); }));
        QVERIFY(Msg::log().isEmpty());
    }

    void toolButtonsAreNamedPlacedAndGuarded()
    {
        Window window;
        QToolBar bar(&window);
        ui::ToolButton *save = nullptr, *refused = nullptr, *close = nullptr;
        QAction* saveAction = ui::addToolButton(&bar, save, "TB_Save", QStringLiteral("保存"), &window, &Window::SaveClick);
        ui::addToolButton(&bar, refused, "TB_Refused", QStringLiteral("拒绝"), &window, &Window::RefusedClick);
        ui::addToolButton(&bar, close, "TB_Close", QStringLiteral("离开"), &window, [&] { window.CloseClick(); });
        QCOMPARE(bar.findChild<ui::ToolButton*>("TB_Save"), save);
        QCOMPARE(save->text(), QStringLiteral("保存"));
        QCOMPARE(save->focusPolicy(), Qt::NoFocus);
        QCOMPARE(bar.actions().size(), 3);
        QCOMPARE(bar.widgetForAction(saveAction), save);
        for (ui::ToolButton* b : {save, refused, close})
            b->click();
        QCOMPARE(window.ran, (QStringList{"save", "refused", "close"}));
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{QStringLiteral("编号和名称均不能为空！")});
    }

    void theEditSwitchIsRedAndStartsOff()
    {
        QWidget window;
        QCheckBox* box = ui::newEditSwitch(QStringLiteral("进入编辑状态"), &window);
        QCheckBox* other = ui::newEditSwitch(QStringLiteral("进入编辑状态"), &window, QStringLiteral("CheckBox1"));
        QCOMPARE(window.findChild<QCheckBox*>("CheckBox"), box);
        QCOMPARE(other->objectName(), QStringLiteral("CheckBox1"));
        QCOMPARE(box->text(), QStringLiteral("进入编辑状态"));
        QCOMPARE(box->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(!box->isChecked());
    }
};

WYGL_TEST(TestHandler)
#include "tst_Handler.moc"
