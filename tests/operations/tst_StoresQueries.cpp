// The two stores browsers: which vouchers and stock rows each choice of
// filters lists, what the windows remember between openings, and that what
// they show is what they say they show.

#include "app/Main.h"
#include "app/Openers.h"
#include "operations/stores/IoSelect.h"
#include "operations/stores/Repertory.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using testsupport::AppFixture;

namespace {

// Vouchers that differ by goods, department and person, so that every
// condition picks its own set.
void vouchers(data::Connection& c)
{
    const char* rows[][4] = {
        {"1", "水泥", "工程部", "张三"}, {"2", "水泥", "工程部", "李四"}, {"3", "水泥", "保安部", "张三"},
        {"4", "沙子", "工程部", "张三"}, {"5", "沙子", "保安部", "李四"}, {"6", " 水泥", "工程部", "张三"},
    };
    for (auto* r : rows) {
        const QVariantList v{QString(r[0]), QString::fromUtf8(r[1]), QString::fromUtf8(r[2]), QString::fromUtf8(r[3])};
        c.exec("INSERT INTO inputs (ioputID, GoodsName, dept, useMan, ioNum, ioDate, ioTime) "
               "VALUES (?, ?, ?, ?, 5, '2024-05-20 00:00:00', '1899-12-30 08:30:05')",
               v);
        c.exec("INSERT INTO outputs (ioputID, GoodsName, dept, useMan, ioNum) VALUES (?, ?, ?, ?, 1)",
               {"C" + v[0].toString(), v[1], v[2], v[3]});
    }
    c.exec("INSERT INTO repertory (GoodsName, reperName, inputNum, storage) VALUES ('水泥', '建材', 20, 20)");
    c.exec("INSERT INTO repertory (GoodsName, reperName, inputNum, storage) VALUES ('沙子', '建材', 10, 10)");
    c.exec("INSERT INTO repertory (GoodsName, reperName, inputNum, storage) VALUES ('灯泡', '电料', 3, 3)");
}

QStringList shown(data::DataSet* ds, const char* column)
{
    QStringList out;
    for (int i = 0; i < ds->recordCount(); ++i)
        out << ds->valueAt(i, ds->fieldByName(column)->index()).toString();
    return out;
}

TfrmIoSelect* openIoSelect()
{
    runOpener(*findOpener("Ioselect"), mdiForm);
    return frmIoSelect;
}

TfrmRepertory* openRepertory()
{
    runOpener(*findOpener("Repertory"), mdiForm);
    return frmRepertory;
}

// Types the filters as a user would, with the box ticked.
void filter(TfrmIoSelect* w, const QString& name, const QString& dept, const QString& man)
{
    if (!w->CheckBox->isChecked())
        w->CheckBox->click();
    w->E_Name->setText(name);
    w->C_Dept->setCurrentText(dept);
    w->E_Man->setText(man);
}

}  // namespace

