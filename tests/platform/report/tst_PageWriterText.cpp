// Text on the page: baselines, alignment, fonts, line steps and footers.

#include "platform/report/PageWriter.h"
#include "platform/report/TextMeasure.h"
#include "support/TestMain.h"

using namespace report;

namespace {
constexpr double kEps = 1e-9;
bool near(double a, double b, double eps = kEps) { return std::abs(a - b) < eps; }
}  // namespace

class TestPageWriterText : public QObject {
    Q_OBJECT
private slots:
    void homePutsTheFirstBaselineOneLineBelowTheSectionTop()
    {
        Document doc;
        PageWriter w(doc);
        w.SetSectionTop(0.65);
        w.SetFont("宋体", 18);
        w.SetXPos(3);
        w.Home();
        QVERIFY(near(w.XPos(), 0));
        QVERIFY(near(w.YPos(), 0.65 + 18.0 / 72));
        QVERIFY(near(w.LineTop(), 0.65 + 18.0 / 72 * (1 - PageWriter::kAboveBaseline)));
        QVERIFY(w.LineTop() > w.SectionTop());

        // After SetTopOfPage the current line is the section top, so Home goes
        // to the line below it.
        w.SetYPos(1.5);
        w.SetTopOfPage();
        QVERIFY(near(w.SectionTop(), 1.5));
        w.Home();
        QVERIFY(near(w.YPos(), 1.5 + 18.0 / 72));
    }

    void newLineStepsByTheCurrentFont()
    {
        Document doc;
        PageWriter w(doc);
        w.GotoXY(2.5, 1.0);
        w.SetFont("宋体", 20);
        w.NewLine();
        QVERIFY(near(w.YPos(), 1.0 + 20.0 / 72));
        QVERIFY(near(w.XPos(), 0));
        w.SetFont("宋体", 12);
        w.PrintLn("打印日期：2024-03-05");
        QVERIFY(near(w.YPos(), 1.0 + 32.0 / 72));
        QCOMPARE(doc.pages[0].texts.back().y, 1.0 + 20.0 / 72);
    }

