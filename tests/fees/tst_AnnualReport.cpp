// The annual report form on the display list: every figure where its code
// stands, the frame and the rules of the five sections, the heading and the
// signatures, a report with nothing filled in, and values too wide for their
// place.

#include "FeeFixture.h"
#include "fees/AnnualReport.h"
#include "platform/data/Dialect.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "support/AppFixture.h"
#include "support/PageFinds.h"
#include "support/TestMain.h"
#include "templates/ReportHeading.h"

using namespace report;
using testsupport::AppFixture;
using testsupport::linesBetween;
using testsupport::textAt;
using testsupport::textsNamed;

namespace {

const QString kCompany = "翠苑物业管理有限公司";

QVariant day(data::Connection& c, int y, int m, int d)
{
    return c.dialect().dateTimeValue(QDateTime(QDate(y, m, d), QTime(0, 0)));
}

void company(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES (?)", {kCompany});
}

// One report with every column filled, each figure different.
void sampleReport(data::Connection& c)
{
    company(c);
    feetest::insertRow(
        c, "NZBB",
        {{"QYmc", "翠苑物业"}, {"FRdb", "周建"}, {"XXdz", "文三路 8 号"}, {"YB", "310012"}, {"Phone", "88886666"},
         {"Fax", "0571-1"}, {"mail", "a@b.cn"}, {"WZ", "www.cy.cn"}, {"CLDate", day(c, 1998, 3, 1)}, {"ZClx", 150},
         {"XMhj1", 11}, {"XMhj2", "12.50"}, {"ZZ1", 21}, {"ZZ2", "22.25"}, {"QZ1", 31}, {"QZ2", "32"}, {"BG1", 41},
         {"BG2", "42"}, {"SY1", 51}, {"SY2", "52"}, {"GY1", 61}, {"GY2", "62"}, {"QT1", 71}, {"QT2", "72"},
         {"RYzs", 201}, {"JGry", 202}, {"JL", 203}, {"ZCzb", "301"}, {"YYsr", "302"}, {"YYcb", "303"}, {"SJ", "304"},
         {"LR", "305.5"}, {"YZh", 0}, {"WXJze", "501"}, {"WXJye", "502"}, {"WXJzc", "503"}, {"DWfz", "张三"},
         {"TJfz", "李四"}, {"TBr", "王五"}, {"BCDate", day(c, 2024, 1, 15)}});
}

Document printed()
{
    Document doc;
    PageWriter w(doc);
    DM->AT_DataSend->requery();
    fees::drawAnnualReport(w, fees::currentReport(*DM->AT_DataSend), ReportHeading());
    return doc;
}

QString at(const Page& p, double x, double y)
{
    const TextItem* t = textAt(p, x, y);
    return t ? t->text : QString("(nothing)");
}

}  // namespace

