// The default error box and the message seam.

#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

using ui::Msg;
using ui::MsgKind;

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void anExceptionFromAHandlerIsShownAndTheProgramGoesOn()
    {
        QPushButton button(QStringLiteral("保存"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            if (clicks == 1)
                throw data::Error(QStringLiteral("编号和名称均不能为空！"));
            if (clicks == 2)
                throw std::runtime_error("disk full");
            if (clicks == 3)
                throw data::Abort();
        });
        QVERIFY(uitest::showActive(&button));
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(&button, Qt::LeftButton);

        QCOMPARE(clicks, 4);
        QCOMPARE(Msg::texts(MsgKind::Error), (QStringList{QStringLiteral("编号和名称均不能为空！"),
                                                          QStringLiteral("disk full")}));
        QCOMPARE(Msg::log().first().caption, QStringLiteral("物业管理"));
        QVERIFY(!button.isDown());
    }

    void exceptionsFromTimersAndGuardedCodeReachTheBoxToo()
    {
        QTimer::singleShot(0, [] { throw data::Error(QStringLiteral("定时出错")); });
        QTest::qWait(20);
        QVERIFY(!ui::guarded([] { throw data::Error(QStringLiteral("启动出错")); }));
        QVERIFY(ui::guarded([] {}));
        QVERIFY(!ui::guarded([] { throw data::Abort(); }));
        QCOMPARE(Msg::texts(MsgKind::Error), (QStringList{QStringLiteral("定时出错"), QStringLiteral("启动出错")}));
    }

    void shownBoxesAreWideEnoughForTheirWholeTitle()
    {
        // Beside the title, the title bar holds the icon and the close button.
        const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        const struct {
            const char* picture;
            std::function<void()> show;
            QString title;
        } boxes[] = {
            {"box_login", [] { Msg::information(QStringLiteral("登录成功")); }, QStringLiteral("物业管理")},
            {"box_backup_done", [] { Msg::plain(QStringLiteral("数据备份完成"), QStringLiteral("成功！")); },
             QStringLiteral("成功！")},
            {"box_navigator_delete", [] { Msg::confirm(ui::DBNavigator::deleteQuestion()); }, QStringLiteral("物业管理")},
        };
        Msg::setScripted(false);
        const auto scriptedAgain = qScopeGuard([] { Msg::setScripted(true); });
        QStringList buttons;
        for (const auto& b : boxes) {
            QString title;
            int width = 0;
            buttons.clear();
            QTimer poll;
            connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || width)
                    return;
                title = box->windowTitle();
                width = box->width();
                for (QAbstractButton* button : box->buttons())
                    buttons << button->text();
                testsupport::saveScreenshot(box, QString::fromLatin1(b.picture));
                box->reject();
            });
            poll.start(10);
            b.show();
            QCOMPARE(title, b.title);
            QVERIFY2(width >= titleFont.horizontalAdvance(title) + 3 * titleFont.height(), b.picture);
        }
        QCOMPARE(buttons, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));
    }

    void fileDialogsTakeQueuedNamesAndOtherwiseCancel()
    {
        const QString filter = QStringLiteral("All(*.jpg;*.jpeg;*.bmp;*.ico)|*.jpg;*.jpeg;*.bmp;*.ico|Bitmaps File(*.bmp)|*.bmp");
        Msg::queueFileName(QStringLiteral("/tmp/car.jpg"));
        QCOMPARE(Msg::openFile(filter), QStringLiteral("/tmp/car.jpg"));
        QCOMPARE(Msg::saveFile(QStringLiteral("备份文件|*.bak")), QString());
        QCOMPARE(Msg::log()[0].kind, MsgKind::OpenFile);
        QCOMPARE(Msg::log()[1].kind, MsgKind::SaveFile);
        QCOMPARE(Msg::log()[0].text, filter);

        QCOMPARE(ui::qtFileFilter(filter),
                 QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico);;Bitmaps File (*.bmp)"));
        QCOMPARE(ui::qtFileFilter(QString()), QString());
    }
};

WYGL_TEST(TestErrorBox)
#include "tst_ErrorBox.moc"
