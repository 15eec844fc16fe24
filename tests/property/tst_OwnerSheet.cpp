// The owner sheet on the display list: what is printed where, members beyond
// the box, and the sheet through preview, printer, PDF and a PNG to look at.

#include "platform/report/ImageOutput.h"
#include "platform/report/OutputSeam.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PdfOutput.h"
#include "platform/report/ReportSystem.h"
#include "property/OwnerSheet.h"
#include "session/DMRegion.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QFile>

using namespace report;
using testsupport::AppFixture;

namespace {

const QString kOwner = "D01-B2-001";

void insertMember(data::Connection& c, const QString& owner, const QString& id, const QVariant& name,
                  const QVariant& sex, const QVariant& nexus)
{
    c.exec("INSERT INTO Member (memberID, OwnerId, mbName, sex, nexus) VALUES (?, ?, ?, ?, ?)",
           {id, owner, name, sex, nexus});
}

// An owner with every particular but two (Native null, Factory empty), three
// members stored around another owner's, a second owner in the same
// building, and one without members in another building.
void sampleOwner(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES ('翠苑物业管理有限公司')");
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName, UnitName, RoomNum, Sex, Folk, xueli, "
           "Factory, Phone, Zhz, ZhjType, ZhjNum, useType, RGNum, GFNum, FCNum, Birth) "
           "VALUES (?, '王建国', '翠苑小区', '2号楼', '1', '302', '男', '汉族', '本科', '', ?, '群众', '身份证', "
           "'110105196805120034', '自住', 'RG-88', 'GF-2003-17', 'FC-501', '1968-05-12')",
           {kOwner, qlonglong(13800138000)});
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName, UnitName, RoomNum) "
           "VALUES ('D01-B2-002', '李梅', '翠苑小区', '2号楼', '2', '101')");
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName) VALUES ('D01-B3-001', '孤老', '翠苑小区', '3号楼')");
    insertMember(c, kOwner, "1", "刘芳", "女", "妻子");
    insertMember(c, "D01-B2-002", "1", "李小梅", "女", "女儿");
    insertMember(c, kOwner, "2", "王小明", "男", "儿子");
    insertMember(c, kOwner, "3", "王老汉", "男", QVariant());
}

// Members 1..count for the sample owner, in this order.
void manyMembers(data::Connection& c, int count)
{
    c.exec("INSERT INTO Owner (ownerId, ownerName, BuildName, UnitName, RoomNum) "
           "VALUES ('M1', '赵大', '3号楼', '1', '501')");
    for (int i = 1; i <= count; ++i)
        insertMember(c, "M1", QString::number(i), QString("成员%1").arg(i), "男", "亲属");
}

std::vector<const TextItem*> textsOf(const Page& p, const QString& text)
{
    std::vector<const TextItem*> out;
    for (const TextItem& t : p.texts)
        if (t.text == text)
            out.push_back(&t);
    return out;
}

const TextItem* textAt(const Page& p, double x, double y)
{
    for (const TextItem& t : p.texts)
        if (qFuzzyCompare(t.x + 1, x + 1) && qFuzzyCompare(t.y + 1, y + 1))
            return &t;
    return nullptr;
}

bool hasLine(const Page& p, double x1, double y1, double x2, double y2)
{
    return std::any_of(p.lines.begin(), p.lines.end(), [&](const LineItem& l) {
        return qFuzzyCompare(l.x1 + 1, x1 + 1) && qFuzzyCompare(l.y1 + 1, y1 + 1) && qFuzzyCompare(l.x2 + 1, x2 + 1) &&
               qFuzzyCompare(l.y2 + 1, y2 + 1);
    });
}

QString memberText(const QString& name, const QString& sex, const QString& nexus)
{
    return "姓名：  " + name + "    性别： " + sex + "   成员关系： " + nexus;
}

Document sheetOf(const QString& ownerId)
{
    Document doc;
    PageWriter w(doc);
    if (!printOwnerSheet(w, ownerId))
        doc.pages.clear();
    return doc;
}

}  // namespace

