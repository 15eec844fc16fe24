// Pages, page numbers, pens, lines and rectangles.

#include "SampleList.h"
#include "platform/report/PageWriter.h"
#include "support/TestMain.h"

using namespace report;

namespace {
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
    void newPageCarriesFontTabsAndPen()
    {
        Document doc;
        PageWriter w(doc);
        QCOMPARE(w.CurrentPage(), 1);
        w.SetSectionTop(0.5);
        w.SetFont("宋体", 14);
        w.SetTab(1, pjLeft, 1, NA, BoxAll, 0);
        w.SetPen(Qt::blue, psSolid, 3);
        w.GotoXY(3, 9);
        w.Print("一");
        w.NewPage();
        QCOMPARE(w.CurrentPage(), 2);
        QCOMPARE(w.YPos(), 0.5 + 14.0 / 72);
        w.Print("\t二");
        QCOMPARE(textsOf(doc.pages[0]), QStringList{"一"});
        QCOMPARE(textsOf(doc.pages[1]), QStringList{"二"});
        QCOMPARE(doc.pages[1].lines.size(), size_t(4));
        QCOMPARE(doc.pages[1].lines[0].pen.color, QColor(Qt::blue));
    }

    void newLineNeverStartsAPage()
    {
        Document doc;
        PageWriter w(doc);
        w.SetSectionBottom(2);
        for (int i = 0; i < 100; ++i)
            w.PrintLn("行");
        QCOMPARE(doc.pageCount(), 1);
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
                int onPage = 0;
                for (const QString& s : t)
                    if (s.startsWith('B') && s.count(' ') == 2 && !rooms.contains(s)) {
                        rooms.insert(s);
                        ++onPage;
                    }
                QCOMPARE(onPage, std::min(38, rows - 38 * p));
                int leftSides = 0;  // head row and 38 rows, full or empty
                for (const LineItem& l : doc.pages[size_t(p)].lines)
                    leftSides += (l.x1 == 0.4 && l.x2 == 0.4) ? 1 : 0;
                QCOMPARE(leftSides, 39);
            }
            QCOMPARE(int(rooms.size()), rows);
        }
    }

    void pathsFramesAndPens()
    {
        Document doc;
        PageWriter w(doc);
        w.SetPen(Qt::black, psSolid, 4);
        w.MoveTo(0.4, 1.7);
        w.LineTo(7.8, 1.7);
        w.LineTo(7.8, 9.7);
        w.GotoXY(3, 3);  // text positions do not move the pen
        w.LineTo(0.4, 9.7);
        w.SetPen(Qt::black, psSolid, -2);
        w.Rectangle(7.64, 3.17, 0.55, 1.25);  // corners in any order
        w.SetPen(Qt::black, psClear, NA);
        w.LineTo(0, 0);
        QCOMPARE(w.Pen().width, 0.02);  // NA keeps the width

        const auto& l = doc.pages[0].lines;
        QCOMPARE(l.size(), size_t(3));
        for (size_t i = 1; i < l.size(); ++i)
            QVERIFY(l[i].x1 == l[i - 1].x2 && l[i].y1 == l[i - 1].y2);
        QCOMPARE(l[0].pen.width, 4.0 / 300);
        const RectItem& r = doc.pages[0].rects.at(0);
        QCOMPARE(QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)), QRectF(QPointF(0.55, 1.25), QPointF(7.64, 3.17)));
        QCOMPARE(r.pen.width, 0.02);
        QVERIFY(r.frame && r.shade == 0);
    }
};

WYGL_TEST(TestPageWriterPages)
#include "tst_PageWriterPages.moc"
