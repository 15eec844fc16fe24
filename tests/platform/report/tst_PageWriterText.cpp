// Text on the page: baselines, alignment, fonts, line steps and footers.

#include "platform/report/PageWriter.h"
#include "support/TestMain.h"

using namespace report;

namespace {
bool near(double a, double b, double eps = 1e-9) { return std::abs(a - b) < eps; }
}  // namespace

class TestPageWriterText : public QObject {
    Q_OBJECT
private slots:
    void headingLinesStepFromTheSectionTop()
    {
        // How a sheet opens: company at a fixed line, title one line of its own
        // font below Home, the date one more line below, then the body.
        Document doc;
        PageWriter w(doc);
        w.SetSectionTop(0.65);
        w.SetFont("楷体_GB2312", 28);
        w.SetUnderline(true);
        w.Home();
        QVERIFY(near(w.YPos(), 0.65 + 28.0 / 72));  // first baseline one line below the top
        w.SetYPos(1.0);
        w.PrintCenter("翠苑物业管理有限公司", w.PageWidth() / 2);
        w.Home();
        w.SetFont("宋体", 20);
        w.NewLine();
        w.PrintCenter("业主信息表", w.PageWidth() / 2);
        w.SetFont("宋体", 12);
        w.NewLine();
        w.SetXPos(0.4);
        w.PrintLn("打印日期：2024-03-05");
        QVERIFY(near(w.XPos(), 0));
        w.SetTopOfPage();
        w.Home();

        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(3));
        QCOMPARE(t[0].y, 1.0);
        const double titleY = 0.65 + 48.0 / 72;
        QVERIFY(near(t[1].y, titleY));
        QVERIFY(near(t[2].y, titleY + 12.0 / 72));
        QCOMPARE(t[2].x, 0.4);
        QVERIFY(near(w.YPos(), titleY + 36.0 / 72));  // Home below the new section top
        QVERIFY(t[2].y + 0.25 * 12.0 / 72 < 1.7);  // clear of a frame starting at 1.7
    }

    void setFontClearsBoldAndUnderline()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("楷体_GB2312", 28);
        w.SetUnderline(true);
        w.SetBold(true);
        w.Print("公司");
        w.SetFont("宋体", 20);
        w.Print("业主信息表");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t[0].font, (FontSpec{"楷体_GB2312", 28, true, true}));
        QCOMPARE(t[1].font, (FontSpec{"宋体", 20, false, false}));
    }

    void fixedLineHeightSurvivesSetFontAndEndsWithThePage()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12.5);
        w.SetLineHeight(0.21);
        w.SetFont("宋体", 9.5);
        w.GotoXY(0, 2);
        w.NewLine();
        QVERIFY(near(w.YPos(), 2.21));
        w.NewPage();
        QVERIFY(near(w.LineHeight(), 9.5 / 72));
    }

    void printRunsOnAndAlignedPrintsSitOnTheirAnchor()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12);
        w.GotoXY(1.25, 7.05);
        w.Print("楼宇名称：  ");
        w.Print("B1");
        w.PrintCenter("翠苑物业", 4);
        w.PrintRight("￥ 85", 7.05);
        w.Print("");
        w.PrintCenter("", 4);
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(4));  // empty text prints nothing
        QVERIFY(t[0].width > w.TextWidth("楼宇名称："));  // trailing blanks count
        QVERIFY(near(t[1].left(), t[0].right()));
        QVERIFY(near(t[2].left() + t[2].right(), 8));
        QVERIFY(near(t[3].right(), 7.05));
        for (const TextItem& i : t)
            QCOMPARE(i.y, 7.05);
    }

    void footersSitOnTheSectionsBottomLineWithoutMoving()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12);
        w.GotoXY(2, 3);
        w.SetSectionBottom(3.5);
        w.PrintFooter("核准", pjLeft);
        w.PrintFooter("出纳", pjCenter);
        w.PrintFooter("经手人                 ", pjRight);
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t[0].left(), 0.0);
        QCOMPARE(t[1].x, w.PageWidth() / 2);
        QVERIFY(near(t[2].right(), w.PageWidth()));
        for (const TextItem& i : t)
            QVERIFY(near(i.y + (1 - PageWriter::kAboveBaseline) * 12.0 / 72, 3.5));
        QCOMPARE(w.XPos(), 2.0);
        QCOMPARE(w.YPos(), 3.0);
    }
};

WYGL_TEST(TestPageWriterText)
#include "tst_PageWriterText.moc"