    void fixedLineHeightSurvivesSetFontAndEndsWithThePage()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12.5);
        w.SetLineHeight(0.21);
        w.SetFont("宋体", 9.5);
        QCOMPARE(w.LineHeight(), 0.21);
        w.GotoXY(0, 2);
        w.NewLine();
        QVERIFY(near(w.YPos(), 2.21));
        w.NewPage();
        QVERIFY(near(w.LineHeight(), 9.5 / 72));
        w.SetLineHeight(0.3);
        w.SetLineHeight(NA);
        QVERIFY(near(w.LineHeight(), 9.5 / 72));
    }

    void printRunsOnFromWhereTheLastTextEnded()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12);
        w.GotoXY(1.25, 7.05);
        w.Print("楼宇名称：  ");
        w.Print("B1");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(2));
        QCOMPARE(t[0].x, 1.25);
        QCOMPARE(t[0].y, 7.05);
        QVERIFY(t[0].width > 0);
        QVERIFY(near(t[1].x, t[0].right(), 1e-12));
        QCOMPARE(t[1].y, 7.05);
        QVERIFY(near(w.XPos(), t[1].right(), 1e-12));
        // Trailing blanks count: a label padded with blanks is wider.
        QVERIFY(w.TextWidth("楼宇名称：  ") > w.TextWidth("楼宇名称："));
    }

    void alignedPrintsAnchorWhereTheyAreTold()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("楷体_GB2312", 28);
        w.SetYPos(1.0);
        w.PrintCenter("翠苑物业管理有限公司", w.PageWidth() / 2);
        w.PrintRight("￥ 85", 7.05);
        w.PrintLeft("人民币", 1.15);
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(3));
        QCOMPARE(t[0].align, pjCenter);
        QCOMPARE(t[0].x, w.PageWidth() / 2);
        QVERIFY(near(t[0].left() + t[0].right(), w.PageWidth(), 1e-12));
        QCOMPARE(t[1].align, pjRight);
        QVERIFY(near(t[1].right(), 7.05, 1e-12));
        QCOMPARE(t[2].align, pjLeft);
        QCOMPARE(t[2].left(), 1.15);
        for (const TextItem& i : t)
            QCOMPARE(i.y, 1.0);
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
        QVERIFY(!w.Bold());
        QVERIFY(!w.Underline());
        w.Print("业主信息表");
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t[0].font, (FontSpec{"楷体_GB2312", 28, true, true}));
        QCOMPARE(t[1].font, (FontSpec{"宋体", 20, false, false}));
        // Bold text is measured as bold.
        QVERIFY(textWidth({"宋体", 20, true, false}, "业主信息表") >= textWidth(t[1].font, "业主信息表"));
    }

    void emptyTextLeavesNoTrace()
    {
        Document doc;
        PageWriter w(doc);
        w.GotoXY(1, 1);
        w.Print("");
        w.PrintCenter("", 4);
        w.PrintFooter("", pjCenter);
        QVERIFY(doc.pages[0].isEmpty());
        QVERIFY(near(w.XPos(), 1));
    }

    void footersSitOnTheSectionsBottomLine()
    {
        Document doc;
        PageWriter w(doc);
        w.SetFont("宋体", 12);
        w.GotoXY(2, 3);
        w.SetSectionBottom(3.5);
        w.PrintFooter("      核准               会计 ", pjLeft);
        w.PrintFooter("                记帐               出纳              ", pjCenter);
        w.PrintFooter("经手人                 ", pjRight);
        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(3));
        QCOMPARE(t[0].align, pjLeft);
        QCOMPARE(t[0].x, 0.0);
        QCOMPARE(t[1].align, pjCenter);
        QCOMPARE(t[1].x, w.PageWidth() / 2);
        QCOMPARE(t[2].align, pjRight);
        QCOMPARE(t[2].x, w.PageWidth());
        // The footer line's box ends on the section bottom.
        const double lh = 12.0 / 72;
        for (const TextItem& i : t)
            QVERIFY(near(i.y + (1 - PageWriter::kAboveBaseline) * lh, 3.5));
        // Footers do not move the writing position.
        QVERIFY(near(w.XPos(), 2));
        QVERIFY(near(w.YPos(), 3));
    }

    void originShiftsWhatFollows()
    {
        Document doc;
        PageWriter w(doc);
        w.SetOriginX(0.5);
        w.SetOriginY(0.25);
        w.GotoXY(1, 1);
        w.Print("a");
        w.MoveTo(0, 0);
        w.LineTo(1, 0);
        QCOMPARE(doc.pages[0].texts[0].x, 1.5);
        QCOMPARE(doc.pages[0].texts[0].y, 1.25);
        QCOMPARE(doc.pages[0].lines[0].x1, 0.5);
        QCOMPARE(doc.pages[0].lines[0].y2, 0.25);
        QVERIFY(near(w.YPos(), 1));
    }

    void headingOfAOnePageSheet()
    {
        // The sequence a boxed sheet opens with: company centred at a fixed
        // line, title one line below, the date, then the body starts below.
        Document doc;
        PageWriter w(doc);
        w.SetSectionTop(0.65);
        w.SetFont("楷体_GB2312", 28);
        w.SetUnderline(true);
        w.Home();
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
        w.SetTopOfPage();

        const auto& t = doc.pages[0].texts;
        QCOMPARE(t.size(), size_t(3));
        QCOMPARE(t[0].y, 1.0);
        QVERIFY(t[0].font.underline);
        const double titleY = 0.65 + 28.0 / 72 + 20.0 / 72;
        QVERIFY(near(t[1].y, titleY));
        QVERIFY(!t[1].font.underline);
        QVERIFY(near(t[2].y, titleY + 12.0 / 72));
        QCOMPARE(t[2].x, 0.4);
        // Nothing of the heading reaches the frame that starts at 1.7.
        QVERIFY(t[2].y + 0.25 * 12.0 / 72 < 1.7);
        QVERIFY(t[1].y - 20.0 / 72 * PageWriter::kAboveBaseline > t[0].y);
    }
};

WYGL_TEST(TestPageWriterText)
#include "tst_PageWriterText.moc"
