// Tab stops: chains of cells, justification inside a cell, box sides by mask
// and width, shading, and rows that abut.

#include "SampleList.h"
#include "platform/report/PageWriter.h"
#include "support/TestMain.h"

#include <algorithm>
#include <bit>

using namespace report;

namespace {

bool near(double a, double b, double eps = 1e-9) { return std::abs(a - b) < eps; }

std::vector<LineItem> verticalsAt(const Page& p, double x)
{
    std::vector<LineItem> out;
    std::copy_if(p.lines.begin(), p.lines.end(), std::back_inserter(out),
                 [x](const LineItem& l) { return near(l.x1, x) && near(l.x2, x); });
    std::sort(out.begin(), out.end(), [](const LineItem& a, const LineItem& b) { return a.y1 < b.y1; });
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
        w.GotoXY(0, 2);
        w.Print("\t投诉编号\t投诉人\t投诉内容摘要\t投诉日期\t解决状态\t解决人\t审核人");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(7));
        const double centres[] = {0.78, 1.51, 3.285, 5.11, 5.89, 6.62, 7.32};
        for (size_t i = 0; i < 7; ++i)
            QVERIFY2(near(t[i].x, centres[i]) && t[i].align == pjCenter, qPrintable(t[i].text));
        QVERIFY(!verticalsAt(doc.pages[0], 7.67).empty());  // the chain ends where the widths add up to
    }

    void textFillsItsCellByTheStopsJustification()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(0.4, pjLeft, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjRight, 1.0, 0.05, BoxAll, 0);
        w.SetTab(NA, pjRight, 1.0, NA, BoxAll, 0);
        w.SetTab(5, pjRight, 0, NA, BoxAll, 0);  // a plain stop: no box, aligned on its position
        w.GotoXY(0, 3);
        w.Print("\t张伟\t--\t81.5\t0\t12");
        const auto& t = doc.pages[0].texts;
        QVERIFY(near(t[0].left(), 0.45));
        QVERIFY(near(t[1].left() + t[1].right(), 2 * 1.9));
        QVERIFY(near(t[2].right(), 3.35));
        QVERIFY(near(t[3].right(), 4.4 - TabStops::kDefaultMargin));
        QVERIFY(near(t[4].right(), 5));
        QCOMPARE(doc.pages[0].lines.size(), size_t(16));
    }

    void tabsRestartOnANewLineAndStopAfterTheLast()
    {
        Document doc;
        PageWriter w(doc);
        w.SetTab(1, pjLeft, 2, 0, 0, 0);
        w.SetTab(NA, pjLeft, 2, 0, 0, 0);
        w.GotoXY(0, 1);
        w.Print("\t甲");
        w.Print("乙");  // runs on inside the cell
        w.Print("\t丙\t丁");  // the third tab finds no stop: 丁 follows 丙
        const auto& t = doc.pages[0].texts;
        QVERIFY(near(t[1].x, t[0].right()));
        QCOMPARE(t[2].x, 3.0);
        QVERIFY(near(t[3].x, t[2].right()));
        w.NewLine();
        w.Print("\t戊");
        QCOMPARE(t.back().x, 1.0);
        w.Tab();
        w.SetYPos(5);  // any move to another line starts again too
        w.Print("\t己");
        QCOMPARE(t.back().x, 1.0);
    }

    void boxSidesFollowTheMask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::newRow("left") << int(BoxLeft);
        QTest::newRow("right") << int(BoxRight);
        QTest::newRow("top") << int(BoxTop);
        QTest::newRow("bottom") << int(BoxBottom);
        QTest::newRow("left+top") << (BoxLeft | BoxTop);
        QTest::newRow("all") << int(BoxAll);
        QTest::newRow("none") << 0;
    }
    void boxSidesFollowTheMask()
    {
        QFETCH(int, mask);
        Document doc;
        PageWriter w(doc);
        w.SetLineHeight(0.2);
        w.SetTab(1, pjCenter, 2, NA, mask, 0);
        w.GotoXY(0, 5);
        w.Tab();
        int found = 0;
        for (const LineItem& l : doc.pages[0].lines) {
            const int side = (near(l.x1, 1) && near(l.x2, 1) && near(l.y1, 4.85) && near(l.y2, 5.05)) ? BoxLeft
                             : (near(l.x1, 3) && near(l.x2, 3) && near(l.y1, 4.85) && near(l.y2, 5.05)) ? BoxRight
                             : (near(l.y1, 4.85) && near(l.y2, 4.85) && near(l.x1, 1) && near(l.x2, 3)) ? BoxTop
                             : (near(l.y1, 5.05) && near(l.y2, 5.05) && near(l.x1, 1) && near(l.x2, 3)) ? BoxBottom
                                                                                                        : 0;
            QVERIFY(side & mask);
            found |= side;
        }
        QCOMPARE(found, mask);
        QCOMPARE(int(doc.pages[0].lines.size()), std::popcount(unsigned(mask)));
    }

    void sideWidthsOverrideThePenOnlyWhereGiven()
    {
        Document doc;
        PageWriter w(doc);
        w.SetPen(Qt::red, psDash, 1);
        w.SetTab(1, pjCenter, 1, NA, BoxAll, 0);
        w.SetTab(NA, pjCenter, 1, NA, BoxLeft | BoxBottom, 0);
        w.GotoXY(0, 2);
        w.Tab(-2, NA, -2, NA, NA);
        w.Tab(4, 4, 4, 0, NA);  // right and top are not sides of this cell
        const auto& l = doc.pages[0].lines;
        QCOMPARE(l.size(), size_t(6));
        const double expected[] = {0.02, 1.0 / 300, 0.02, 1.0 / 300, 4.0 / 300, 1.0 / 300};
        for (size_t i = 0; i < 6; ++i) {
            QCOMPARE(l[i].pen.width, expected[i]);
            QCOMPARE(l[i].pen.color, QColor(Qt::red));
            QCOMPARE(l[i].pen.style, psDash);
        }
    }

    void shadeFillsTheCellAndATabMayOverrideIt()
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
        QVERIFY(r[0].shade == 20 && !r[0].frame);
        QVERIFY(near(r[0].top, 4 - 0.1875) && near(r[0].bottom, 4 + 0.0625));
        QVERIFY(r[1].shade == 50 && near(r[1].left, 3));
    }

    void rowsAbutAcrossAFontChange()
    {
        // A head row in one size and body rows (some empty) in another, one
        // fixed line height: each row's bottom side is the next row's top side.
        Document doc;
        PageWriter w(doc);
        reporttest::drawBoxedList(w, "公司", "标题", reporttest::feeColumns(), reporttest::sampleRows(5));
        const auto left = verticalsAt(doc.pages[0], 0.4);
        QCOMPARE(left.size(), size_t(39));
        for (size_t i = 1; i < left.size(); ++i)
            QVERIFY2(near(left[i].y1, left[i - 1].y2), qPrintable(QString::number(i)));
        QVERIFY(left.back().y2 < 10.75 - 14.0 / 72);  // the table stays above the footer

        // Head row: heavier top sides, outer sides too.
        int heavyTops = 0;
        for (const LineItem& l : doc.pages[0].lines)
            heavyTops += (near(l.y1, left[0].y1) && near(l.y2, left[0].y1) && l.pen.width == 0.02) ? 1 : 0;
        QCOMPARE(heavyTops, 7);
        QCOMPARE(left[0].pen.width, 0.02);
        QCOMPARE(left[1].pen.width, 1.0 / 300);
        QCOMPARE(verticalsAt(doc.pages[0], 7.6).front().pen.width, 0.02);

        // Every text of the table sits inside its row's box.
        for (const TextItem& t : doc.pages[0].texts) {
            if (t.y < left.front().y1 || t.y > left.back().y2)
                continue;  // heading and footer
            QVERIFY2(std::any_of(left.begin(), left.end(), [&](const LineItem& l) { return l.y1 < t.y && t.y < l.y2; }),
                     qPrintable(t.text));
        }
    }
};

WYGL_TEST(TestPageWriterTabs)
#include "tst_PageWriterTabs.moc"
