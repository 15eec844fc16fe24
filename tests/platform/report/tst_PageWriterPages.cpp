// Pages, page numbers, pens, lines and rectangles.

#include "SampleList.h"
#include "platform/report/PageWriter.h"
#include "support/TestMain.h"

using namespace report;

namespace {
bool near(double a, double b, double eps = 1e-9) { return std::abs(a - b) < eps; }

QStringList textsOf(const Page& p)
{
    QStringList out;
    for (const TextItem& t : p.texts)
        out << t.text;
    return out;
}
}  // namespace

class TestPageWriterPages : public QObject {
    Q_OBJECT
private slots:
    void paperIsA4UnlessTheDocumentSaysOtherwise()
    {
        Document doc;
        PageWriter w(doc);
        QVERIFY(near(w.PageWidth(), 8.2677, 1e-4));
        QVERIFY(near(w.PageHeight(), 11.6929, 1e-4));
        QVERIFY(near(w.SectionBottom(), w.PageHeight()));
        Document letter;
        letter.pageSize = QSizeF(8.5, 11);
        QCOMPARE(PageWriter(letter).PageWidth(), 8.5);
    }

    void newPageCountsPagesAndDrawsOnTheNewOne()
    {
        Document doc;
        PageWriter w(doc);
        QCOMPARE(w.CurrentPage(), 1);
        QCOMPARE(doc.pageCount(), 1);
        w.SetSectionTop(0.5);
        w.SetFont("宋体", 14);
        w.SetLineHeight(0.3);
        w.SetTab(1, pjLeft, 1, NA, BoxAll, 0);
        w.SetPen(Qt::blue, psSolid, 3);
        w.GotoXY(3, 9);
        w.Print("一");
        w.NewPage();
        QCOMPARE(w.CurrentPage(), 2);
        QCOMPARE(doc.pageCount(), 2);
        // Home on the new page, with the font's own line step again.
        QVERIFY(near(w.XPos(), 0));
        QVERIFY(near(w.YPos(), 0.5 + 14.0 / 72));
        // Font, tabs and pen carry over.
        w.Print("\t二");
        QCOMPARE(textsOf(doc.pages[0]), QStringList{"一"});
        QCOMPARE(textsOf(doc.pages[1]), QStringList{"二"});
        QCOMPARE(doc.pages[1].texts[0].font.size, 14.0);
        QCOMPARE(doc.pages[1].lines.size(), size_t(4));
        QCOMPARE(doc.pages[1].lines[0].pen.color, QColor(Qt::blue));
        QCOMPARE(doc.pages[1].lines[0].pen.width, 3.0 / 300);
    }

    void newLineNeverStartsAPage()
    {
        Document doc;
        PageWriter w(doc);
        w.SetSectionBottom(2);
        w.GotoXY(0, 1.9);
        for (int i = 0; i < 100; ++i)
            w.PrintLn("行");
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(w.YPos() > w.PageHeight());
    }

    void rowsGoThirtyEightToAPageWithTheirPageNumbers()
    {
        for (int rows : {38, 39, 77}) {
            Document doc;
            PageWriter w(doc);
            reporttest::drawBoxedList(w, "公司", "标题", reporttest::feeColumns(), reporttest::sampleRows(rows));
            const int pages = (rows + 37) / 38;
            QCOMPARE(doc.pageCount(), pages);
            QSet<QString> rooms;
            for (int p = 0; p < pages; ++p) {
                const QStringList t = textsOf(doc.pages[size_t(p)]);
                QVERIFY(t.contains(QStringLiteral("第  %1  页").arg(p + 1)));
                QCOMPARE(t.count("公司"), 1);
                int onPage = 0;
                for (const QString& s : t)
                    if (s.startsWith('B') && s.count(' ') == 2) {
                        QVERIFY2(!rooms.contains(s), qPrintable(s));
                        rooms.insert(s);
                        ++onPage;
                    }
                QCOMPARE(onPage, std::min(38, rows - 38 * p));
                // Every page has the head row and 38 boxed rows below it.
                int leftSides = 0;
                for (const LineItem& l : doc.pages[size_t(p)].lines)
                    leftSides += (l.x1 == 0.4 && l.x2 == 0.4) ? 1 : 0;
                QCOMPARE(leftSides, 39);
            }
            QCOMPARE(int(rooms.size()), rows);
        }
    }

    void lineToDrawsFromWherePenStands()
    {
        Document doc;
        PageWriter w(doc);
        w.MoveTo(0.4, 1.7);
        w.LineTo(7.8, 1.7);
        w.LineTo(7.8, 9.7);
        w.LineTo(0.4, 9.7);
        w.LineTo(0.4, 1.7);
        const auto& l = doc.pages[0].lines;
        QCOMPARE(l.size(), size_t(4));
        for (size_t i = 1; i < l.size(); ++i)
            QVERIFY(l[i].x1 == l[i - 1].x2 && l[i].y1 == l[i - 1].y2);
        QCOMPARE(l.back().x2, 0.4);
        QCOMPARE(l.back().y2, 1.7);
        // Text positions do not move the pen, nor the pen the text.
        w.GotoXY(3, 3);
        w.MoveTo(5, 5);
        QCOMPARE(w.XPos(), 3.0);
        w.LineTo(6, 5);
        QCOMPARE(l.back().x1, 5.0);
    }

    void pensByPixelsAtThreeHundredDpiOrHundredthsOfAnInch()
    {
        Document doc;
        PageWriter w(doc);
        QCOMPARE(w.Pen().width, 1.0 / 300);
        w.SetPen(Qt::black, psSolid, 4);
        QCOMPARE(w.Pen().width, 4.0 / 300);
        w.SetPen(Qt::black, psSolid, -2);
        QCOMPARE(w.Pen().width, 0.02);
        w.SetPen(Qt::darkGray, psDot, NA);
        QCOMPARE(w.Pen().width, 0.02);
        QCOMPARE(w.Pen().style, psDot);
        w.SetPen(Qt::black, psClear, 1);
        w.MoveTo(1, 1);
        w.LineTo(2, 2);
        w.Rectangle(1, 1, 2, 2);
        QVERIFY(doc.pages[0].isEmpty());
    }

    void rectanglesAreFramesWithThePen()
    {
        Document doc;
        PageWriter w(doc);
        w.SetPen(Qt::black, psSolid, 4);
        w.Rectangle(0.5, 1.2, 7.7, 3.22);
        w.SetPen(Qt::black, psSolid, 2);
        w.Rectangle(7.64, 3.17, 0.55, 1.25);  // corners in any order
        const auto& r = doc.pages[0].rects;
        QCOMPARE(r.size(), size_t(2));
        QVERIFY(r[0].frame);
        QCOMPARE(r[0].shade, 0);
        QCOMPARE(r[0].pen.width, 4.0 / 300);
        QCOMPARE(r[1].left, 0.55);
        QCOMPARE(r[1].top, 1.25);
        QCOMPARE(r[1].right, 7.64);
        QCOMPARE(r[1].bottom, 3.17);
        QCOMPARE(r[1].pen.width, 2.0 / 300);
    }
};

WYGL_TEST(TestPageWriterPages)
#include "tst_PageWriterPages.moc"
