// The two printed vouchers on the display list: where their texts and rules
// go, what a missing voucher prints, and long values kept inside their boxes.

#include "operations/stores/VoucherPrint.h"
#include "platform/data/Connection.h"
#include "platform/data/Table.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PageWriter.h"
#include "support/Screenshots.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QDir>

using namespace report;

namespace {

const QString kCompany = "翠苑物业管理有限公司";

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

const TextItem* find(const Page& p, const QString& text)
{
    for (const TextItem& t : p.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool hasLine(const Page& p, double x1, double y1, double x2, double y2, double pen)
{
    return std::any_of(p.lines.begin(), p.lines.end(), [&](const LineItem& l) {
        return near(l.x1, x1) && near(l.y1, y1) && near(l.x2, x2) && near(l.y2, y2) && l.pen.width == penWidthInches(pen);
    });
}

struct Vouchers {
    std::unique_ptr<data::Connection> db = testsupport::freshDatabase();
    data::Table table{db.get()};

    explicit Vouchers(const QString& name, bool withRow = true)
    {
        if (withRow) {
            db->exec(QString("INSERT INTO %1 (ioputID, ioDate, ioTime, GoodsName, reperName, ioNum, dept, useMan, "
                             "keeper, note) VALUES ('RK-001', '2024-05-20 00:00:00', '1899-12-30 14:05:09', '水泥', "
                             "'建材', 25, '工程部', '李四', '王五', '急用')")
                         .arg(name));
            db->exec(QString("UPDATE %1 SET %2").arg(name, name == "inputs" ? "GType = 'P.O 42.5', SccS = '海螺'"
                                                                             : "ZY = '三号楼维修'"));
        }
        table.setObjectName(name);
        table.setTableName(name);
        table.open();
    }
};

const stores::VoucherForm& formOf(const QString& table)
{
    return table == "inputs" ? stores::receiptForm() : stores::issueForm();
}

Document draw(const data::DataSet& ds, const QString& table)
{
    Document doc;
    PageWriter w(doc);
    stores::drawVoucher(w, formOf(table), ds, kCompany);
    return doc;
}

}  // namespace

class TestVoucherPrint : public QObject {
    Q_OBJECT
private slots:
    // Each voucher's own texts where its form puts them: heads, values and
    // the signature line.
    void textsWhereTheFormPutsThem_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("bold");
        for (QString t : {"inputs", "outputs"}) {
            const bool in = t == "inputs";
            const auto row = [&](const char* name, const QString& text, double x, double y, bool bold = false) {
                QTest::newRow(qPrintable(t + " " + name)) << t << text << x << y << bold;
            };
            row("number", (in ? "入库单号：" : "出库单号：") + QString("RK-001"), 0.35, 0.35 + 20.0 / 72 + 24.0 / 72 + 16.0 / 72);
            row("category head", "物资类别", in ? 0.55 : 0.7, 1.72, true);
            row("goods head", "商品名称", in ? 1.85 : 2.15, 1.72, true);
            row("unit head", "单位", in ? 4.75 : 6.58, 1.72, true);
            row("quantity head", "数量", in ? 5.35 : 7.22, 1.72, true);
            row("remark head", in ? "备   注" : "备     注", in ? 0.65 : 0.7, 3.18, true);
            row("category", "建材", 0.45, 2.06);
            row("goods", "水泥", in ? 1.75 : 1.9, 2.06);
            row("quantity", "25", in ? 5.3 : 7.22, 2.06);
            row("remark", "急用", in ? 1.75 : 2.0, 3.18);
            row("brought by", "李四", 1.65, 3.64);
            row("keeper", "王五", 4.44, 3.64);
            if (in) {
                row("spec head", "规格型号", 3.35, 1.72, true);
                row("maker head", "生产厂商", 6.3, 1.72, true);
                row("spec", "P.O 42.5", 3.0, 2.06);
                row("maker", "海螺", 5.95, 2.06);
            } else {
                row("summary head", "摘                    要", 3.45, 1.72, true);
                row("summary", "三号楼维修", 3.3, 2.06);
            }
        }
    }

    void textsWhereTheFormPutsThem()
    {
        QFETCH(QString, table);
        QFETCH(QString, text);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, bold);
        Vouchers v(table);
        const Document doc = draw(v.table, table);
        QCOMPARE(doc.pageCount(), 1);
        const TextItem* t = find(doc.pages[0], text);
        QVERIFY2(t, qPrintable(text));
        QVERIFY2(near(t->x, x), qPrintable(QString::number(t->x)));
        QVERIFY2(near(t->y, y), qPrintable(QString::number(t->y)));
        QCOMPARE(t->align, pjLeft);
        QCOMPARE(t->font.bold, bold);
        QCOMPARE(t->font.name, QString("宋体"));
    }