class TestStoresQueries : public QObject {
    Q_OBJECT
private slots:
    void everyCombinationOfFilters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dept");
        QTest::addColumn<QString>("man");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("all three") << "水泥" << "工程部" << "张三" << QStringList{"1"};
        QTest::newRow("department and person") << "" << "工程部" << "张三" << QStringList{"1", "4", "6"};
        QTest::newRow("goods and person") << "水泥" << "" << "张三" << QStringList{"1", "3"};
        QTest::newRow("goods and department") << "水泥" << "工程部" << "" << QStringList{"1", "2"};
        QTest::newRow("person") << "" << "" << "李四" << QStringList{"2", "5"};
        QTest::newRow("goods, exactly as typed") << " 水泥" << "" << "" << QStringList{"6"};
        QTest::newRow("department") << "" << "保安部" << "" << QStringList{"3", "5"};
        QTest::newRow("none") << "" << "" << "" << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("a quote is a character") << "水'泥" << "" << "" << QStringList{};
    }

    void everyCombinationOfFilters()
    {
        QFETCH(QString, name);
        QFETCH(QString, dept);
        QFETCH(QString, man);
        QFETCH(QStringList, numbers);
        AppFixture app("2", vouchers);  // a browse-only user may query
        TfrmIoSelect* w = openIoSelect();
        QVERIFY(w);
        w->RB_inputClick();
        filter(w, name, dept, man);
        w->TB_Find->click();
        QCOMPARE(shown(DM->AQ_ioSelect, "ioputID"), numbers);
        // The same filters on the issues.
        w->RB_output->click();
        w->TB_Find->click();
        QStringList issued;
        for (const QString& n : numbers)
            issued << "C" + n;
        QCOMPARE(shown(DM->AQ_ioSelect, "ioputID"), issued);
        w->close();
    }

    // Choosing a table lists all of it; the filters wait for 查询, and they
    // still apply with their box cleared. Reopened, the window shows the
    // last rows under the radio of their table, and the filters in force.
    void choicesFiltersAndWhatIsRemembered()
    {
        AppFixture app("1", vouchers);
        TfrmIoSelect* w = openIoSelect();
        filter(w, "", "保安部", "");
        w->RB_output->click();
        QCOMPARE(shown(DM->AQ_ioSelect, "ioputID").size(), 6);
        w->CheckBox->click();
        QVERIFY(!w->E_Name->isEnabled() && !w->C_Dept->isEnabled() && !w->E_Man->isEnabled());
        w->TB_Find->click();
        QCOMPARE(shown(DM->AQ_ioSelect, "ioputID"), (QStringList{"C3", "C5"}));
        // The grid shows the time of day as a time.
        const int timeColumn = 5;
        w->RB_input->click();
        QCOMPARE(w->DBGrid1->model()->index(0, timeColumn).data().toString(), QString("08:30:05"));
        QCOMPARE(w->DBGrid1->model()->index(0, 4).data().toString(), QString("2024-05-20"));
        w->RB_output->click();
        w->TB_Find->click();
        w->close();
        QVERIFY(!frmIoSelect);

        w = openIoSelect();
        QVERIFY(w->RB_output->isChecked());
        QCOMPARE(shown(DM->AQ_ioSelect, "ioputID"), (QStringList{"C3", "C5"}));
        QCOMPARE(w->C_Dept->currentText(), QString("保安部"));
        QVERIFY(!w->CheckBox->isChecked() && !w->C_Dept->isEnabled());
        w->TB_Last->click();
        QVERIFY(DM->AQ_ioSelect->eof());
        QVERIFY(!w->TB_Next->isEnabled() && w->TB_Prev->isEnabled());
        w->TB_First->click();
        QVERIFY(!w->TB_Prev->isEnabled() && w->TB_Next->isEnabled());
        testsupport::saveScreenshot(w->frameWidget(), "stores_io_select");
        // Leave nothing behind for the next test.
        w->CheckBox->click();
        filter(w, "", "", "");
        w->RB_input->click();
        w->close();
    }

    void stockBrowser_data()
    {
        QTest::addColumn<QString>("goods");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("none") << "" << "" << QStringList{"水泥", "沙子", "灯泡"};
        QTest::newRow("category") << "" << "建材" << QStringList{"水泥", "沙子"};
        QTest::newRow("goods") << "灯泡" << "" << QStringList{"灯泡"};
        QTest::newRow("both") << "沙子" << "建材" << QStringList{"沙子"};
        QTest::newRow("both, not matching") << "灯泡" << "建材" << QStringList{};
    }

    void stockBrowser()
    {
        QFETCH(QString, goods);
        QFETCH(QString, category);
        QFETCH(QStringList, rows);
        AppFixture app("1", vouchers);
        TfrmRepertory* w = openRepertory();
        QVERIFY(w);
        QVERIFY(!w->CheckBox->isChecked() && !w->E_Name->isEnabled());
        QCOMPARE(shown(DM->AQ_Repertory, "GoodsName").size(), 3);
        w->CheckBox->click();
        w->E_Name->setText(goods);
        w->E_Reper->setText(category);
        w->TB_Find->click();
        QCOMPARE(shown(DM->AQ_Repertory, "GoodsName"), rows);
        w->close();

        // Reopened: the last rows, and the values in force shown in a ticked box.
        w = openRepertory();
        QCOMPARE(shown(DM->AQ_Repertory, "GoodsName"), rows);
        const bool remembered = !goods.isEmpty() || !category.isEmpty();
        QCOMPARE(w->CheckBox->isChecked(), remembered);
        QCOMPARE(w->E_Name->text(), goods);
        QCOMPARE(w->E_Reper->text(), category);
        QCOMPARE(w->E_Name->isEnabled(), remembered);
        if (QTest::currentDataTag() == QByteArray("both"))
            testsupport::saveScreenshot(w->frameWidget(), "stores_stock");
        // Clearing the box drops the values: everything again.
        if (remembered)
            w->CheckBox->click();
        QVERIFY(w->E_Name->text().isEmpty() && w->E_Reper->text().isEmpty());
        w->TB_Find->click();
        QCOMPARE(shown(DM->AQ_Repertory, "GoodsName").size(), 3);
        w->close();
    }
};

WYGL_TEST(TestStoresQueries)
#include "tst_StoresQueries.moc"
