// Replaying the display list on real devices: faces, PNG pages, PDF files,
// pen widths that stay the same thickness at every resolution.

#include "SampleList.h"
#include "platform/report/FontMap.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PdfOutput.h"
#include "platform/report/PrinterOutput.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "support/Screenshots.h"

using namespace report;

namespace {

using testsupport::screenshotDir;

// Longest vertical run of inked pixels in column x between yFrom and yTo;
// thin lines are grey after antialiasing, so any clear darkening counts.
int inkedRun(const QImage& img, int x, int yFrom, int yTo)
{
    int best = 0, run = 0;
    for (int y = yFrom; y <= yTo; ++y) {
        const int darkest = std::min({qGray(img.pixel(x - 1, y)), qGray(img.pixel(x, y)), qGray(img.pixel(x + 1, y))});
        if (darkest < 230)
            best = std::max(best, ++run);
        else
            run = 0;
    }
    return best;
}

// Thickness in pixels of ink crossing column x between yFrom and yTo: the
// darkness summed, so antialiased edges count for what they cover.
double inkThickness(const QImage& img, int x, int yFrom, int yTo)
{
    double sum = 0;
    for (int y = yFrom; y <= yTo; ++y)
        sum += (255 - qGray(img.pixel(x, y))) / 255.0;
    return sum;
}

bool hasInk(const QImage& img, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                return true;
    return false;
}

}  // namespace

class TestRendering : public QObject {
    Q_OBJECT
private slots:
    void chineseFacesMapToInstalledFonts()
    {
        if (installedFamily("楷体_GB2312") == "楷体_GB2312")
            QSKIP("no Kai face installed");
        QCOMPARE(installedFamily("楷体_GB2312"), QString("AR PL UKai CN"));
        QCOMPARE(installedFamily("宋体"), QString("AR PL UMing CN"));
        QCOMPARE(QFontInfo(makeFont({"楷体_GB2312", 18, false, false})).family(), QString("AR PL UKai CN"));
        QCOMPARE(QFontInfo(makeFont({"宋体", 11, false, false})).family(), QString("AR PL UMing CN"));
        QCOMPARE(installedFamily("Some Latin Face"), QString("Some Latin Face"));
    }

    void sampleListPageAsPng()
    {
        Document doc;
        PageWriter w(doc);
        reporttest::drawBoxedList(w, "翠苑物业管理有限公司", "物业费  分户应收费用报表", reporttest::feeColumns(),
                                  reporttest::sampleRows(30));
        const double dpi = 150;
        const QImage img = renderPageImage(doc, 0, dpi);
        QCOMPARE(img.size(), QSize(1241, 1754));  // A4 at 150 dpi

        const QString path = screenshotDir() + "/report_boxed_list.png";
        QVERIFY(savePagePng(doc, 0, path, dpi));
        QVERIFY(QFile::exists(path));

        // The left side of the table runs unbroken from the head row down
        // through the 38 abutting body rows.
        const Page& p = doc.pages[0];
        const auto firstLeft = std::find_if(p.lines.begin(), p.lines.end(),
                                            [](const LineItem& l) { return l.x1 == 0.4 && l.x2 == 0.4; });
        QVERIFY(firstLeft != p.lines.end());
        const int x = qRound(0.4 * dpi);
        const int top = qRound(firstLeft->y1 * dpi) + 1;
        const int bottom = qRound((firstLeft->y1 + 39 * 0.21) * dpi) - 1;
        QCOMPARE(inkedRun(img, x, top, bottom), bottom - top + 1);

        // Text lands inside its cell: the first body row's name column has ink,
        // the empty rows below the 30th have none in that column.
        const double rowTop = firstLeft->y1 + 0.21;
        const QRect nameCell(qRound(2.3 * dpi), qRound(rowTop * dpi) + 2, qRound(2.2 * dpi), qRound(0.21 * dpi) - 4);
        QVERIFY(hasInk(img, nameCell));
        QVERIFY(!hasInk(img, nameCell.translated(0, qRound(31 * 0.21 * dpi))));
    }

