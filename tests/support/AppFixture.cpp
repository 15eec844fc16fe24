#include "support/AppFixture.h"

#include "app/Login.h"
#include "app/Main.h"
#include "app/Main1.h"
#include "app/Openers.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/TestDb.h"
#include "Windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace testsupport {

AppFixture::AppFixture(const QString& popedom, const std::function<void(data::Connection&)>& seed)
{
    ui::resetTermination();
    ui::Msg::clearLog();
    ui::Msg::clearQueue();
    registerAllWindows();
    auto c = freshDatabase();
    if (seed)
        seed(*c);
    new TmdiForm;
    DM = new TDM;
    DM->openOn(std::move(c));
    new TfrmLogin;
    frmLogin->Popedom = popedom;
}

AppFixture::~AppFixture()
{
    if (mdiForm)
        ui::freeAllMdiChildren(mdiForm->mdiArea());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete frmMain1;
    delete frmLogin;
    delete mdiForm;
    delete DM;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::resetTermination();
}

void AppFixture::setLevel(const QString& popedom)
{
    frmLogin->Popedom = popedom;
}

void AppFixture::requeryAll()
{
    for (const QString& n : TDM::startupOrder())
        DM->dataSet(n)->requery();
}

}  // namespace testsupport

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

namespace testsupport {

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar ch : text) {
        // Any character, Chinese included, as a key press carrying its text.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

}  // namespace testsupport
