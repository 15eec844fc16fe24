// The default error box and the message seam.

#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QPushButton>
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