class TestOwnerSheet : public QObject {
    Q_OBJECT
private slots:
    void headingTitleDateAndFooter()
    {
        AppFixture app("1", sampleOwner);
        const Document doc = sheetOf(kOwner);
        QCOMPARE(doc.pageCount(), 1);
        const Page& p = doc.pages[0];
        const double mid = doc.pageSize.width() / 2;

        const auto company = textsOf(p, "翠苑物业管理有限公司");
        QCOMPARE(company.size(), size_t(1));
        QCOMPARE(company[0]->y, 1.0);
        QCOMPARE(company[0]->x, mid);
        QCOMPARE(company[0]->align, pjCenter);
        QCOMPARE(company[0]->font, (FontSpec{"楷体_GB2312", 28, false, true}));

        // The title one 20-point line below the heading's Home, not underlined.
        const auto title = textsOf(p, "业主信息表");
        QCOMPARE(title.size(), size_t(1));
        QVERIFY(qFuzzyCompare(title[0]->y, 0.65 + 28.0 / 72 + 20.0 / 72));
        QCOMPARE(title[0]->align, pjCenter);
        QCOMPARE(title[0]->font, (FontSpec{"宋体", 20, false, false}));

        const auto date = textsOf(p, "打印日期：" + QDate::currentDate().toString("yyyy-MM-dd"));
        QCOMPARE(date.size(), size_t(1));
        QCOMPARE(date[0]->x, 0.4);
        QVERIFY(qFuzzyCompare(date[0]->y, title[0]->y + 12.0 / 72));
        QVERIFY(date[0]->y < 1.7);  // above the frame

        const auto footer = textsOf(p, " 第 1页");
        QCOMPARE(footer.size(), size_t(1));
        QCOMPARE(footer[0]->align, pjCenter);
        QCOMPARE(footer[0]->x, mid);
        QCOMPARE(footer[0]->font.size, 14.0);
        QVERIFY(qFuzzyCompare(footer[0]->y, 10.65 - 0.25 * 14.0 / 72));
    }

