// The arrears notice: which rows of a room's month it lists and what they
// add up to, and the form on the display list, over as many pages as the
// items need.

#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "fees/AmountToCapitals.h"
#include "fees/ArrearsNotice.h"
#include "platform/data/Error.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "support/AppFixture.h"
#include "support/PageFinds.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using namespace feetest;
using namespace report;
using testsupport::hasLine;
using testsupport::pageTexts;
using testsupport::textAt;
using testsupport::textsNamed;

namespace {

const QString kCompany = "翠苑物业管理有限公司";
const QDate kPrinted(2024, 6, 3);
// Where each of the thirteen values of a row stands.
const double kValueX[] = {0.4, 1.12, 1.62, 2.12, 2.62, 3.12, 3.62, 4.12, 4.62, 5.32, 6.02, 6.72, 7.22};

Document draw(const fees::ArrearsNotice& n)
{
    Document doc;
    PageWriter w(doc);
    fees::drawArrearsNotice(w, n, kCompany, kPrinted);
    return doc;
}

// A notice of `items` unpaid items of 1.00 to `items`.00, named 项目1...
fees::ArrearsNotice manyItems(int items)
{
    fees::ArrearsNotice n;
    n.room = room();
    n.period = "202405";
    for (int i = 1; i <= items; ++i) {
        QStringList cells{QString("项目%1").arg(i)};
        for (int c = 1; c < 12; ++c)
            cells << " ";
        cells << QString::number(i);
        n.rows.push_back(cells);
        n.total += data::Decimal(i);
    }
    return n;
}

double rowY(int index)
{
    return 1.62 + 0.2 * (index + 1);
}

}  // namespace

class TestArrearsNotice : public QObject {
    Q_OBJECT
private slots:
    void unpaidRowsOfTheRoomsMonth()
    {
        auto db = testsupport::freshDatabase();
        deskRegister(*db);
        // Readings of the water row, and a flag stored with a trailing blank.
        db->exec("UPDATE Fee SET BCNum1 = 100, BMNum1 = 135.5, Counts = 35.5, FTFee = 0 WHERE FeeID = '01' AND "
                 "inDate = '202405' AND RoomNum = '101'");
        db->exec("UPDATE Fee SET flag = '已收取 ' WHERE FeeID = '05' AND RoomNum = '101' AND inDate = '202405'");

        // Collected rows are left out; a zero total and a row not yet charged
        // are listed; only the room's own month counts.
        const fees::ArrearsNotice may = fees::readArrearsNotice(*db, room(), "202405");
        QCOMPARE(may.rows.size(), size_t(3));
        QCOMPARE(may.rows[0], QStringList({"水费", "100", "135.5", " ", " ", " ", " ", "35.5", "0", "30", "5.5", "0",
                                          "35.5"}));
        QCOMPARE(may.rows[1].first(), QString("电费"));
        QCOMPARE(may.rows[1].last(), QString("0"));
        QCOMPARE(may.rows[2].first(), QString("燃气费"));
        QCOMPARE(may.rows[2].last(), QString(" "));
        QCOMPARE(may.total, d("35.5"));
        QCOMPARE(*may.capitals(), QString("叁拾伍元伍角整"));

        QCOMPARE(fees::readArrearsNotice(*db, room(), "202404").total, d("9"));
        QCOMPARE(fees::readArrearsNotice(*db, room("102", "李四"), "202405").total, d("8"));
        // Another occupant's rows of the same room are not this occupant's.
        QVERIFY(fees::readArrearsNotice(*db, room("101", "李四"), "202405").rows.empty());

        // A month paid in full: no rows, nothing due, no capitals.
        db->exec("UPDATE Fee SET flag = '已收取' WHERE RoomNum = '101'");
        const fees::ArrearsNotice paid = fees::readArrearsNotice(*db, room(), "202405");
        QVERIFY(paid.rows.empty());
        QVERIFY(paid.total.isZero());
        QCOMPARE(*paid.capitals(), QString());
    }

