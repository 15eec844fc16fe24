// A district window of bound controls drawn off screen and saved as a picture
// (build folder, screenshots/) for a person to look at; and the Chinese face
// names of the windows and printouts drawing with installed faces.

#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/Fonts.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QTabWidget>

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    void chineseFaceNamesDrawWithInstalledFaces()
    {
        ui::installFontSubstitutions();
        QVERIFY(QFont::substitutes(QStringLiteral("楷体_GB2312")).contains(QStringLiteral("AR PL UKai CN"),
                                                                            Qt::CaseInsensitive));
        QVERIFY(QFont::substitutes(QStringLiteral("宋体")).contains(QStringLiteral("AR PL UMing CN"),
                                                                   Qt::CaseInsensitive));
        const QString kai = QFontInfo(QFont(QStringLiteral("楷体_GB2312"), 12)).family();
        const QString song = QFontInfo(QFont(QStringLiteral("宋体"), 12)).family();
        if (!QFontDatabase::families().contains(QStringLiteral("AR PL UKai CN")))
            QSKIP("the Kai and Ming faces are not installed here");
        QVERIFY2(kai.contains(QStringLiteral("UKai")), qPrintable(kai));
        QVERIFY2(song.contains(QStringLiteral("UMing")), qPrintable(song));
    }

    void aBoundDistrictWindowIsSavedAsAPicture()
    {
        uitest::RegionData d;
        d.table.edit();
        d.table.fieldByName(QStringLiteral("Address"))->setAsString(QStringLiteral("人民路 18 号"));
        d.table.fieldByName(QStringLiteral("Header"))->setAsString(QStringLiteral("王经理"));
        d.table.post();

        QWidget window;
        window.setWindowTitle(QStringLiteral(" 小区信息"));
        window.resize(525, 418);
        auto* outer = new QHBoxLayout(&window);
        auto* grid = new ui::DBGrid(&d.source);
        grid->setColumns({{QStringLiteral("RegionId"), QStringLiteral("编号"), 50},
                          {QStringLiteral("RegionName"), QStringLiteral("名称"), 90}});
        grid->setRowSelect(true);
        grid->setReadOnly(true);
        grid->setFixedWidth(170);
        outer->addWidget(grid);
        auto* right = new QVBoxLayout;
        auto* edit = new QCheckBox(QStringLiteral("进入编辑状态"));
        edit->setStyleSheet(QStringLiteral("color: red"));
        right->addWidget(edit);
        auto* pages = new QTabWidget;
        pages->setTabPosition(QTabWidget::South);
        auto* basic = new QWidget;
        auto* form = new QFormLayout(basic);
        form->addRow(QStringLiteral("编号"), new ui::DBEdit(&d.source, QStringLiteral("RegionId")));
        form->addRow(QStringLiteral("名称"), new ui::DBEdit(&d.source, QStringLiteral("RegionName")));
        form->addRow(QStringLiteral("地址"), new ui::DBEdit(&d.source, QStringLiteral("Address")));
        form->addRow(QStringLiteral("负责人"), new ui::DBEdit(&d.source, QStringLiteral("Header")));
        form->addRow(QStringLiteral("日期"), new ui::DBMaskDateEdit);
        pages->addTab(basic, QStringLiteral("基本"));
        pages->addTab(new QWidget, QStringLiteral("其他"));
        right->addWidget(pages);
        outer->addLayout(right);
        edit->setFont(QFont(QStringLiteral("楷体_GB2312"), 11));
        QVERIFY(uitest::showActive(&window));

        const QImage shot = window.grab().toImage();
        QVERIFY(!shot.isNull());
        const QString path = QDir(testsupport::screenshotDir()).filePath(QStringLiteral("region-window.png"));
        QVERIFY(shot.save(path));
        qInfo("screenshot: %s", qPrintable(QDir::cleanPath(path)));

        // The picture is not blank: the grid's text left dark pixels.
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 80;
        QVERIFY(dark > 200);
    }
};

WYGL_TEST(TestScreenshot)
#include "tst_Screenshot.moc"
