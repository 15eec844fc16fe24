// The register searches: every row of the search table against the schema
// and the database, the complaint search's date and print rules, and the
// complaint list on the display list.

#include "app/Main.h"
#include "operations/RegisterWindows.h"
#include "operations/SearchWindows.h"
#include "operations/affairs/ComplaintList.h"
#include "platform/data/Query.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

using testsupport::AppFixture;
using ui::Msg;

namespace {

const data::ColumnDef* columnOf(const QString& table, const QString& column)
{
    if (const data::TableDef* t = data::findTable(table))
        for (const data::ColumnDef& c : t->columns)
            if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
                return &c;
    return nullptr;
}

bool hasColumn(const QString& table, const QString& column)
{
    return columnOf(table, column);
}

void complaints(data::Connection& c)
{
    const char* sql = "INSERT INTO Appeal (AppealId, AppealMan, AppDate, AppState, AppMan, AppMan2, AppGut) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?)";
    c.exec(sql, {"T1", "张三", "2023-12-30 00:00:00", "已解决", "李工", "钱经理", "噪音"});
    c.exec(sql, {"T2", "O'Neil", "2023-12-31 00:00:00", "未解决", "王工", QVariant(), "漏水"});
    c.exec(sql, {"T3", "王五", "2024-01-01 00:00:00", "未解决", "李工", "", "电梯"});
    c.exec(sql, {"T4", "赵六", "2024-01-02 00:00:00", "已解决", "王工", "钱经理", "停车"});
}

void addCondition(SearchForm* f, const QString& relation, const QString& field, const QString& op,
                  const QString& value)
{
    f->CB_GX->setCurrentIndex(f->CB_GX->findText(relation));
    f->CB_ZD->setCurrentIndex(f->CB_ZD->findText(field));
    f->CB_TJian->setCurrentIndex(f->CB_TJian->findText(op));
    f->E_Value->setText(value);
    f->BitBtn1Click();
}

QString found(SearchForm* f)
{
    QStringList ids;
    data::Query* q = f->result();
    for (int i = 0; q->isActive() && i < q->recordCount(); ++i)
        ids << data::variantToText(q->valueAt(i, q->fieldByName("AppealId")->index()));
    return ids.join(',');
}

TfrmAppFind* openComplaintSearch()
{
    TfrmAppeal* owner = ui::openChildForm(frmAppeal, mdiForm);
    owner->TB_FindClick();
    return frmAppFind;
}

std::vector<QStringList> numbered(int n)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back({QStringLiteral("T%1").arg(i), "张三", "噪音", "2024-01-02", "未解决", "李工", "--"});
    return rows;
}

report::Document draw(const std::vector<QStringList>& rows)
{
    report::Document doc;
    report::PageWriter w(doc);
    drawListReport(w, complaintListLayout("翠苑物业管理有限公司", QDate(2024, 3, 5)), rows);
    return doc;
}

QStringList textsOf(const report::Page& p)
{
    QStringList t;
    for (const report::TextItem& i : p.texts)
        t << i.text;
    return t;
}

const report::TextItem* textAt(const report::Page& p, const QString& text)
{
    for (const report::TextItem& i : p.texts)
        if (i.text == text)
            return &i;
    return nullptr;
}

// Boxed rows on a page, the head row included: the left sides at x 0.4.
int boxedRows(const report::Page& p)
{
    return int(std::count_if(p.lines.begin(), p.lines.end(), [](const report::LineItem& l) {
        return std::abs(l.x1 - 0.4) < 1e-9 && std::abs(l.x2 - 0.4) < 1e-9;
    }));
}

}  // namespace