    void formWithFramesUnderlinesAndFootersAsPng()
    {
        // A receipt-like form: heading, two frames, texts on their underlines,
        // three footers on the section's bottom line.
        Document doc;
        PageWriter w(doc);
        w.SetSectionTop(0.25);
        w.SetFont("楷体_GB2312", 18);
        w.SetUnderline(true);
        w.SetYPos(0.55);
        w.PrintCenter("翠苑物业管理有限公司", w.PageWidth() / 2);
        w.SetFont("楷体_GB2312", 20);
        w.NewLine();
        w.PrintCenter("收款收据", w.PageWidth() / 2);
        w.SetFont("宋体", 14);
        w.NewLine();
        w.SetFont("宋体", 11);
        w.SetXPos(6.0);
        w.Print("收据号码： 1024");
        w.PrintCenter("日期：2024-03-05", w.PageWidth() / 2);
        w.SetPen(Qt::black, psSolid, 4);
        w.Rectangle(0.5, 1.2, 7.7, 3.22);
        w.SetPen(Qt::black, psSolid, 2);
        w.Rectangle(0.55, 1.25, 7.64, 3.17);
        w.SetFont("宋体", 12);
        const char* labels[] = {"今 收 到    张伟", "房屋编号    B1→2→301", "交    来    水费、电费、", "人民币(大写)  捌拾伍元整"};
        for (int i = 0; i < 4; ++i) {
            const double y = 1.75 + 0.35 * i;
            w.GotoXY(1.2, y);
            w.Print(labels[i]);
            w.MoveTo(i == 3 ? 2.3 : 2.0, y + 0.03);
            w.LineTo(i == 3 ? 6.05 : 7.05, y + 0.03);
        }
        w.GotoXY(6.1, 2.8);
        w.Print("￥ 85");
        w.SetSectionBottom(3.5);
        w.PrintFooter("      核准               会计 ", pjLeft);
        w.PrintFooter("                记帐               出纳              ", pjCenter);
        w.PrintFooter("经手人                 ", pjRight);

        const auto& t = doc.pages[0].texts;
        for (size_t i = t.size() - 3; i < t.size(); ++i) {
            QVERIFY(t[i].y < 3.5);
            QVERIFY(t[i].y > 3.22);  // below the frame
            QVERIFY(t[i].left() >= 0 && t[i].right() <= w.PageWidth() + 1e-9);
        }
        const QString path = screenshotDir() + "/report_form.png";
        QVERIFY(savePagePng(doc, 0, path, 150));
        const QImage img = renderPageImage(doc, 0, 150);
        // Below the section bottom the page stays blank.
        QVERIFY(!hasInk(img, QRect(0, qRound(3.52 * 150), img.width(), img.height() - qRound(3.52 * 150))));
    }

    void penWidthsKeepTheirThicknessAtAnyResolution()
    {
        Document doc;
        PageWriter w(doc);
        w.SetPen(Qt::black, psSolid, 4);  // 4 pixels at 300 dpi
        w.MoveTo(1, 2);
        w.LineTo(5, 2);
        w.SetPen(Qt::black, psSolid, -2);  // 0.02 inch
        w.MoveTo(1, 3);
        w.LineTo(5, 3);
        for (double dpi : {150.0, 300.0, 600.0}) {
            const QImage img = renderPageImage(doc, 0, dpi);
            const int x = qRound(3 * dpi);
            QVERIFY(qAbs(inkThickness(img, x, qRound(1.9 * dpi), qRound(2.1 * dpi)) - 4 * dpi / 300) < 0.3);
            QVERIFY(qAbs(inkThickness(img, x, qRound(2.9 * dpi), qRound(3.1 * dpi)) - 0.02 * dpi) < 0.3);
        }
    }

    void pdfHasOnePageEachAndEmbedsTheMappedFaces()
    {
        Document doc;
        PageWriter w(doc);
        reporttest::drawBoxedList(w, "翠苑物业管理有限公司", "分栋全部费用统计表", reporttest::feeColumns(),
                                  reporttest::sampleRows(39));
        QCOMPARE(doc.pageCount(), 2);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.pdf");
        QVERIFY(writePdf(doc, path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), qsizetype(2));
        QVERIFY(pdf.contains("595") && pdf.contains("842"));  // A4 media box in points
        if (installedFamily("宋体") != "宋体") {
            QVERIFY(pdf.contains("UMing"));
            QVERIFY(pdf.contains("UKai"));
        }
    }

    void printerOutputDrawsFromThePapersCorner()
    {
        Document doc;
        PageWriter w(doc);
        reporttest::drawBoxedList(w, "公司", "标题", reporttest::feeColumns(), reporttest::sampleRows(39));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        QCOMPARE(printerPaperInches(printer), QSizeF(8.5, 11));
        SetupChoice choice = SetupChoice::fromAnswer("printer,copies=2");
        choice.collate = false;
        applySetup(printer, choice, "月收费汇总");
        QCOMPARE(printer.copyCount(), 2);
        QVERIFY(!printer.collateCopies());
        QCOMPARE(printer.docName(), QString("月收费汇总"));
        QVERIFY(printDocument(doc, printer));
        QVERIFY(printer.fullPage());
        QFile f(dir.filePath("printed.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), qsizetype(2));
    }

    void pdfToAnUnwritablePlaceFails()
    {
        Document doc;
        PageWriter w(doc);
        w.Print("x");
        QVERIFY(!writePdf(doc, "/nonexistent-folder/x.pdf"));
    }
};

WYGL_TEST(TestRendering)
#include "tst_Rendering.moc"
