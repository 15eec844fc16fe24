// The cars and their pictures: the picture follows the car shown, a file
// that cannot be shown says so without an error, and a path is stored only
// for the car it was chosen for, through Save's checks.

#include "RegisterDriver.h"
#include "operations/parking/Car.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTemporaryDir>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace registertest;

class TestCar : public QObject {
    Q_OBJECT
    // Short paths: the column holds 50 characters.
    QTemporaryDir m_dir{QStringLiteral("/tmp/car-XXXXXX")};

    QString picture(const QString& name) { return m_dir.filePath(name); }

    static bool pictureShown(TfrmCar* w)
    {
        const bool shown = !w->Img->isHidden() && w->Img->hasPicture();
        if (shown == w->lblImg->isHidden() && w->lblImg->text() == (shown ? QString() : QString("无图片资料")))
            return shown;
        qFatal("the picture and its label disagree");
    }

    void twoCars(AppFixture& app)
    {
        const char* sql = "INSERT INTO CarMessage (CarNum, CarType, picPath) VALUES (?, ?, ?)";
        app.db().exec(sql, {"浙A12345", "轿车", picture("car.bmp")});
        app.db().exec(sql, {"浙A12345", "货车", "A"});
        app.requeryAll();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::darkRed);
        QVERIFY(img.save(picture("car.bmp")));
        QFile junk(picture("junk.jpg"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
    }

    void pictures_data()
    {
        QTest::addColumn<QVariant>("path");
        QTest::addColumn<bool>("shown");
        QTest::newRow("A") << QVariant("A") << false;
        QTest::newRow("null") << QVariant() << false;
        QTest::newRow("empty") << QVariant("") << false;
        QTest::newRow("missing file") << QVariant(picture("gone.jpg")) << false;
        QTest::newRow("not a picture") << QVariant(picture("junk.jpg")) << false;
        QTest::newRow("a picture") << QVariant(picture("car.bmp")) << true;
    }
    void pictures()
    {
        QFETCH(QVariant, path);
        QFETCH(bool, shown);
        AppFixture app("1", [&](data::Connection& c) {
            c.exec("INSERT INTO CarMessage (CarNum, picPath) VALUES ('浙B1', ?)", {path});
        });
        auto* w = static_cast<TfrmCar*>(openRegister("TfrmCar"));
        QCOMPARE(pictureShown(w), shown);
        QVERIFY(Msg::log().isEmpty());  // never an error box
    }

    void thePictureFollowsTheCar()
    {
        AppFixture app("1");
        twoCars(app);
        auto* w = static_cast<TfrmCar*>(openRegister("TfrmCar", false));
        QVERIFY(pictureShown(w));
        QVERIFY(!w->SB_ImgIn->isEnabled());
        w->TB_NextClick();
        QVERIFY(!pictureShown(w));
        // The switch opens the edits but the path, and offers 导入 for a
        // stored car only.
        w->CheckBox->click();
        QVERIFY(w->control("DBE_Num")->isEnabled() && !w->control("DBE_Path")->isEnabled());
        QVERIFY(w->SB_ImgIn->isEnabled());
        w->TB_AddClick();
        QVERIFY(!w->SB_ImgIn->isEnabled());
        w->TB_CancelClick();
        QVERIFY(w->SB_ImgIn->isEnabled());

        // A path chosen belongs to the car it was chosen for.
        Msg::queueFileName(picture("car.bmp"));
        w->SB_ImgInClick();
        QVERIFY(pictureShown(w) && w->SB_ImgOut->isEnabled());
        QCOMPARE(textOf(w, "DBE_Path"), picture("car.bmp"));
        w->TB_PrevClick();
        QVERIFY(!w->SB_ImgOut->isEnabled() && w->importedPicture().isEmpty());
        w->TB_NextClick();
        QVERIFY(!pictureShown(w));
        Msg::queueFileName(picture("car.bmp"));
        w->SB_ImgInClick();
        w->SB_ImgOutClick();
        QVERIFY(Msg::texts(MsgKind::Warning).isEmpty() && Msg::texts(MsgKind::Error).isEmpty());
        QCOMPARE(app.db().scalar("SELECT picPath FROM CarMessage WHERE CarType = '货车'").toString(),
                 picture("car.bmp"));
        QVERIFY(!w->SB_ImgOut->isEnabled());

        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), "car").isEmpty());
        w->findChild<QTabWidget*>()->setCurrentIndex(1);
        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), "car-picture").isEmpty());
        w->CheckBox->click();
        QVERIFY(!w->SB_ImgIn->isEnabled());
    }

    // A path the column cannot hold is refused before anything is written;
    // the picture's save is refused for a car without a plate, as Save is.
    void storingAPath()
    {
        AppFixture app("1");
        twoCars(app);
        auto* w = static_cast<TfrmCar*>(openRegister("TfrmCar"));
        Msg::queueFileName("/tmp/" + QString(50, 'p') + ".bmp");
        w->SB_ImgInClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).size(), 1);
        QVERIFY(!w->SB_ImgOut->isEnabled() && w->importedPicture().isEmpty());
        Msg::clearLog();

        w->TB_LastClick();
        w->TB_ModiClick();
        QVERIFY(!w->TB_Add->isEnabled() && !w->TB_Delete->isEnabled());
        setText(w, "DBE_Num", "");
        Msg::queueFileName(picture("car.bmp"));
        w->SB_ImgInClick();
        w->SB_ImgOutClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"牌照号码不能为空！"});
        w->TB_CancelClick();
        QCOMPARE(app.db().scalar("SELECT count(*) FROM CarMessage WHERE picPath = 'A' AND CarNum = '浙A12345'").toInt(),
                 1);
    }

    void browseOnly()
    {
        AppFixture app("2");
        twoCars(app);
        auto* w = static_cast<TfrmCar*>(openRegister("TfrmCar", false));
        QVERIFY(pictureShown(w));
        QVERIFY(!w->SB_ImgIn->isEnabled() && !w->SB_ImgOut->isEnabled());
        w->SB_ImgInClick();
        QVERIFY(Msg::log().isEmpty());
    }
};

WYGL_TEST(TestCar)
#include "tst_Car.moc"