class TestSearches : public QObject {
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("windowClass");
        for (const auto& row : searchConfigs())
            QTest::newRow(qPrintable(row.first)) << row.first;
    }

    void everyFieldSearches_data() { rows_data(); }
    void everyFieldSearches()
    {
        QFETCH(QString, windowClass);
        const SearchConfig& c = searchConfig(qPrintable(windowClass));
        const QString table = c.statement.table;
        QCOMPARE(c.statement.head, "SELECT * FROM " + table + " WHERE ");
        QCOMPARE(c.caption, QString("查找。。。"));
        QVERIFY(c.findOnlyWhenShown);
        for (const ui::GridColumn& g : c.gridColumns)
            QVERIFY2(hasColumn(table, g.field), qPrintable(g.field));
        for (const QString& d : c.dateCaptions)
            QVERIFY2(!c.statement.columnOf(d).isEmpty(), qPrintable(d));
        // Each field, with each operator, runs on the database.
        AppFixture app("1");
        for (const SearchField& f : c.statement.fields) {
            if (f.caption.isEmpty()) {
                // A list may end with an empty entry, which names no column.
                QVERIFY(&f == &c.statement.fields.last() && f.column.isEmpty());
                continue;
            }
            QVERIFY2(hasColumn(table, f.column), qPrintable(f.column));
            for (const QString& op : c.statement.operators) {
                data::Query q(DM->connection());
                const bool date = c.dateCaptions.contains(f.caption) ||
                                  columnOf(table, f.column)->type == data::ColType::DateTime;
                const QString value = date ? "2024-01-01" : "1";
                c.statement.prepare(q, {{"", f.caption, op, value}});
                q.open();
                QVERIFY(q.isEmpty());
            }
        }
    }

    void complaintSearch()
    {
        AppFixture app("1", complaints);
        TfrmAppFind* f = openComplaintSearch();
        QVERIFY(f->TB_Print->isVisibleTo(f) && !f->TB_Print->isEnabled());
        // A date field's value becomes the date it denotes, or today.
        f->CB_ZD->setCurrentIndex(f->CB_ZD->findText("投诉日期"));
        f->E_Value->setText("2023/12/31");
        f->E_ValueExit();
        QCOMPARE(f->E_Value->text(), QString("2023-12-31"));
        f->E_Value->setText("去年");
        f->E_ValueExit();
        QCOMPARE(f->E_Value->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        // Dates compare as dates across a year end; a quote is a character.
        addCondition(f, "", "投诉日期", ">", "2023-12-31");
        addCondition(f, "或者", "投诉人", "=", "O'Neil");
        f->TB_FindClick();
        QCOMPARE(found(f), QString("T2,T3,T4"));
        QCOMPARE(f->lbl1->text(), QString("当前记录共   3  条"));
        QVERIFY(f->TB_Print->isEnabled());
        // AND binds before OR.
        f->TB_ClearClick();
        QVERIFY(f->TB_Print->isEnabled());  // Clear leaves it
        addCondition(f, "", "解决状态", "=", "已解决");
        addCondition(f, "并且", "调查人员", "=", "王工");
        addCondition(f, "或者", "投诉编号", "=", "T1");
        f->TB_FindClick();
        QCOMPARE(found(f), QString("T1,T4"));
    }

    void printingTheResult()
    {
        AppFixture app("1", complaints);
        TfrmAppFind* f = openComplaintSearch();
        addCondition(f, "", "解决状态", "=", "未解决");
        f->TB_FindClick();
        f->TB_PrintClick();
        QVERIFY(!f->TB_Print->isEnabled());
        auto* rs = f->findChild<report::ReportSystem*>("RvSystem");
        QVERIFY(rs);
        const report::Page& p = rs->LastDocument().pages.at(0);
        QVERIFY(textsOf(p).contains("O'Neil"));
        QVERIFY(textsOf(p).contains("--"));  // the reviewer that is null; an empty one prints nothing
        QCOMPARE(textsOf(p).count("--"), 1);
        QVERIFY(textsOf(p).contains("打印日期：" + QDate::currentDate().toString("yyyy-MM-dd")));
        // A search that finds nothing leaves Print as it was, and another
        // that finds rows enables it again.
        f->TB_ClearClick();
        addCondition(f, "", "投诉人", "=", "无人");
        f->TB_FindClick();
        QVERIFY(!f->TB_Print->isEnabled());
        f->TB_ClearClick();
        addCondition(f, "", "投诉人", "=", "张三");
        f->TB_FindClick();
        QVERIFY(f->TB_Print->isEnabled());
        f->TB_ClearClick();
        addCondition(f, "", "投诉人", "=", "无人");
        f->TB_FindClick();
        QVERIFY(f->TB_Print->isEnabled());
        // Then printed: the empty result is the heading, the head row and 29
        // empty rows.
        f->TB_PrintClick();
        const report::Document& doc = rs->LastDocument();
        QCOMPARE(int(doc.pages.size()), 1);
        QCOMPARE(boxedRows(doc.pages[0]), 1 + 29);
        QVERIFY(!textsOf(doc.pages[0]).contains("张三"));
    }

    void theListPage_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QVector<int>>("perPage");
        QTest::newRow("none") << 0 << QVector<int>{0};
        QTest::newRow("one") << 1 << QVector<int>{1};
        QTest::newRow("a full page") << 29 << QVector<int>{29};
        QTest::newRow("one over") << 30 << QVector<int>{29, 1};
        QTest::newRow("two and one") << 59 << QVector<int>{29, 29, 1};
    }
    void theListPage()
    {
        QFETCH(int, rows);
        QFETCH(QVector<int>, perPage);
        const report::Document doc = draw(numbered(rows));
        QCOMPARE(int(doc.pages.size()), perPage.size());
        int first = 1;
        for (int p = 0; p < perPage.size(); ++p) {
            const report::Page& page = doc.pages[size_t(p)];
            const QStringList texts = textsOf(page);
            // Every page: heading, title, date, the head row and 29 boxed rows.
            for (const char* t : {"翠苑物业管理有限公司", "客户投诉清单", "打印日期：2024-03-05", "投诉内容摘要", "审核人"})
                QVERIFY2(texts.contains(t), t);
            QCOMPARE(boxedRows(page), 1 + 29);
            QVERIFY(texts.contains(QStringLiteral("第  %1  页").arg(p + 1)));
            for (int i = 0; i < perPage[p]; ++i)
                QVERIFY(texts.contains(QStringLiteral("T%1").arg(first + i)));
            QVERIFY(!texts.contains(QStringLiteral("T%1").arg(first + perPage[p])));
            first += perPage[p];
        }
        if (rows == 59)
            QVERIFY(report::savePagePng(doc, 2, testsupport::screenshotDir() + "/complaint-list-page3.png"));
    }

    void theBoxesStayUnderTheDateLine()
    {
        const report::Document doc = draw(numbered(1));
        const report::Page& p = doc.pages[0];
        double right = 0, top = 11;
        for (const report::LineItem& l : p.lines) {
            right = std::max(right, std::max(l.x1, l.x2));
            top = std::min(top, std::min(l.y1, l.y2));
        }
        QVERIFY(std::abs(right - 7.67) < 1e-9);
        QVERIFY(top > textAt(p, "打印日期：2024-03-05")->y);
    }

    void contentIsCutBetweenCharacters()
    {
        AppFixture app("1", [](data::Connection& c) {
            // One ASCII character, then Chinese: the 21st Chinese character
            // would straddle column 42 and is left out whole.
            c.exec("INSERT INTO Appeal (AppealId, AppGut) VALUES ('T1', ?)",
                   {"A" + QString(30, QChar(0x6C34))});
            c.exec("INSERT INTO Appeal (AppealId, AppGut) VALUES ('T2', ?)", {QString(50, 'x')});
        });
        data::Query q(DM->connection());
        q.sql() << "SELECT * FROM Appeal ORDER BY rid";
        q.open();
        const std::vector<QStringList> rows = complaintListRows(q);
        QCOMPARE(rows[0][2], "A" + QString(20, QChar(0x6C34)));
        QCOMPARE(rows[1][2], QString(42, 'x'));
        QCOMPARE(rows[0][1], QString("--"));
    }

};

WYGL_TEST(TestSearches)
#include "tst_Searches.moc"
