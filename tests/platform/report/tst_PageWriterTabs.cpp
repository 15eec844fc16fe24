// Tab stops: chains of cells, justification inside a cell, box sides by mask
// and width, shading, and rows that abut.

#include "SampleList.h"
#include "platform/report/PageWriter.h"
#include "support/TestMain.h"

#include <algorithm>

using namespace report;

namespace {

bool near(double a, double b, double eps = 1e-9) { return std::abs(a - b) < eps; }

std::vector<LineItem> verticalsAt(const Page& p, double x)
{
    std::vector<LineItem> out;
    for (const LineItem& l : p.lines)
        if (near(l.x1, x) && near(l.x2, x))
            out.push_back(l);
    std::sort(out.begin(), out.end(), [](const LineItem& a, const LineItem& b) { return a.y1 < b.y1; });
    return out;
}

std::vector<LineItem> horizontals(const Page& p)
{
    std::vector<LineItem> out;
    for (const LineItem& l : p.lines)
        if (near(l.y1, l.y2))
            out.push_back(l);
    return out;
}

}  // namespace

class TestPageWriterTabs : public QObject {
    Q_OBJECT
private slots:
    void naPositionsChainCellsOneAfterAnother()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(0.4, pjCenter, 0.76, NA, BoxAll, 0);
        for (double width : {0.7, 2.85, 0.8, 0.76, 0.7, 0.7})
            w.SetTab(NA, pjCenter, width, NA, BoxAll, 0);
        QCOMPARE(w.TabCount(), 7);
        w.GotoXY(0, 2);
        w.Print("\t投诉编号\t投诉人\t投诉内容摘要\t投诉日期\t解决状态\t解决人\t审核人");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(7));
        const double lefts[] = {0.4, 1.16, 1.86, 4.71, 5.51, 6.27, 6.97};
        const double widths[] = {0.76, 0.7, 2.85, 0.8, 0.76, 0.7, 0.7};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(t[size_t(i)].align, pjCenter);
            QVERIFY2(near(t[size_t(i)].x, lefts[i] + widths[i] / 2), qPrintable(t[size_t(i)].text));
        }
        // The last cell ends where the table ends.
        QVERIFY(!verticalsAt(doc.pages[0], 7.67).empty());
        // The first stop of a chain without a position starts at the left edge.
        w.ClearTabs();
        w.SetTab(NA, pjLeft, 1, NA, 0, 0);
        w.SetTab(NA, pjLeft, 1, NA, 0, 0);
        w.NewLine();
        w.Print("\ta\tb");
        QCOMPARE(doc.pages[0].texts.back().x, 1.0 + TabStops::kDefaultMargin);
    }

    void textFillsItsCellByTheStopsJustification()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 9.5);
        w.SetTab(0.4, pjLeft, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjRight, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjRight, 1.0, NA, BoxAll, 0);
        w.GotoXY(0, 3);
        w.Print("\t张伟\t--\t81.5\t0");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(4));
        QCOMPARE(t[0].align, pjLeft);
        QVERIFY(near(t[0].left(), 0.45));
        QVERIFY(near(t[1].left() + t[1].right(), 2 * 1.9, 1e-12));
        QCOMPARE(t[2].align, pjRight);
        QVERIFY(near(t[2].right(), 3.35, 1e-12));
        QVERIFY(near(t[3].right(), 4.4 - TabStops::kDefaultMargin, 1e-12));
        for (const TextItem& i : t)
            QCOMPARE(i.y, 3.0);
    }

    void textAfterACellRunsOnAndTheNextTabFindsTheNextStop()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(1, pjLeft, 2, 0, 0, 0);
        w.SetTab(NA, pjLeft, 2, 0, 0, 0);
        w.GotoXY(0, 1);
        w.Tab();
        QCOMPARE(w.XPos(), 1.0);
        w.Print("甲");
        w.Print("乙");
        w.Tab();
        w.Print("丙");
        const auto& t = doc.pages[0].texts;
        QVERIFY(near(t[1].x, t[0].right(), 1e-12));
        QCOMPARE(t[2].x, 3.0);
        // Past the last stop a tab goes nowhere and draws nothing.
        const double x = w.XPos();
        w.Tab();
        QCOMPARE(w.XPos(), x);
        // A new line starts again at the first stop.
        w.NewLine();
        w.Print("\t丁");
        QCOMPARE(doc.pages[0].texts.back().x, 1.0);
        // So does any move to another line.
        w.Tab();
        w.SetYPos(5);
        w.Print("\t戊");
        QCOMPARE(doc.pages[0].texts.back().x, 1.0);
        QVERIFY(doc.pages[0].lines.empty());
    }

    void plainStopsAlignOnTheirPosition()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(2, pjRight, NA, NA, BoxAll, 0);
        w.SetTab(4, pjCenter, 0, NA, 0, 0);
        w.GotoXY(0, 1);
        w.Print("\t12.5\t中");
        const auto& t = doc.pages[0].texts;
        QVERIFY(near(t[0].right(), 2, 1e-12));
        QVERIFY(near(t[1].x, 4));
        QVERIFY(doc.pages[0].lines.empty());  // no width, no box
    }

    void boxSidesFollowTheMask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("lines");
        QTest::newRow("left") << int(BoxLeft) << 1;
        QTest::newRow("right") << int(BoxRight) << 1;
        QTest::newRow("top") << int(BoxTop) << 1;
        QTest::newRow("bottom") << int(BoxBottom) << 1;
        QTest::newRow("left+top") << (BoxLeft | BoxTop) << 2;
        QTest::newRow("all") << int(BoxAll) << 4;
        QTest::newRow("none") << 0 << 0;
    }
    void boxSidesFollowTheMask()
    {
        QFETCH(int, mask);
        QFETCH(int, lines);
        Document doc;
        PageWriter w(doc);
        w.SetLineHeight(0.2);
        w.SetTab(1, pjCenter, 2, NA, mask, 0);
        w.GotoXY(0, 5);
        w.Tab();
        const auto& l = doc.pages[0].lines;
        QCOMPARE(int(l.size()), lines);
        const double top = 5 - 0.15, bottom = 5 + 0.05;
        for (const LineItem& i : l) {
            const bool vertical = near(i.x1, i.x2);
            if (vertical) {
                QVERIFY(near(i.y1, top) && near(i.y2, bottom));
                QVERIFY(near(i.x1, 1) ? (mask & BoxLeft) : (near(i.x1, 3) && (mask & BoxRight)));
            } else {
                QVERIFY(near(i.x1, 1) && near(i.x2, 3));
                QVERIFY(near(i.y1, top) ? (mask & BoxTop) : (near(i.y1, bottom) && (mask & BoxBottom)));
            }
        }
    }

    void sideWidthsOverrideThePenOnlyWhereGiven()
    {
        Document doc;
        PageWriter w(doc);
        w.SetPen(Qt::black, psSolid, 1);
        w.SetTab(1, pjCenter, 1, NA, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1, NA, BoxLeft | BoxBottom, 0);
        w.GotoXY(0, 2);
        w.Tab(-2, NA, -2, NA, NA);
        w.Tab(4, 4, 4, NA, NA);  // right and top are not sides of this cell
        const auto& l = doc.pages[0].lines;
        QCOMPARE(l.size(), size_t(6));
        const double thin = 1.0 / 300;
        QCOMPARE(l[0].pen.width, 0.02);  // left
        QCOMPARE(l[1].pen.width, thin);  // right
        QCOMPARE(l[2].pen.width, 0.02);  // top
        QCOMPARE(l[3].pen.width, thin);  // bottom
        QCOMPARE(l[4].pen.width, 4.0 / 300);  // second cell's left
        QCOMPARE(l[5].pen.width, thin);  // second cell's bottom
        QCOMPARE(l[4].x1, 2.0);
        QVERIFY(near(l[5].y1, l[5].y2));
        // The override takes the pen's colour and style.
        w.SetPen(Qt::red, psDash, 1);
        w.NewLine();
        w.Tab(0, NA, NA, NA, NA);
        QCOMPARE(l.back().pen.color, QColor(Qt::red));
        QCOMPARE(doc.pages[0].lines[6].pen.width, 1.0 / 300);  // 0 is the thinnest line
        QCOMPARE(doc.pages[0].lines[6].pen.style, psDash);
    }

    void shadeFillsTheCellUnderItsSides()
    {
        Document doc;
        PageWriter w(doc);
        w.SetLineHeight(0.25);
        w.SetTab(1, pjLeft, 2, NA, BoxAll, 20);
        w.SetTab(NA, pjLeft, 1, NA, BoxAll, 0);
        w.GotoXY(0, 4);
        w.Tab();
        w.Tab(NA, NA, NA, NA, 50);
        w.NewLine();
        w.Tab(NA, NA, NA, NA, 0);
        const auto& r = doc.pages[0].rects;
        QCOMPARE(r.size(), size_t(2));
        QCOMPARE(r[0].shade, 20);
        QVERIFY(!r[0].frame);
        QVERIFY(near(r[0].left, 1) && near(r[0].right, 3));
        QVERIFY(near(r[0].top, 4 - 0.1875) && near(r[0].bottom, 4 + 0.0625));
        QCOMPARE(r[1].shade, 50);
        QVERIFY(near(r[1].left, 3));
    }

    void emptyRowsAreBoxesWithoutText()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(0.4, pjCenter, 1, NA, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1, NA, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1, NA, BoxAll, 0);
        w.GotoXY(0, 2);
        w.PrintLn("\t\t\t");
        QVERIFY(doc.pages[0].texts.empty());
        QCOMPARE(doc.pages[0].lines.size(), size_t(12));
        // An empty value leaves its cell empty; the rest still fill theirs.
        w.PrintLn("\t甲\t\t丙");
        QCOMPARE(doc.pages[0].texts.size(), size_t(2));
        QVERIFY(near(doc.pages[0].texts[1].x, 2.9));
    }

    void rowsAbutAcrossAFontChange()
    {
        // A head row in one size and body rows in another, one fixed line
        // height: each row's bottom side is the next row's top side.
        Document doc;
        PageWriter w(doc);
        reporttest::drawBoxedList(w, "公司", "标题", reporttest::feeColumns(), reporttest::sampleRows(5));
        const auto left = verticalsAt(doc.pages[0], 0.4);
        QCOMPARE(left.size(), size_t(39));
        for (size_t i = 1; i < left.size(); ++i)
            QVERIFY2(near(left[i].y1, left[i - 1].y2), qPrintable(QString::number(i)));
        QVERIFY(near(left.back().y2 - left.front().y1, 39 * 0.21, 1e-9));
        QVERIFY(left.back().y2 < 10.75 - 14.0 / 72);  // the table stays above the footer

        // The head row's top sides are heavier, its outer sides too.
        const auto h = horizontals(doc.pages[0]);
        const double headTop = left.front().y1;
        int heavyTops = 0;
        for (const LineItem& l : h)
            if (near(l.y1, headTop))
                heavyTops += l.pen.width == 0.02 ? 1 : 0;
        QCOMPARE(heavyTops, 7);
        QCOMPARE(left.front().pen.width, 0.02);
        QCOMPARE(left[1].pen.width, 1.0 / 300);
        QCOMPARE(verticalsAt(doc.pages[0], 0.4 + 7.2).front().pen.width, 0.02);

        // Each text sits inside its row's box.
        for (const TextItem& t : doc.pages[0].texts) {
            if (t.y < headTop || t.y > left.back().y2)
                continue;  // heading and footer
            const auto row = std::find_if(left.begin(), left.end(),
                                          [&](const LineItem& l) { return l.y1 < t.y && t.y < l.y2; });
            QVERIFY2(row != left.end(), qPrintable(t.text));
        }
    }
};

WYGL_TEST(TestPageWriterTabs)
#include "tst_PageWriterTabs.moc"