    void theFormWhereItsPartsStand()
    {
        fees::ArrearsNotice n = manyItems(2);
        n.rows[0] = QStringList{"水费", "100", "135.5", " ", " ", " ", " ", "35.5", "0", "30", "5.5", "0", "35.5"};
        n.total = d("37.5");
        const Document doc = draw(n);
        QCOMPARE(doc.pageCount(), 1);
        const Page& p = doc.pages[0];

        const auto company = textsNamed(p, kCompany);
        QCOMPARE(company.size(), size_t(1));
        QCOMPARE(company[0]->y, 0.55);
        QCOMPARE(company[0]->font, (FontSpec{"楷体_GB2312", 18, false, true}));
        const auto title = textsNamed(p, "欠费催缴通知单");
        QCOMPARE(title.size(), size_t(1));
        QCOMPARE(title[0]->font, (FontSpec{"楷体_GB2312", 20, false, false}));
        QCOMPARE(textAt(p, 0.5, 1.1)->text, QString("房屋编号：1 2 1 101"));
        QCOMPARE(textAt(p, 5.8, 1.1)->text, QString("打印日期：2024-06-03"));
        QCOMPARE(textAt(p, 0.4, 1.4)->text, QString("客户名称"));
        QCOMPARE(textAt(p, 1.25, 1.4)->text, QString("张三"));

        // The frame, its rules and the column lines.
        QCOMPARE(p.rects.size(), size_t(1));
        QCOMPARE(p.rects[0].left, 0.3);
        QCOMPARE(p.rects[0].top, 1.2);
        QCOMPARE(p.rects[0].right, 7.9);
        QCOMPARE(p.rects[0].bottom, 4.35);
        QCOMPARE(p.rects[0].pen.width, penWidthInches(4));
        QVERIFY(hasLine(p, 0.3, 1.45, 7.9, 1.45));
        QVERIFY(hasLine(p, 0.3, 1.65, 7.9, 1.65));
        QVERIFY(hasLine(p, 1.1, 1.2, 1.1, 4.35));
        for (double x : {1.6, 2.1, 2.6, 3.1, 3.6, 4.1, 4.6, 5.3, 6.0, 6.7, 7.2})
            QVERIFY2(hasLine(p, x, 1.45, x, 4.05), qPrintable(QString::number(x)));
        QCOMPARE(p.lines.size(), size_t(3 + 11));

        QCOMPARE(textAt(p, 0.4, 1.62)->text, QString("项目名称"));
        QCOMPARE(textAt(p, 4.2, 1.62)->text, QString("用量"));
        QCOMPARE(textAt(p, 7.25, 1.62)->text, QString("应交金额"));

        // Each value of a row in its column; blanks print nothing visible.
        for (int c = 0; c < 13; ++c) {
            const QString expected = n.rows[0][c];
            const TextItem* t = textAt(p, kValueX[c], rowY(0));
            QCOMPARE(t ? t->text : QString(" "), expected);
        }
        QCOMPARE(textAt(p, 0.4, rowY(1))->text, QString("项目2"));

        QCOMPARE(textAt(p, 0.45, 4.3)->text, QString("总  计"));
        QCOMPARE(textAt(p, 1.15, 4.3)->text, QString("人民币 叁拾柒元伍角整"));
        QCOMPARE(textAt(p, 6.8, 4.3)->text, QString("￥ 37.5元"));
        QVERIFY(textAt(p, 6.8, 4.3)->right() <= 7.9);
    }

