// The grid follows and moves the cursor; the navigator's delete.

#include "platform/data/Error.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QHBoxLayout>
#include <QHeaderView>

using ui::Msg;
using ui::MsgKind;

namespace {

struct GridWindow {
    QWidget window;
    ui::DBGrid* grid;
    ui::DBEdit* count;

    explicit GridWindow(data::DataSource* s)
    {
        auto* l = new QHBoxLayout(&window);
        l->addWidget(grid = new ui::DBGrid(s));
        l->addWidget(count = new ui::DBEdit(s, QStringLiteral("ZDSum")));
        grid->setColumns({{QStringLiteral("RegionId"), QStringLiteral("编号"), 50},
                          {QStringLiteral("RegionName"), QStringLiteral("名称"), 90},
                          {QStringLiteral("ZDm"), QStringLiteral("占地"), 60, false}});
        grid->setReadOnly(true);
        grid->setRowSelect(true);
        window.resize(500, 300);
    }

    QRect cell(int row, int col) const { return grid->visualRect(grid->model()->index(row, col)); }
    void clickRow(int row) { QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell(row, 1).center()); }
};

}  // namespace

class TestDBGrid : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void columnsHaveTitlesWidthsAndMayBeHidden()
    {
        uitest::RegionData d;
        GridWindow w(&d.source);
        QCOMPARE(w.grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("名称"));
        QCOMPARE(w.grid->columnWidth(1), 90);
        QVERIFY(w.grid->isColumnHidden(2));
        QCOMPARE(w.grid->model()->index(2, 1).data().toString(), QStringLiteral("小区3"));

        // Without columns, every field under its name; a disabled source has no rows.
        ui::DBGrid all(&d.source);
        QCOMPARE(all.model()->columnCount(), d.table.fieldCount());
        d.source.setEnabled(false);
        QCOMPARE(all.model()->rowCount(), 0);
        d.source.setEnabled(true);
        QCOMPARE(all.model()->rowCount(), 3);
    }

    void theGridFollowsTheCursorAndClicksAndKeysMoveIt()
    {
        uitest::RegionData d;
        GridWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        QCOMPARE(w.grid->currentIndex().row(), 0);
        d.table.last();
        QCOMPARE(w.grid->currentIndex().row(), 2);

        w.clickRow(1);
        QCOMPARE(d.table.recNo(), 2);
        QCOMPARE(w.count->text(), QStringLiteral("2"));
        QTest::keyClick(w.grid, Qt::Key_Up);
        QCOMPARE(d.table.recNo(), 1);
        QTest::keyClick(w.grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(d.table.recNo(), 3);
        // Down on the last row and Insert add nothing; Ctrl+Delete deletes nothing.
        QTest::keyClick(w.grid, Qt::Key_Down);
        QTest::keyClick(w.grid, Qt::Key_Insert);
        QTest::keyClick(w.grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(d.table.recordCount(), 3);
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
        QCOMPARE(d.table.recNo(), 3);
    }

    void aRowThatCannotBePostedKeepsTheGridWhereItIs()
    {
        uitest::RegionData d;
        GridWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        d.table.edit();
        w.count->setText(QStringLiteral("5"));
        d.table.beforePost = [](data::DataSet&) { throw data::Error(QStringLiteral("编号和名称均不能为空！")); };
        w.clickRow(2);
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{QStringLiteral("编号和名称均不能为空！")});
        QCOMPARE(d.table.recNo(), 1);
        QCOMPARE(w.grid->currentIndex().row(), 0);
        QCOMPARE(d.table.state(), data::DataSetState::Edit);

        // A post that works moves on, storing the row.
        d.table.beforePost = nullptr;
        w.clickRow(2);
        QCOMPARE(d.table.recNo(), 3);
        QCOMPARE(d.stored(QStringLiteral("ZDSum"), QStringLiteral("R01")), QStringLiteral("5"));
    }

    void cellsOfEditableColumnsAreEditedInPlace()
    {
        uitest::RegionData d;
        ui::DBGrid grid(&d.source);
        grid.setColumns({{QStringLiteral("RegionId"), QStringLiteral("编号"), 50, true, true},
                         {QStringLiteral("RegionName"), QStringLiteral("名称"), 90}});
        QAbstractItemModel* m = grid.model();
        QVERIFY(!(m->flags(m->index(1, 0)) & Qt::ItemIsEditable));
        QVERIFY(m->setData(m->index(1, 1), QStringLiteral("改名")));
        QCOMPARE(d.table.recNo(), 2);
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
        QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("改名"));
        // A value the field refuses is told, and holds the row until the cell takes a value.
        Msg::clearLog();
        QVERIFY(!m->setData(m->index(1, 1), QString(51, u'x')));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        QVERIFY_EXCEPTION_THROWN(d.table.post(), data::Error);
        QVERIFY(m->setData(m->index(1, 1), QStringLiteral("改名")));
        d.table.post();
        QCOMPARE(d.stored(QStringLiteral("RegionName"), QStringLiteral("R02")), QStringLiteral("改名"));
    }

    void gridSignalsStandForTheWindowsHandlers()
    {
        uitest::RegionData d;
        GridWindow w(&d.source);
        w.grid->setRowSelect(false);
        QVERIFY(uitest::showActive(&w.window));
        int entered = 0;
        QStringList clicked, columns;
        connect(w.grid, &ui::DBGrid::entered, [&] { ++entered; });
        connect(w.grid, &ui::DBGrid::cellClicked, [&](int, const QString& f) { clicked << f; });
        connect(w.grid, &ui::DBGrid::columnEntered, [&](int, const QString& f) { columns << f; });
        uitest::clickInto(w.count);
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, w.cell(1, 1).center());
        QCOMPARE(entered, 1);
        QCOMPARE(clicked, QStringList{QStringLiteral("RegionName")});
        QTest::keyClick(w.grid, Qt::Key_Left);
        QCOMPARE(columns.last(), QStringLiteral("RegionId"));
        QCOMPARE(w.grid->selectedField(), QStringLiteral("RegionId"));
        // Activating the window again is no entry.
        QWidget other;
        QVERIFY(uitest::showActive(&other));
        QVERIFY(uitest::showActive(&w.window));
        QCOMPARE(entered, 1);
    }

    void theNavigatorAsksBeforeDeleting()
    {
        uitest::RegionData d;
        ui::DBNavigator nav(&d.source);
        QVERIFY(!nav.isVisible());
        Msg::queueAnswer(false);
        nav.btnClick(ui::DBNavigator::Delete);
        QCOMPARE(d.table.recordCount(), 3);
        QCOMPARE(Msg::log().last().kind, MsgKind::Confirm);
        QCOMPARE(Msg::log().last().text, QStringLiteral("确定要删除该记录吗？"));

        nav.btnClick(ui::DBNavigator::Delete);  // OK
        QCOMPARE(d.table.recordCount(), 2);
        QCOMPARE(d.conn->scalar(QStringLiteral("SELECT COUNT(*) FROM Region")).toInt(), 2);

        // A row being added is dropped, nothing is deleted.
        d.table.insert();
        nav.btnClick(ui::DBNavigator::Delete);
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
        QCOMPARE(d.conn->scalar(QStringLiteral("SELECT COUNT(*) FROM Region")).toInt(), 2);

        // Nothing to delete: no question, no error.
        d.table.remove();
        d.table.remove();
        Msg::clearLog();
        nav.btnClick(ui::DBNavigator::Delete);
        QVERIFY(Msg::log().isEmpty());
    }

};

WYGL_TEST(TestDBGrid)
#include "tst_DBGrid.moc"
