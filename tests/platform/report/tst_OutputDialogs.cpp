// The set-up and preview windows, driven without waiting for a person.

#include "platform/report/PageWriter.h"
#include "platform/report/PreviewDialog.h"
#include "platform/report/SetupDialog.h"
#include "platform/ui/Msg.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace report;

class TestOutputDialogs : public QObject {
    Q_OBJECT
private slots:
    void setUpDialogShowsAndReturnsTheChoice()
    {
        SetupChoice proposed = SetupChoice::fromAnswer("pdf:/tmp/报表.pdf,copies=2");
        SetupDialog dlg(proposed, {});
        QCOMPARE(dlg.windowTitle(), QString(" 打印设置"));
        const SetupChoice c = dlg.choice();
        QCOMPARE(c.destination, SetupChoice::PdfFile);
        QCOMPARE(c.pdfPath, QString("/tmp/报表.pdf"));
        QCOMPARE(c.copies, 2);

        dlg.findChild<QRadioButton*>("preview")->setChecked(true);
        dlg.findChild<QSpinBox*>("copies")->setValue(5);
        QCOMPARE(dlg.choice().destination, SetupChoice::Preview);
        QCOMPARE(dlg.choice().copies, 5);
    }

    void pdfNeedsAFileName()
    {
        SetupDialog dlg(SetupChoice{}, {});
        QVERIFY(dlg.canAccept());
        dlg.findChild<QRadioButton*>("pdf")->setChecked(true);
        QVERIFY(!dlg.canAccept());
        dlg.findChild<QLineEdit*>("pdfPath")->setText("  ");
        QVERIFY(!dlg.canAccept());
        dlg.findChild<QLineEdit*>("pdfPath")->setText("/tmp/x.pdf");
        QVERIFY(dlg.canAccept());
    }

    void replacingAnExistingPdfAsksAndNoKeepsTheFileAndTheDialog()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("欠费通知.pdf");
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kept") == 4);
        f.close();
        SetupDialog dlg(SetupChoice::fromAnswer("pdf:" + pdf), {});
        ui::Msg::clearLog();
        ui::Msg::queueAnswer(false);
        dlg.accept();
        QCOMPARE(ui::Msg::texts(ui::MsgKind::Confirm), QStringList{"欠费通知.pdf已经存在，要替换它吗？"});
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        // A new file is written without a question.
        SetupDialog fresh(SetupChoice::fromAnswer("pdf:" + dir.filePath("新.pdf")), {});
        fresh.accept();
        QCOMPARE(fresh.result(), int(QDialog::Accepted));
        QCOMPARE(ui::Msg::log().size(), 2);
    }

    void printerIsOfferedOnlyWhenThereIsOne()
    {
        SetupDialog none(SetupChoice::fromAnswer("printer:Office"), {});
        QVERIFY(!none.findChild<QRadioButton*>("printer")->isEnabled());
        QCOMPARE(none.choice().destination, SetupChoice::Preview);

        SetupDialog some(SetupChoice::fromAnswer("printer:Office"), {"Front desk", "Office"});
        QVERIFY(some.findChild<QRadioButton*>("printer")->isEnabled());
        QCOMPARE(some.choice().destination, SetupChoice::Printer);
        QCOMPARE(some.choice().printerName, QString("Office"));
    }

    void previewPagesThroughTheRecordedPages()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 28);
        w.SetYPos(1);
        w.PrintCenter("第一页", w.PageWidth() / 2);
        w.NewPage();
        w.Print("二");
        w.NewPage();
        w.Print("三");
        PreviewDialog dlg(doc, false);
        QCOMPARE(dlg.windowTitle(), QString(" 打印预览"));
        QCOMPARE(dlg.pageText(), QString("第 1 页，共 3 页"));
        dlg.showPage(1);
        QCOMPARE(dlg.pageText(), QString("第 2 页，共 3 页"));
        dlg.showPage(7);
        QCOMPARE(dlg.pageIndex(), 2);
        dlg.showPage(-1);
        QCOMPARE(dlg.pageIndex(), 0);
        dlg.setZoom(0.75);
        QCOMPARE(dlg.zoom(), 0.75);
        QVERIFY(!dlg.findChild<QPushButton*>("print")->isEnabled());
        dlg.resize(760, 900);
        QVERIFY(!testsupport::saveScreenshot(&dlg, "report_preview").isEmpty());
    }

    void previewPrintButtonAsksForPrinting()
    {
        Document doc;
        PageWriter w(doc);
        w.Print("一");
        PreviewDialog dlg(doc, true);
        QVERIFY(!dlg.printRequested());
        dlg.findChild<QPushButton*>("print")->click();
        QVERIFY(dlg.printRequested());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
};

WYGL_TEST(TestOutputDialogs)
#include "tst_OutputDialogs.moc"