    void moreItemsThanTheTableHoldsContinue_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("pages");
        QTest::newRow("a full table") << 12 << 1;
        QTest::newRow("13") << 13 << 2;
        QTest::newRow("24") << 24 << 2;
        QTest::newRow("25") << 25 << 3;
    }

    void moreItemsThanTheTableHoldsContinue()
    {
        QFETCH(int, items);
        QFETCH(int, pages);
        const fees::ArrearsNotice n = manyItems(items);
        const Document doc = draw(n);
        QCOMPARE(doc.pageCount(), pages);
        int next = 1;
        for (int pi = 0; pi < pages; ++pi) {
            const Page& p = doc.pages[size_t(pi)];
            // Every page is the whole form: heading, room, frame, titles.
            QCOMPARE(textsNamed(p, "欠费催缴通知单").size(), size_t(1));
            QCOMPARE(textAt(p, 0.5, 1.1)->text, QString("房屋编号：1 2 1 101"));
            QCOMPARE(p.rects.size(), size_t(1));
            QCOMPARE(textsNamed(p, "应交金额").size(), size_t(1));
            // Its items in order, each inside the table above the column ends.
            for (const TextItem& t : p.texts) {
                if (!t.text.startsWith("项目") || t.text == "项目名称")
                    continue;
                QCOMPARE(t.text, QString("项目%1").arg(next));
                QVERIFY(t.y > 1.65 && t.y < 4.05);
                QCOMPARE(textAt(p, 7.22, t.y)->text, QString::number(next));
                ++next;
            }
            // The total on the last page only.
            const bool last = pi + 1 == pages;
            QCOMPARE(textsNamed(p, "总  计").size(), size_t(last ? 1 : 0));
        }
        QCOMPARE(next, items + 1);
        const QString total = QString("￥ %1元").arg(items * (items + 1) / 2);
        QCOMPARE(textsNamed(doc.pages.back(), total).size(), size_t(1));
    }

    void totalsThatCannotOrNeedNotBeWritten()
    {
        // Nothing due: the form with empty capitals and a total of 0.
        fees::ArrearsNotice none = manyItems(0);
        const Page p = draw(none).pages[0];
        QCOMPARE(textAt(p, 1.15, 4.3)->text, QString("人民币 "));
        QCOMPARE(textAt(p, 6.8, 4.3)->text, QString("￥ 0元"));

        // The largest total the capitals can say is printed; one cent more is not.
        fees::ArrearsNotice large = manyItems(1);
        large.total = d("99999999.99");
        QCOMPARE(textAt(draw(large).pages[0], 1.15, 4.3)->text, QString("人民币 玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"));
        QVERIFY(textAt(draw(large).pages[0], 6.8, 4.3)->right() <= 7.9);
        large.total = d("100000000");
        QVERIFY(!large.capitals());
        QVERIFY_THROWS_EXCEPTION(data::Error, draw(large));
    }

    void valuesWiderThanTheirColumnsAreFitted()
    {
        fees::ArrearsNotice n = manyItems(1);
        n.rows[0] = QStringList{"二次供水加压服务费", "12345.67", "99999999.99", " ", " ", " ", " ",
                                "1234.5", "0", "30", "5.5", "0", "123456.78"};
        const Page p = draw(n).pages[0];
        // A name keeps its beginning; numbers are whole and smaller.
        const TextItem* name = textAt(p, 0.4, rowY(0));
        QVERIFY(QString("二次供水加压服务费").startsWith(name->text) && name->text.size() < 9);
        QVERIFY(name->right() <= 1.1);
        const double ends[] = {1.1, 1.6, 2.1, 2.6, 3.1, 3.6, 4.1, 4.6, 5.3, 6.0, 6.7, 7.2, 7.9};
        for (int c = 1; c < 13; ++c) {
            const TextItem* t = textAt(p, kValueX[c], rowY(0));
            if (n.rows[0][c] == " ")
                continue;
            QCOMPARE(t->text, n.rows[0][c]);
            QVERIFY2(t->right() <= ends[c], qPrintable(t->text));
        }
        QVERIFY(textAt(p, kValueX[1], rowY(0))->font.size < 11);
        QCOMPARE(textAt(p, kValueX[9], rowY(0))->font.size, 11.0);
    }

    void aPictureOfTheNotice()
    {
        fees::ArrearsNotice n = manyItems(13);
        n.rows[0] = QStringList{"水费", "100", "135.5", " ", " ", " ", " ", "35.5", "0", "30", "5.5", "0", "35.5"};
        const Document doc = draw(n);
        QVERIFY(savePagePng(doc, 0, testsupport::screenshotDir() + "/arrears_notice.png"));
        QVERIFY(savePagePng(doc, 1, testsupport::screenshotDir() + "/arrears_notice_continued.png"));
    }
};

WYGL_TEST(TestArrearsNotice)
#include "tst_ArrearsNotice.moc"
