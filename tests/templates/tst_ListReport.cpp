// The shared boxed list: pages and what each carries, the shapes of an empty
// list, the last row, and cells fitted to their boxes.

#include "platform/report/TextFit.h"
#include "platform/report/TextMeasure.h"
#include "support/PageFinds.h"
#include "support/TestMain.h"
#include "templates/ListReport.h"

#include <QSet>

using namespace report;

Q_DECLARE_METATYPE(EmptyList)

namespace {

ListLayout layout(int columns = 3)
{
    ListLayout l;
    l.heading = "翠苑物业管理有限公司";
    l.title = "标题";
    l.dateLine = "打印日期：2024-03-05";
    for (int c = 0; c < columns; ++c)
        l.columns.push_back({QStringLiteral("列%1").arg(c), 0.9, c == 0 ? pjCenter : pjRight});
    return l;
}

std::vector<QStringList> rows(int n)
{
    std::vector<QStringList> out;
    for (int i = 0; i < n; ++i)
        out.push_back({QStringLiteral("行%1").arg(i + 1), QString::number(i), "1.5"});
    return out;
}

Document draw(const ListLayout& l, const std::vector<QStringList>& body)
{
    Document doc;
    PageWriter w(doc);
    drawListReport(w, l, body);
    return doc;
}

// Rows boxed on a page, the head row included: left sides of the first column.
int boxedRows(const Page& p, double x = 0.4)
{
    return int(std::count_if(p.lines.begin(), p.lines.end(), [x](const LineItem& l) {
        return std::abs(l.x1 - x) < 1e-9 && std::abs(l.x2 - x) < 1e-9;
    }));
}

const TextItem* find(const Page& p, const QString& text)
{
    for (const TextItem& t : p.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

}  // namespace

class TestListReport : public QObject {
    Q_OBJECT
private slots:
    void pagesCarryTheirRowsOnceWithHeadAndFooter_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<QStringList>("lastRow");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("bodyRows");  // boxed body rows per page
        QTest::newRow("38 fill one page") << 38 << 38 << true << QStringList() << 1 << QList<int>{38};
        QTest::newRow("39 fill two pages") << 39 << 38 << true << QStringList() << 2 << QList<int>{38, 38};
        QTest::newRow("77 three pages") << 77 << 38 << true << QStringList() << 3 << QList<int>{38, 38, 38};
        QTest::newRow("39 unfilled") << 39 << 38 << false << QStringList() << 2 << QList<int>{38, 1};
        QTest::newRow("total after the fill") << 36 << 38 << true << QStringList{"总    计", "9", "9"} << 1
                                              << QList<int>{39};
        QTest::newRow("total on the last page only") << 39 << 38 << true << QStringList{"总    计", "9", "9"} << 2
                                                     << QList<int>{38, 39};
        QTest::newRow("29 a page") << 30 << 29 << true << QStringList() << 2 << QList<int>{29, 29};
    }
    void pagesCarryTheirRowsOnceWithHeadAndFooter()
    {
        QFETCH(int, count);
        QFETCH(int, perPage);
        QFETCH(bool, fill);
        QFETCH(QStringList, lastRow);
        QFETCH(int, pages);
        QFETCH(QList<int>, bodyRows);
        ListLayout l = layout();
        l.rowsPerPage = perPage;
        l.fillEmptyRows = fill;
        l.lastRow = lastRow;
        const Document doc = draw(l, rows(count));
        QCOMPARE(doc.pageCount(), pages);
        QCOMPARE(listPageCount(l, count), pages);
        QSet<QString> seen;
        for (int p = 0; p < pages; ++p) {
            const Page& page = doc.pages[size_t(p)];
            const QStringList t = testsupport::pageTexts(page);
            for (const QString& s : {QString("翠苑物业管理有限公司"), QString("标题"), QString("打印日期：2024-03-05"),
                                     QString("列0"), QString("列2"), QStringLiteral("第  %1  页").arg(p + 1)})
                QVERIFY2(t.count(s) == 1, qPrintable(QString("page %1: %2").arg(p + 1).arg(s)));
            QCOMPARE(boxedRows(page), 1 + bodyRows[p]);
            QCOMPARE(t.contains("总    计"), !lastRow.isEmpty() && p + 1 == pages);
            for (const QString& s : t)
                if (s.startsWith("行")) {
                    QVERIFY2(!seen.contains(s), qPrintable(s));
                    seen.insert(s);
                }
        }
        QCOMPARE(int(seen.size()), count);
    }

    void anEmptyListTakesTheShapeAskedFor_data()
    {
        QTest::addColumn<EmptyList>("shape");
        QTest::addColumn<int>("boxed");
        QTest::addColumn<bool>("footer");
        QTest::newRow("filled") << EmptyList::Filled << 39 << true;
        QTest::newRow("head only") << EmptyList::HeadOnly << 1 << false;
        QTest::newRow("head and footer") << EmptyList::HeadAndFooter << 1 << true;
    }
    void anEmptyListTakesTheShapeAskedFor()
    {
        QFETCH(EmptyList, shape);
        QFETCH(int, boxed);
        QFETCH(bool, footer);
        ListLayout l = layout();
        l.whenEmpty = shape;
        const Document doc = draw(l, {});
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(boxedRows(doc.pages[0]), boxed);
        QCOMPARE(testsupport::pageTexts(doc.pages[0]).contains("第  1  页"), footer);
        QVERIFY(testsupport::pageTexts(doc.pages[0]).contains("标题"));
    }

    void headAndTitleLinesGoWhereTheLayoutSays()
    {
        ListLayout l = layout();
        l.headingY = 0.75;
        l.titleSize = 16;
        l.titleY = 1.19;
        l.dateLine = "统计月份：2024-3";
        l.dateLineCentred = true;
        const Page p = draw(l, rows(1)).pages[0];
        const double mid = kA4WidthInches / 2;
        QCOMPARE(find(p, "翠苑物业管理有限公司")->y, 0.75);
        QVERIFY(find(p, "翠苑物业管理有限公司")->font.underline);
        QCOMPARE(find(p, "标题")->y, 1.19);
        QCOMPARE(find(p, "标题")->font.size, 16.0);
        const TextItem* month = find(p, "统计月份：2024-3");
        QCOMPARE(month->x, mid);
        QCOMPARE(month->align, pjCenter);
        QVERIFY(month->y > 1.19 && month->y < 1.6);
        QVERIFY(std::abs(find(p, "列0")->y - 1.6) < 1e-9);  // the head row stays at 1.6

        l.dateLineCentred = false;
        l.dateX = 1.2;
        QCOMPARE(find(draw(l, rows(1)).pages[0], "统计月份：2024-3")->x, 1.2);
    }

    void cellsAreFittedToTheirBoxes()
    {
        ListLayout l = layout(2);
        const QString longName = "阳光花园二期小区东区物业服务中心";
        const QString longAmount = "1234567890123.25";
        const Page p = draw(l, {{longName, longAmount}, {"短名", "12.5"}}).pages[0];
        const double room = 0.9 - 2 * TabStops::kDefaultMargin;

        // A long name keeps its beginning, whole characters, inside the box.
        auto name = std::find_if(p.texts.begin(), p.texts.end(),
                                 [&](const TextItem& t) { return !t.text.isEmpty() && longName.startsWith(t.text) && t.text != longName; });
        QVERIFY(name != p.texts.end());
        QVERIFY(name->width <= room + 1e-9);
        QVERIFY(name->text.size() >= 5);
        QVERIFY(textWidth(name->font, longName.left(name->text.size() + 1)) > room);

        // A long amount is printed whole, smaller, and ends inside the box.
        const TextItem* amount = find(p, longAmount);
        QVERIFY(amount);
        QVERIFY(amount->font.size < 9.5);
        QVERIFY(amount->width <= room + 1e-9);
        QVERIFY(amount->left() >= 1.3);

        // What fits is printed as it is, in the body size.
        QCOMPARE(find(p, "短名")->font.size, 9.5);
        QCOMPARE(find(p, "12.5")->font.size, 9.5);
        QVERIFY(find(p, "第  1  页"));
    }

    void fittingNeverSplitsACharacterNorCutsANumber()
    {
        const FontSpec font{"宋体", 9.5, false, false};
        const QString wide = QString::fromUcs4(U"𠀀𠀁𠀂𠀃𠀄𠀅𠀆𠀇𠀈𠀉");  // characters outside the BMP
        const QString cut = fitText(font, wide, 0.5);
        QVERIFY(!cut.isEmpty() && cut.size() < wide.size());
        QCOMPARE(cut.size() % 2, 0);
        QVERIFY(!cut.back().isHighSurrogate());
        QCOMPARE(fitText(font, "abc", 5), QString("abc"));
        QCOMPARE(fitText(font, "宽", 0.01), QString());

        QCOMPARE(fittingSize(font, "12.5", 2), 9.5);
        const double size = fittingSize(font, "98765432.1", 0.3);
        QVERIFY(size < 9.5 && size >= 1);
        QVERIFY(textWidth({"宋体", size, false, false}, "98765432.1") <= 0.3);
    }

    void numbersAreToldFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        for (const char* n : {"0", "12.5", "-3", "+0.25", "619246.87", "100"})
            QTest::newRow(n) << QString(n) << true;
        for (const char* t : {"", "--", "1 2 101", "12.", ".", "-", "1.2.3", "B101", "１２", "1e3"})
            QTest::newRow(t) << QString::fromUtf8(t) << false;
    }
    void numbersAreToldFromText()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(isNumberText(text), number);
    }
};

WYGL_TEST(TestListReport)
#include "tst_ListReport.moc"
