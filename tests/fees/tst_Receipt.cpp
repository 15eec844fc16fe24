// The receipt page on the display list: every text and rule where the form
// puts it, values that are missing, long summaries, amounts in capitals.

#include "fees/AmountToCapitals.h"
#include "fees/Receipt.h"
#include "platform/data/Error.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"

#include <QDir>

using namespace report;

namespace {

const QString kCompany = "翠苑物业管理有限公司";

fees::ReceiptValues sample()
{
    fees::Receipt r;
    r.number = 1024;
    r.date = QDate(2024, 5, 20);
    r.room = {"1", "2", "1", "101", "o101", "张三"};
    r.summary = "水费、卫生费、";
    r.amount = data::Decimal::fromString("47.50");
    return fees::ReceiptValues::of(r);
}

Document draw(const fees::ReceiptValues& v)
{
    Document doc;
    PageWriter w(doc);
    fees::drawReceipt(w, v, kCompany);
    return doc;
}

const TextItem* find(const Page& p, const QString& text)
{
    for (const TextItem& t : p.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

bool hasLine(const Page& p, double x1, double y1, double x2, double y2)
{
    return std::any_of(p.lines.begin(), p.lines.end(), [&](const LineItem& l) {
        return near(l.x1, x1) && near(l.y1, y1) && near(l.x2, x2) && near(l.y2, y2);
    });
}

}  // namespace

class TestReceipt : public QObject {
    Q_OBJECT
private slots:
    void textsWhereTheFormPutsThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("size");
        const double mid = kA4WidthInches / 2;
        const double title = 0.55 + 20.0 / 72;
        const double numberLine = title + 14.0 / 72;
        const double footer = 3.5 - 0.25 * 12.0 / 72;
        QTest::newRow("company") << kCompany << mid << 0.55 << int(pjCenter) << "楷体_GB2312" << 18.0;
        QTest::newRow("title") << "收款收据" << mid << title << int(pjCenter) << "楷体_GB2312" << 20.0;
        QTest::newRow("number") << "收据号码： 1024" << 6.0 << numberLine << int(pjLeft) << "宋体" << 11.0;
        QTest::newRow("date") << "日期：2024-05-20" << mid << numberLine << int(pjCenter) << "宋体" << 11.0;
        QTest::newRow("payer") << "今 收 到    张三" << 1.2 << 1.75 << int(pjLeft) << "宋体" << 12.0;
        QTest::newRow("room") << "房屋编号    2→1→101" << 1.2 << 2.1 << int(pjLeft) << "宋体" << 12.0;
        QTest::newRow("summary") << "交    来    水费、卫生费、" << 1.2 << 2.45 << int(pjLeft) << "宋体" << 12.0;
        QTest::newRow("capitals") << "人民币(大写)  肆拾柒元伍角整" << 1.2 << 2.8 << int(pjLeft) << "宋体" << 12.0;
        QTest::newRow("figures") << "￥ 47.5" << 6.1 << 2.8 << int(pjLeft) << "宋体" << 12.0;
        QTest::newRow("left footer") << "      核准               会计 " << 0.0 << footer << int(pjLeft) << "宋体"
                                     << 12.0;
        QTest::newRow("centre footer") << "                记帐               出纳              " << mid << footer
                                       << int(pjCenter) << "宋体" << 12.0;
        QTest::newRow("right footer") << "经手人                 " << kA4WidthInches << footer << int(pjRight)
                                      << "宋体" << 12.0;
    }

    void textsWhereTheFormPutsThem()
    {
        QFETCH(QString, text);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, align);
        QFETCH(QString, face);
        QFETCH(double, size);
        const Document doc = draw(sample());
        QCOMPARE(doc.pageCount(), 1);
        const TextItem* t = find(doc.pages[0], text);
        QVERIFY2(t, qPrintable(text));
        QVERIFY2(near(t->x, x), qPrintable(QString::number(t->x)));
        QVERIFY2(near(t->y, y), qPrintable(QString::number(t->y)));
        QCOMPARE(int(t->align), align);
        QCOMPARE(t->font.name, face);
        QCOMPARE(t->font.size, size);
        // Only the company name is underlined.
        QCOMPARE(t->font.underline, text == kCompany);
        QCOMPARE(doc.pages[0].texts.size(), size_t(12));
    }

    void framesAndRules()
    {
        const Page p = draw(sample()).pages[0];
        QCOMPARE(p.rects.size(), size_t(2));
        const RectItem& outer = p.rects[0];
        const RectItem& inner = p.rects[1];
        QVERIFY(near(outer.left, 0.5) && near(outer.top, 1.2) && near(outer.right, 7.7) && near(outer.bottom, 3.22));
        QVERIFY(near(inner.left, 0.55) && near(inner.top, 1.25) && near(inner.right, 7.64) &&
                near(inner.bottom, 3.17));
        QCOMPARE(outer.pen.width, penWidthInches(4));
        QCOMPARE(inner.pen.width, penWidthInches(2));
        QVERIFY(!outer.shade && !inner.shade);

        QCOMPARE(p.lines.size(), size_t(5));
        for (double y : {1.78, 2.13, 2.48})
            QVERIFY(hasLine(p, 2.0, y, 7.05, y));
        QVERIFY(hasLine(p, 2.3, 2.83, 6.05, 2.83));
        QVERIFY(hasLine(p, 6.25, 2.83, 7.05, 2.83));
        for (const LineItem& l : p.lines)
            QCOMPARE(l.pen.width, penWidthInches(2));
    }

    void missingValuesOddAmountsAndLongSummaries()
    {
        // A stored receipt with gaps: every null prints "--", an amount of
        // none or 0 is "零" in capitals.
        fees::ReceiptValues v;
        v.buildId = "2";
        v.roomNum = "";
        const Page gaps = draw(v).pages[0];
        for (const char* text : {"收据号码： --", "日期：--", "今 收 到    --", "房屋编号    2→--→",
                                 "交    来    --", "人民币(大写)  零", "￥ --"})
            QVERIFY2(find(gaps, QString::fromUtf8(text)), text);
        v.amount = QVariant::fromValue(data::Decimal(0));
        QVERIFY(find(draw(v).pages[0], "人民币(大写)  零"));
        v.amount = QVariant::fromValue(data::Decimal::fromString("-12.30"));
        QVERIFY(find(draw(v).pages[0], "人民币(大写)  负壹拾贰元叁角整"));
        // An amount the capitals cannot write is refused, not printed wrong.
        v.amount = QVariant::fromValue(data::Decimal::fromString("100000000"));
        QVERIFY(!v.capitals());
        QVERIFY_THROWS_EXCEPTION(data::Error, draw(v));

        // Summaries print to 30 columns, never half a character.
        v = sample();
        v.summary = QString(16, u'费');
        QVERIFY(find(draw(v).pages[0], "交    来    " + QString(15, u'费')));
        v.summary = "A" + QString(16, u'费');
        QVERIFY(find(draw(v).pages[0], "交    来    A" + QString(14, u'费')));
    }

    void pageAsPng()
    {
        const QString path = QDir(testsupport::screenshotDir()).filePath("receipt_page.png");
        QVERIFY(savePagePng(draw(sample()), 0, path, 100));
        QVERIFY(QFileInfo(path).size() > 0);
    }
};

WYGL_TEST(TestReceipt)
#include "tst_Receipt.moc"
