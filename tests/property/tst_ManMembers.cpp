// The owner window's household members, birth dates and pictures.

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/Msg.h"
#include "property/OwnerFixture.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

using testsupport::AppFixture;
using testsupport::openBuilding;
using testsupport::openMan;
using testsupport::seedOwners;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kMemberMissing =
    QStringLiteral("错误原因可能是以下各项：\r\n   业主编号为空\r\n   成员编号为空\r\n   成员姓名为空\r请核对各项！");
const QString kMemberIdInUse = QStringLiteral("该成员编号已存在！重新输入。");

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

QString text(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toString();
}

TfrmMan* onMemberPage()
{
    TfrmMan* w = openMan();
    openBuilding(w);
    w->PageControl1->setCurrentWidget(w->TS_member);
    return w;
}

}  // namespace

class TestManMembers : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString picture(const QString& name)
    {
        return m_dir.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QVERIFY(img.save(picture("face.bmp")));
        QFile junk(picture("junk.jpg"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
    }

    void membersOnlyForAnOwnerWithARoom()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = onMemberPage();
        QVERIFY(w->SB_Add->isEnabled());
        QVERIFY(w->DBE_MName->isEnabled());
        QCOMPARE(w->DBE_MOwnerId->text(), QString("D01-B2-001"));
        w->TB_NextClick();  // 李四 has no room
        QVERIFY(!w->SB_Add->isEnabled());
        QVERIFY(!w->DBE_MName->isEnabled());
        QCOMPARE(w->DBE_MOwnerId->text(), QString("D01-B2-002"));
        w->SB_AddClick();
        QCOMPARE(DM->AT_Member->state(), data::DataSetState::Browse);
        QCOMPARE(DM->AT_Member->recordCount(), 0);
    }

    void addingAMember()
    {
        AppFixture app("1", seedOwners);
        app.db().exec("INSERT INTO Member (memberID, OwnerId, mbName) VALUES ('m9', 'D01-B2-002', '李小四')");
        TfrmMan* w = onMemberPage();
        w->SB_AddClick();
        QCOMPARE(DM->AT_Member->state(), data::DataSetState::Insert);
        QCOMPARE(w->DBE_MOwnerId->text(), QString("D01-B2-001"));
        QVERIFY(w->SB_Save->isEnabled());
        QVERIFY(!w->SB_Add->isEnabled());
        w->SB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kMemberMissing});
        QCOMPARE(DM->AT_Member->state(), data::DataSetState::Insert);

        // An id of the same owner's member, on leaving the edit and at Save.
        Msg::clearLog();
        typeInto(w->DBE_MemberId, "m1");
        w->DBE_MemberIdExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kMemberIdInUse});
        QVERIFY(w->DBE_MemberId->text().isEmpty());
        Msg::clearLog();
        typeInto(w->DBE_MName, "张小四");
        typeInto(w->DBE_MemberId, "m1");
        w->SB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kMemberIdInUse});
        QCOMPARE(count(app, "SELECT count(*) FROM Member WHERE OwnerId = 'D01-B2-001'"), 1);

        // Another owner's member may have the same id.
        Msg::clearLog();
        typeInto(w->DBE_MemberId, "m9");
        w->SB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(text(app, "SELECT mbName FROM Member WHERE memberID = 'm9' AND OwnerId = 'D01-B2-001'"),
                 QString("张小四"));
        QVERIFY(w->SB_Add->isEnabled());
        QVERIFY(!w->DBE_MName->isEnabled());
        QCOMPARE(DM->AT_Member->recordCount(), 2);
    }

    void modifyingAndDeletingAMember()
    {
        AppFixture app("1", seedOwners);
        app.db().exec("INSERT INTO Member (memberID, OwnerId, mbName) VALUES ('m2', 'D01-B2-001', '张小五')");
        TfrmMan* w = onMemberPage();
        w->DBGrid2ColEnter();
        QVERIFY(w->SB_Modi->isEnabled());
        // Its own id is no duplicate.
        w->SB_ModiClick();
        typeInto(w->DBE_MemberId, "m1");
        typeInto(w->DBE_MName, "张小三三");
        w->SB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(text(app, "SELECT mbName FROM Member WHERE memberID = 'm1'"), QString("张小三三"));
        // A sibling's id is.
        w->SB_ModiClick();
        typeInto(w->DBE_MemberId, "m2");
        w->SB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kMemberIdInUse});
        w->SB_CancelClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Member WHERE memberID = 'm1'"), 1);

        Msg::clearLog();
        Msg::queueAnswer(false);
        w->SB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确实要删除该条记录吗？"});
        QCOMPARE(count(app, "SELECT count(*) FROM Member"), 2);
        Msg::queueAnswer(true);
        w->SB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Member"), 1);
        QCOMPARE(text(app, "SELECT memberID FROM Member"), QString("m2"));
    }

    void birthDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a real date") << "19700308" << "1970-03-08" << false;
        QTest::newRow("blank is accepted") << "" << "" << false;
        QTest::newRow("month 13 is never stored") << "19701308" << "1960-01-01" << true;
        QTest::newRow("30 February is never stored") << "19700230" << "1960-01-01" << true;
    }
    void birthDates()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        AppFixture app("1", seedOwners);
        app.db().exec("UPDATE Owner SET Birth = '1960-01-01'");
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_ModiClick();
        typeInto(w->DBE_Birth, typed);
        // A refused date reaches the error box with the date error.
        QString error;
        try {
            w->TB_SaveClick();
        } catch (const data::Error& e) {
            error = e.message();
        }
        QCOMPARE(error, refused ? data::dateErrorText() : QString());
        QCOMPARE(text(app, "SELECT coalesce(Birth, '') FROM Owner WHERE ownerId = 'D01-B2-001'"), stored);
        QVERIFY(Msg::log().isEmpty());
    }

    void pictures_data()
    {
        QTest::addColumn<QVariant>("pic");
        QTest::addColumn<bool>("shown");
        QTest::newRow("\"A\"") << QVariant("A") << false;
        QTest::newRow("null") << QVariant() << false;
        QTest::newRow("empty") << QVariant("") << false;
        QTest::newRow("missing file") << QVariant(picture("gone.jpg")) << false;
        QTest::newRow("not a picture") << QVariant(picture("junk.jpg")) << false;
        QTest::newRow("a picture") << QVariant(picture("face.bmp")) << true;
    }
    void pictures()
    {
        QFETCH(QVariant, pic);
        QFETCH(bool, shown);
        AppFixture app("1", seedOwners);
        app.db().exec("UPDATE Owner SET Pic = ? WHERE ownerId = 'D01-B2-001'", {pic});
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        QCOMPARE(!w->Img->isHidden(), shown);
        QCOMPARE(w->Img->hasPicture(), shown);
        QCOMPARE(w->lblImg->text(), shown ? QString() : QString("无图片资料"));
        QVERIFY(Msg::log().isEmpty());
    }

    void importingAPictureForTheOwnerShown()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        Msg::queueFileName(picture("face.bmp"));
        w->SB_ImgInClick();
        QCOMPARE(Msg::log().last().kind, MsgKind::OpenFile);
        QCOMPARE(Msg::log().last().text,
                 QString("All(*.jpg;*.jpeg;*.bmp;*.ico)|*.jpg;*.jpeg;*.bmp;*.ico|JPEG Image File (*.jpg)|*.jpg|JPEG "
                         "Image File (*.jpeg)|*.jpeg|Bitmaps File(*.bmp)|*.bmp|Icons (*.ico)|*.ico"));
        QVERIFY(w->SB_ImgOut->isEnabled());
        QVERIFY(w->Img->hasPicture());
        // Another owner is shown before the save: the path is not theirs.
        w->TB_NextClick();
        QVERIFY(!w->SB_ImgOut->isEnabled());
        w->SB_ImgOutClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Owner WHERE Pic IS NOT NULL"), 0);
        QCOMPARE(w->lblImg->text(), QString("无图片资料"));

        w->TB_FirstClick();
        Msg::queueFileName(picture("face.bmp"));
        w->SB_ImgInClick();
        w->SB_ImgOutClick();
        QCOMPARE(text(app, "SELECT Pic FROM Owner WHERE ownerId = 'D01-B2-001'"), picture("face.bmp"));
        QCOMPARE(count(app, "SELECT count(*) FROM Owner WHERE Pic IS NOT NULL"), 1);
        QVERIFY(!w->SB_ImgOut->isEnabled());
        QVERIFY(!w->TB_Save->isEnabled());
        QVERIFY(w->importedPicture().isEmpty());

        mdiForm->resize(1100, 760);
        mdiForm->show();
        w->PageControl1->setCurrentWidget(w->TS_Pic);
        QVERIFY(!testsupport::saveScreenshot(mdiForm, "owner-picture").isEmpty());
    }
};

WYGL_TEST(TestManMembers)
#include "tst_ManMembers.moc"