class TestAnnualReport : public QObject {
    Q_OBJECT
private slots:
    void everythingWhereTheFormPutsIt_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << 0.6 << 1.9 << "企业名称： 翠苑物业";
        QTest::newRow("fax") << 5.8 << 2.6 << "传    真： 0571-1";
        QTest::newRow("registration") << 0.6 << 2.9 << "企业登记注册类型代码：150";
        QTest::newRow("founded") << 5.8 << 2.9 << "成立日期： 1998-03-01";
        QTest::newRow("section one") << 0.6 << 3.2
                                     << "一、管理物业项目情况                       注意： 101=102+104+105+106+107";
        QTest::newRow("head of one") << 5.95 << 3.5 << "房屋建筑面积(万平米)";
        QTest::newRow("101 code") << 3.45 << 3.75 << "101";
        QTest::newRow("101 count") << 4.75 << 3.75 << "11";
        QTest::newRow("101 area, no padding") << 6.9 << 3.75 << "12.5";
        QTest::newRow("103 indented") << 1.3 << 4.25 << "其中：5万平米以上的";
        QTest::newRow("107 area") << 6.9 << 5.25 << "72";
        QTest::newRow("107 label") << 1.1 << 5.25 << "其  它";
        QTest::newRow("head of two") << 6.5 << 5.75 << "数  量";
        QTest::newRow("201 unit") << 4.75 << 6.0 << "人";
        QTest::newRow("201") << 6.9 << 6.0 << "201";
        QTest::newRow("203 indented") << 1.3 << 6.5 << "其中：管理处主任(经理)";
        QTest::newRow("section three after a wider gap") << 0.6 << 6.8 << "三、企业经营情况";
        QTest::newRow("head of three") << 6.5 << 7.05 << "金  额";
        QTest::newRow("301 unit") << 4.7 << 7.3 << "万元";
        QTest::newRow("305") << 6.9 << 8.3 << "305.5";
        QTest::newRow("401, a zero") << 6.9 << 9.05 << "0";
        QTest::newRow("401 unit") << 4.75 << 9.05 << "个";
        QTest::newRow("501 unit") << 4.7 << 9.8 << "万元";
        QTest::newRow("503 label") << 1.1 << 10.3 << "维修金支出";
        QTest::newRow("503") << 6.9 << 10.3 << "503";
    }

    void everythingWhereTheFormPutsIt()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, text);
        AppFixture app("1", sampleReport);
        const Document doc = printed();
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(at(doc.pages[0], x, y), text);
    }

    void unitsOnlyOnTheFirstLineOfTheirSection()
    {
        AppFixture app("1", sampleReport);
        const Page p = printed().pages[0];
        QCOMPARE(textsNamed(p, "人").size(), size_t(1));
        QCOMPARE(textsNamed(p, "万元").size(), size_t(2));
        QCOMPARE(textsNamed(p, "个").size(), size_t(1));
        QVERIFY(!textAt(p, 4.75, 6.25) && !textAt(p, 4.7, 7.55) && !textAt(p, 4.7, 10.05));
    }

    void frameRulesAndColumns()
    {
        AppFixture app("1", sampleReport);
        const Page p = printed().pages[0];
        // The frame: four sides of the heavier pen, the closing side included.
        const double heavy = penWidthInches(4), light = penWidthInches(2);
        for (auto [x1, y1, x2, y2] : {std::array{0.5, 3.0, 7.7, 3.0}, std::array{7.7, 3.0, 7.7, 10.35},
                                      std::array{7.7, 10.35, 0.5, 10.35}, std::array{0.5, 10.35, 0.5, 3.0}}) {
            const auto sides = linesBetween(p, x1, y1, x2, y2);
            QCOMPARE(sides.size(), size_t(1));
            QCOMPARE(sides[0]->pen.width, heavy);
        }
        // Rules across: a caption's and a heading's in each section, one
        // under every line but the last of the form, which the frame closes.
        std::vector<double> across{3.3, 3.55, 5.55, 5.8, 6.85, 7.1, 8.6, 8.85, 9.35, 9.6};
        for (double y = 3.8; y < 5.31; y += 0.25)
            across.push_back(y);
        for (double y : {6.05, 6.3, 6.55, 7.35, 7.6, 7.85, 8.1, 8.35, 9.1, 9.85, 10.1})
            across.push_back(y);
        for (double y : across) {
            const auto r = linesBetween(p, 0.5, y, 7.7, y);
            QVERIFY2(r.size() == 1 && r[0]->pen.width == light, qPrintable(QString::number(y)));
        }
        // Three rules down each section, from its caption's rule to its last line.
        const std::vector<std::pair<double, double>> downs{{3.3, 5.3}, {5.55, 6.55}, {6.85, 8.35}, {8.6, 9.1},
                                                           {9.35, 10.35}};
        for (auto [top, bottom] : downs)
            for (double x : {3.1, 4.1, 5.7})
                QVERIFY2(testsupport::hasLine(p, x, top, x, bottom), qPrintable(QString("%1 %2").arg(x).arg(top)));
        QCOMPARE(p.lines.size(), 4 + across.size() + 3 * downs.size());
    }

    void headingAndSignatures()
    {
        AppFixture app("1", sampleReport);
        const Document doc = printed();
        const Page& p = doc.pages[0];
        const double middle = doc.pageSize.width() / 2;
        const auto name = textsNamed(p, kCompany);
        QCOMPARE(name.size(), size_t(1));
        QCOMPARE(name[0]->y, 1.0);
        QCOMPARE(name[0]->x, middle);
        QCOMPARE(name[0]->font, (FontSpec{"楷体_GB2312", 28, false, true}));
        const auto title = textsNamed(p, "物业年终报表");
        QCOMPARE(title.size(), size_t(1));
        QCOMPARE(title[0]->font, (FontSpec{"楷体_GB2312", 18, false, false}));
        QCOMPARE(title[0]->align, pjCenter);
        const auto filled = textsNamed(p, "填报日期： 2024-01-15");
        QCOMPARE(filled.size(), size_t(1));
        QVERIFY(filled[0]->y > title[0]->y && filled[0]->y < 1.9);
        QCOMPARE(filled[0]->font.size, 11.0);

        const double footerY = 10.68 - 0.25 * 14.0 / 72;
        const QList<std::tuple<QString, double, Justify>> footers{
            {"     单位负责人：张三", 0.0, pjLeft},
            {"     统计负责人：李四", middle, pjCenter},
            {"填报人：王五         ", doc.pageSize.width(), pjRight}};
        for (const auto& [text, x, align] : footers) {
            const auto f = textsNamed(p, text);
            QVERIFY2(f.size() == 1, qPrintable(text));
            QCOMPARE(f[0]->x, x);
            QCOMPARE(f[0]->align, align);
            QVERIFY(testsupport::sameInches(f[0]->y, footerY));
            QCOMPARE(f[0]->font.size, 14.0);
        }
    }

    void aReportWithNothingFilledIn()
    {
        // No report at all, and a report whose every column is empty, print
        // "--" for every value, the date included.
        for (bool row : {false, true}) {
            AppFixture app("1", [row](data::Connection& c) {
                company(c);
                if (row)
                    c.exec("INSERT INTO NZBB (QYmc) VALUES (NULL)");
            });
            const Page p = printed().pages[0];
            QCOMPARE(textsNamed(p, "填报日期： --").size(), size_t(1));
            QCOMPARE(at(p, 0.6, 1.9), QString("企业名称： --"));
            QCOMPARE(at(p, 5.8, 2.9), QString("成立日期： --"));
            QCOMPARE(at(p, 4.75, 3.75), QString("--"));
            QCOMPARE(at(p, 6.9, 10.3), QString("--"));
            QCOMPARE(textsNamed(p, "     单位负责人：--").size(), size_t(1));
        }
    }

    void valuesTooWideForTheirPlaceAreFitted()
    {
        const QString longName = QString(40, QChar(0x7FE0));  // 翠 x 40
        AppFixture app("1", [&](data::Connection& c) {
            company(c);
            feetest::insertRow(c, "NZBB",
                               {{"QYmc", longName}, {"FRdb", QString(18, QChar(0x5468))}, {"ZCzb", "1234567890123.45"},
                                {"ZZ1", 123456789}, {"XMhj2", "123456.78"}});
        });
        const Page p = printed().pages[0];
        // Names are printed whole and smaller, short of the next column.
        const TextItem* name = textAt(p, 0.6, 1.9);
        QCOMPARE(name->text, "企业名称： " + longName);
        QVERIFY(name->font.size < 11 && name->right() <= 5.8);
        const TextItem* legal = textAt(p, 5.8, 1.9);
        QVERIFY(legal->font.size < 11 && legal->right() <= 7.7);
        // Figures are never cut: smaller, inside their column.
        const TextItem* capital = textAt(p, 6.9, 7.3);
        QCOMPARE(capital->text, QString("1234567890123.45"));
        QVERIFY(capital->font.size < 11 && capital->right() <= 7.7);
        const TextItem* homes = textAt(p, 4.75, 4.0);
        QCOMPARE(homes->text, QString("123456789"));
        QVERIFY(homes->right() <= 5.7);
        // What fits keeps the form's size.
        QCOMPARE(textAt(p, 6.9, 3.75)->font.size, 11.0);
        QCOMPARE(textAt(p, 6.9, 3.75)->text, QString("123456.78"));
    }

    void aPictureOfTheForm()
    {
        AppFixture app("1", sampleReport);
        const Document doc = printed();
        QVERIFY(savePagePng(doc, 0, testsupport::screenshotDir() + "/annual_report.png"));
    }
};

WYGL_TEST(TestAnnualReport)
#include "tst_AnnualReport.moc"