    void headingFrameRulesAndSignatureLine_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("receipt") << "inputs";
        QTest::newRow("issue") << "outputs";
    }

    void headingFrameRulesAndSignatureLine()
    {
        QFETCH(QString, table);
        const bool in = table == "inputs";
        Vouchers v(table);
        const Page p = draw(v.table, table).pages[0];
        const double mid = kA4WidthInches / 2;

        const TextItem* company = find(p, kCompany);
        QVERIFY(company && company->align == pjCenter && near(company->x, mid) && near(company->y, 0.6));
        QVERIFY(company->font.underline && company->font.name == "楷体_GB2312" && company->font.size == 20);
        const TextItem* title = find(p, in ? "入库单" : "出库单");
        QVERIFY(title && title->align == pjCenter && title->font.size == 24 && !title->font.underline);
        QVERIFY(find(p, "日期：2024-05-20  时间:14:05:09"));

        // The frame in the heavy pen, the rules in the light one.
        for (auto [x1, y1, x2, y2] : {std::array{0.35, 1.4, 7.78, 1.4}, std::array{7.78, 1.4, 7.78, 3.3},
                                       std::array{7.78, 3.3, 0.35, 3.3}, std::array{0.35, 3.3, 0.35, 1.4}})
            QVERIFY(hasLine(p, x1, y1, x2, y2, 4));
        const double full = in ? 1.65 : 1.85;
        QVERIFY(hasLine(p, full, 1.4, full, 3.3, 2));
        for (double x : in ? std::vector<double>{2.95, 4.6, 5.24, 5.88} : std::vector<double>{3.25, 6.5, 7.14})
            QVERIFY2(hasLine(p, x, 1.4, x, 2.85, 2), qPrintable(QString::number(x)));
        for (double y : {1.85, 2.1, 2.35, 2.6, 2.85})
            QVERIFY(hasLine(p, 0.35, y, 7.78, y, 2));
        QCOMPARE(p.lines.size(), size_t(4 + 1 + (in ? 4 : 3) + 5));

        const double footer = 3.65 - 0.25 * 12.0 / 72;
        const TextItem* left = find(p, in ? "            入库人：              " : "            领用人：              ");
        QVERIFY(left && left->align == pjLeft && near(left->y, footer));
        const TextItem* centre = find(p, "保管员：");
        QVERIFY(centre && centre->align == pjCenter && near(centre->x, mid));
        const TextItem* right = find(p, "部门负责人：               ");
        QVERIFY(right && right->align == pjRight && near(right->x, kA4WidthInches));
    }

    // No voucher at all: every value "--", the form itself unchanged.
    void anEmptyTablePrintsDashes()
    {
        for (QString table : {"inputs", "outputs"}) {
            Vouchers v(table, false);
            const Page p = draw(v.table, table).pages[0];
            QVERIFY(find(p, (table == "inputs" ? "入库单号：" : "出库单号：") + QString("--")));
            QVERIFY(find(p, "日期：--  时间:--"));
            const int values = table == "inputs" ? 5 + 1 + 2 : 4 + 1 + 2;
            QCOMPARE(std::count_if(p.texts.begin(), p.texts.end(), [](const TextItem& t) { return t.text == "--"; }),
                     values);
        }
    }

    // Names as long as their columns allow stay inside their boxes, cut
    // between characters; a long quantity is printed whole, smaller.
    void longValuesStayInTheirBoxes()
    {
        for (QString table : {"inputs", "outputs"}) {
            Vouchers v(table);
            v.db->exec(QString("UPDATE %1 SET GoodsName = ?, reperName = ?, note = ?, useMan = ?, keeper = ?, "
                               "ioNum = 123456789012345678")
                           .arg(table),
                       {QString(50, u'泥'), QString(20, u'类'), QString(50, u'注'), QString(50, u'李'),
                        QString(20, u'王')});
            v.table.requery();
            const Page p = draw(v.table, table).pages[0];
            const stores::VoucherForm& form = formOf(table);
            auto rightOf = [&](double x, double y) {
                for (const TextItem& t : p.texts)
                    if (near(t.x, x) && near(t.y, y))
                        return t.right();
                return -1.0;
            };
            for (const auto& c : form.cells) {
                const double r = rightOf(c.x, 2.06);
                QVERIFY2(r > c.x && r <= c.right, qPrintable(c.field + " " + QString::number(r)));
            }
            QVERIFY(rightOf(form.remark.x, 3.18) <= 7.78);
            QVERIFY(rightOf(1.65, 3.64) <= kA4WidthInches / 2);
            QVERIFY(rightOf(4.44, 3.64) <= kA4WidthInches);
            const TextItem* quantity = find(p, "123456789012345678");
            QVERIFY(quantity && quantity->font.size < 11);
            const TextItem* goods = nullptr;
            for (const TextItem& t : p.texts)
                if (t.text.startsWith(u'泥'))
                    goods = &t;
            QVERIFY(goods && goods->text.size() < 50 && goods->text == QString(goods->text.size(), u'泥'));
        }
    }

    void pagesAsPng()
    {
        for (QString table : {"inputs", "outputs"}) {
            Vouchers v(table);
            const QString path = QDir(testsupport::screenshotDir()).filePath(table + "_voucher_page.png");
            QVERIFY(savePagePng(draw(v.table, table), 0, path, 100));
            QVERIFY(QFileInfo(path).size() > 0);
        }
    }
};

WYGL_TEST(TestVoucherPrint)
#include "tst_VoucherPrint.moc"