    void particulars_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("labelX");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("valueX");
        QTest::addColumn<QString>("value");
        QTest::newRow("id") << 2.0 << 0.65 << "业主编号" << 1.9 << kOwner;
        QTest::newRow("folk") << 2.4 << 0.65 << "民    族" << 1.9 << "汉族";
        QTest::newRow("education") << 2.8 << 0.65 << "文化程度" << 1.9 << "本科";
        QTest::newRow("politics") << 3.2 << 0.65 << "政治面貌" << 1.9 << "群众";
        QTest::newRow("document kind") << 3.6 << 0.65 << "证件类型" << 1.9 << "身份证";
        QTest::newRow("use") << 4.0 << 0.65 << "使用类型" << 1.9 << "自住";
        QTest::newRow("subscription") << 4.4 << 0.65 << "认购证书" << 1.9 << "RG-88";
        QTest::newRow("name") << 2.0 << 3.4 << "业主姓名" << 4.5 << "王建国";
        QTest::newRow("birth") << 2.4 << 3.4 << "出生日期" << 4.5 << "1968-05-12";
        QTest::newRow("sex") << 2.0 << 5.85 << "性    别" << 6.8 << "男";
        QTest::newRow("phone, a number") << 2.4 << 5.85 << "联系电话" << 6.8 << "13800138000";
        QTest::newRow("employer, empty") << 2.8 << 4.15 << "工作单位" << 5.3 << "";
        QTest::newRow("origin, null") << 3.2 << 4.15 << "籍    贯" << 5.3 << "--";
        QTest::newRow("document number") << 3.6 << 4.15 << "证件号码" << 5.3 << "110105196805120034";
        QTest::newRow("certificate") << 4.0 << 4.15 << "房产证书" << 5.3 << "FC-501";
        QTest::newRow("contract") << 4.4 << 4.08 << "购房合同号" << 5.3 << "GF-2003-17";
    }

    void particulars()
    {
        QFETCH(double, y);
        QFETCH(double, labelX);
        QFETCH(QString, label);
        QFETCH(double, valueX);
        QFETCH(QString, value);
        AppFixture app("1", sampleOwner);
        const Page p = sheetOf(kOwner).pages[0];
        const TextItem* l = textAt(p, labelX, y);
        QVERIFY(l);
        QCOMPARE(l->text, label);
        QCOMPARE(l->font, (FontSpec{"宋体", 13, false, false}));
        // An empty text prints nothing at all.
        const TextItem* v = textAt(p, valueX, y);
        QCOMPARE(v ? v->text : QString(), value);
        QVERIFY(value.isEmpty() == !v);
    }

    void membersInTheirOrderAndTheRoom()
    {
        AppFixture app("1", sampleOwner);
        const Document doc = sheetOf(kOwner);
        const Page& p = doc.pages[0];
        const QStringList expected{memberText("刘芳", "女", "妻子"), memberText("王小明", "男", "儿子"),
                                   memberText("王老汉", "男", "--")};
        for (int i = 0; i < expected.size(); ++i) {
            const TextItem* t = textAt(p, 1.25, 4.8 + 0.25 * i);
            QVERIFY(t);
            QCOMPARE(t->text, expected[i]);
        }
        QVERIFY(!textAt(p, 1.25, 4.8 + 0.25 * 3));
        QVERIFY(textsOf(p, memberText("李小梅", "女", "女儿")).empty());

        const TextItem* room = textAt(p, 1.25, 7.05);
        QVERIFY(room);
        QCOMPARE(room->text, QString("楼宇名称：  2号楼    单元名： 1  房间号：  302"));

        // The one-character captions of the left column.
        const QList<std::pair<QString, double>> captions{{"家", 5.0}, {"庭", 5.4}, {"成", 5.8}, {"员", 6.2},
                                                         {"入", 7.2}, {"住", 7.5}, {"房", 7.8}, {"间", 8.2},
                                                         {"备", 9.0}, {"注", 9.3}};
        for (const auto& [text, y] : captions) {
            const TextItem* c = textAt(p, 0.75, y);
            QVERIFY2(c, qPrintable(text));
            QCOMPARE(c->text, text);
        }
    }

    void frameAndRules()
    {
        AppFixture app("1", sampleOwner);
        const Document doc = sheetOf(kOwner);
        const Page& p = doc.pages[0];
        // The frame as one path ending where it began, and the rules that
        // close the particulars, the member box and the room box.
        QVERIFY(hasLine(p, 0.4, 1.7, 7.8, 1.7));
        QVERIFY(hasLine(p, 0.4, 9.7, 0.4, 1.7));
        for (double y : {4.5, 6.8, 8.6})
            QVERIFY(hasLine(p, 0.4, y, 7.8, y));
        QVERIFY(hasLine(p, 1.2, 4.5, 1.2, 9.7));
        QVERIFY(hasLine(p, 1.8, 1.7, 1.8, 4.5));
        QCOMPARE(p.lines.size(), size_t(4 + 7 + 7 + 3));
    }

    void anOwnerWithoutMembersHasAnEmptyBox()
    {
        AppFixture app("1", sampleOwner);
        const Document doc = sheetOf("D01-B3-001");
        for (const TextItem& t : doc.pages[0].texts)
            QVERIFY2(!(t.y > 4.5 && t.y < 6.8 && t.x > 1.2), qPrintable(t.text));
    }

    void membersBeyondTheBoxContinueOnMorePages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::newRow("a full box") << 8 << 1;
        QTest::newRow("one more") << 9 << 2;
        QTest::newRow("ten") << 10 << 2;
        QTest::newRow("a full second page") << 8 + 29 << 2;
        QTest::newRow("a third page") << 8 + 29 + 1 << 3;
    }

    void membersBeyondTheBoxContinueOnMorePages()
    {
        QFETCH(int, count);
        QFETCH(int, pages);
        AppFixture app("1", [count](data::Connection& c) { manyMembers(c, count); });
        const Document doc = sheetOf("M1");
        QCOMPARE(doc.pageCount(), pages);

        // Every member once, in order; each line inside a member box.
        int next = 1;
        for (int pi = 0; pi < doc.pageCount(); ++pi) {
            const Page& p = doc.pages[size_t(pi)];
            const double boxTop = pi == 0 ? 4.5 : 2.1;
            const double boxBottom = pi == 0 ? 6.8 : 9.7;
            const double descent = 0.25 * 13.0 / 72;
            for (const TextItem& t : p.texts) {
                if (!t.text.startsWith("姓名："))
                    continue;
                QCOMPARE(t.text, memberText(QString("成员%1").arg(next), "男", "亲属"));
                QVERIFY2(t.y - 0.75 * 13.0 / 72 > boxTop && t.y + descent < boxBottom, qPrintable(t.text));
                ++next;
            }
            QCOMPARE(textsOf(p, QString(" 第 %1页").arg(pi + 1)).size(), size_t(1));
            if (pi > 0) {
                // A page that continues the box names the owner.
                QCOMPARE(textAt(p, 1.9, 2.0)->text, QString("M1"));
                QCOMPARE(textAt(p, 4.5, 2.0)->text, QString("赵大"));
                QVERIFY(hasLine(p, 0.4, 2.1, 7.8, 2.1));
                QVERIFY(hasLine(p, 1.2, 2.1, 1.2, 9.7));
                QVERIFY(textsOf(p, "业主信息表").size() == 1);
            }
        }
        QCOMPARE(next, count + 1);
        // The room keeps its line alone.
        for (const TextItem& t : doc.pages[0].texts)
            QVERIFY2(!(t.x > 1.2 && t.y > 6.8 && t.y < 8.6) || t.text.startsWith("楼宇名称："), qPrintable(t.text));
    }

    void theOwnerRowCurrentInADataSet()
    {
        // As the owner window prints: the current row of its owner query,
        // with what it holds at that moment.
        AppFixture app("1", sampleOwner);
        DM->DS_Man->setEnabled(true);
        DM->AQ_Man->close();
        DM->AQ_Man->param("RegionName").setString("翠苑小区");
        DM->AQ_Man->param("BuildName").setString("2号楼");
        DM->AQ_Man->open();
        DM->AQ_Man->last();
        Document doc;
        PageWriter w(doc);
        printOwnerSheet(w, *DM->AQ_Man);
        const Page& p = doc.pages[0];
        QCOMPARE(textAt(p, 1.9, 2.0)->text, QString("D01-B2-002"));
        QCOMPARE(textAt(p, 4.5, 2.0)->text, QString("李梅"));
        QCOMPARE(textAt(p, 6.8, 2.0)->text, QString("--"));
        QCOMPARE(textAt(p, 1.25, 4.8)->text, memberText("李小梅", "女", "女儿"));
        QVERIFY(!textAt(p, 1.25, 5.05));
    }

    void anUnknownOwnerDrawsNothing()
    {
        AppFixture app("1", sampleOwner);
        Document doc;
        PageWriter w(doc);
        QVERIFY(!printOwnerSheet(w, "nobody"));
        QVERIFY(doc.pages[0].isEmpty());
    }

    void toPreviewPrinterPdfAndPng()
    {
        AppFixture app("1", [](data::Connection& c) {
            sampleOwner(c);
            for (int i = 4; i <= 10; ++i)
                insertMember(c, kOwner, QString::number(i), QString("王家%1").arg(i), i % 2 ? "男" : "女", "孙辈");
        });
        QString answer = "preview";
        int previewed = 0;
        int printed = 0;
        OutputSeam s;
        s.setup = [&](const SetupChoice&) { return SetupChoice::fromAnswer(answer); };
        s.preview = [&](const Document& d) {
            previewed += d.pageCount();
            return true;  // 打印 in the preview
        };
        s.printer = [&](const Document& d, const SetupChoice&) {
            printed += d.pageCount();
            return true;
        };
        ScopedOutputSeam seam(s);
        ReportSystem RvSystem;
        QObject::connect(&RvSystem, &ReportSystem::OnPrint, &RvSystem,
                         [](PageWriter& w) { printOwnerSheet(w, kOwner); });
        QVERIFY(RvSystem.Execute());
        QCOMPARE(previewed, 2);
        QCOMPARE(printed, 2);

        const QString dir = testsupport::screenshotDir();
        answer = "pdf:" + dir + "/owner_sheet.pdf";
        QFile::remove(dir + "/owner_sheet.pdf");
        QVERIFY(RvSystem.Execute());
        QFile pdf(dir + "/owner_sheet.pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), qsizetype(2));

        const Document& doc = RvSystem.LastDocument();
        QVERIFY(savePagePng(doc, 0, dir + "/owner_sheet.png"));
        QVERIFY(savePagePng(doc, 1, dir + "/owner_sheet_more_members.png"));
    }
};

WYGL_TEST(TestOwnerSheet)
#include "tst_OwnerSheet.moc"
