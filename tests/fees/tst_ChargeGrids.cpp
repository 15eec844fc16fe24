#include "ChargeWindows.h"
#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/FJL.h"
#include "fees/FJL_dx.h"
#include "fees/Period.h"
#include "fees/SFee.h"
#include "platform/data/Query.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QDateEdit>
#include <QLineEdit>

using namespace chargetest;
using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

// A charge window showing two rows of building 2 that a user types into.
struct Shown {
    ui::Form* form = nullptr;
    ui::DBGrid* grid = nullptr;
    data::Query* rows = nullptr;
    qint64 first = 0, second = 0;
};

QVariantMap dueNothing(const QVariantMap& extra = {})
{
    QVariantMap v{{"FTFee", "0"}, {"WYqk", "0"}, {"ZNJ", "0"}};
    v.insert(extra);
    return v;
}

Shown meterReadings(data::Connection& c)
{
    Shown s;
    s.first = addFee(c, room("101"), "01", "202405", dueNothing({{"BCNum1", "100"}, {"DL", 10}}));
    s.second = addFee(c, room("102"), "01", "202405", dueNothing({{"BCNum1", "100"}, {"DL", 10}}));
    runOpener(*findOpener("SFee"), mdiForm);
    choose(frmSFee->DBLC_Reg, "1");
    choose(frmSFee->DBLC_Build, "2");
    frmSFee->DTP_Date->setDate(QDate(2024, 5, 1));
    choose(frmSFee->DBLC_FeeType, "01");
    s.form = frmSFee;
    s.grid = frmSFee->DBG_SFee;
    s.rows = frmSFee->AQ_SFee;
    return s;
}

Shown perRoomCharges(data::Connection& c)
{
    Shown s;
    const QString month = fees::serverPeriod(c).text();
    s.first = addFee(c, room("101"), "04", month, dueNothing());
    s.second = addFee(c, room("102"), "04", month, dueNothing());
    if (!frmFJL)
        runOpener(*findOpener("FJLJF"), mdiForm);
    frmFJL->SB_GRClick();
    choose(frmFJL_dx->DBLC_Reg, "1");
    choose(frmFJL_dx->DBLC_Build, "2");
    choose(frmFJL_dx->DBLC_FeeType, "04");
    s.form = frmFJL_dx;
    s.grid = frmFJL_dx->DBG_SFee;
    s.rows = frmFJL_dx->AQ_SFee;
    return s;
}

// The grid windows that have no Save button: the column typed and the total
// a typed value gives.
const struct GridWindow {
    const char* name;
    Shown (*show)(data::Connection&);
    const char* column;
    const char* typed;
    const char* total;
} kWindows[] = {
    {"meter readings", meterReadings, "BMNum1", "115", "35"},
    {"per-room charges", perRoomCharges, "BYFee", "45", "45"},
};

// The user opens the cell's editor and types into it.
QLineEdit* typeIntoEditor(ui::DBGrid* grid, int row, const QString& field, const QString& text)
{
    const QModelIndex at = grid->model()->index(row, column(grid, field));
    grid->setCurrentIndex(at);
    grid->edit(at);
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
        if (!e->isHidden())
            editor = e;
    bool ascii = true;
    for (QChar ch : text)
        ascii = ascii && ch.unicode() < 0x80;
    if (editor && ascii)
        QTest::keyClicks(editor, text);
    else if (editor)
        editor->insert(text);  // typed through an input method
    return editor;
}

}  // namespace

class TestChargeGrids : public QObject {
    Q_OBJECT
private slots:
    void init() { Msg::clearLog(); }

    void windows_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(kWindows)); ++i)
            QTest::newRow(kWindows[i].name) << i;
    }

    void enterAndClosingStoreTheTypedRow_data() { windows_data(); }
    void enterAndClosingStoreTheTypedRow()
    {
        QFETCH(int, window);
        const GridWindow& w = kWindows[window];
        AppFixture app("1", seedDistrict);
        const Shown s = w.show(app.db());
        QLineEdit* editor = typeIntoEditor(s.grid, 0, w.column, w.typed);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the editor hands its text over after the key
        QCOMPARE(s.rows->state(), data::DataSetState::Browse);
        QCOMPARE(s.rows->recNo(), 1);
        QCOMPARE(amount(app.db(), "BYHJ", s.first), d(w.total));
        // Typed in a cell without its editor, Enter on the grid stores it too.
        typeCell(s.grid, 0, w.column, "120");
        QTest::keyClick(s.grid, Qt::Key_Enter);
        QCOMPARE(s.rows->state(), data::DataSetState::Browse);
        QVERIFY(amount(app.db(), "BYHJ", s.first) != d(w.total));

        // Closing the window stores the row being typed rather than dropping it.
        QVERIFY(typeIntoEditor(s.grid, 1, w.column, w.typed));
        s.form->close();
        QCoreApplication::processEvents();
        QCOMPARE(amount(app.db(), "BYHJ", s.second), d(w.total));
        QVERIFY(!frmSFee && !frmFJL_dx);
        QCOMPARE(Msg::log().size(), 0);
    }

    void aRefusedValueKeepsTheRowAndStoresNothing_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("typed");
        for (int i = 0; i < int(std::size(kWindows)); ++i)
            for (const char* junk : {"abc", "12a", "１２０", "1e3", "100000000000000000000"})
                QTest::addRow("%s, %s", kWindows[i].name, junk) << i << QString::fromUtf8(junk);
    }
    void aRefusedValueKeepsTheRowAndStoresNothing()
    {
        QFETCH(int, window);
        QFETCH(QString, typed);
        const GridWindow& w = kWindows[window];
        AppFixture app("1", seedDistrict);
        const Shown s = w.show(app.db());
        typeCell(s.grid, 0, "FTFee", "3");  // a value that is taken, beside the refused one
        QLineEdit* editor = typeIntoEditor(s.grid, 0, w.column, typed);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        // The refusal names the column by its title, never by the field behind it.
        const QString title = s.grid->model()->headerData(column(s.grid, w.column), Qt::Horizontal).toString();
        const QString shown = Msg::log().last().text;
        QVERIFY2(shown.contains(typed.trimmed()) && shown.contains("“" + title + "”") && !shown.contains(w.column),
                 qPrintable(shown));

        // Neither leaving the row, nor Enter, nor closing stores it without the value.
        QTest::keyClick(s.grid, Qt::Key_Down);
        QTest::keyClick(s.grid, Qt::Key_Enter);
        s.form->close();
        QCoreApplication::processEvents();
        QVERIFY(frmSFee || frmFJL_dx);
        QCOMPARE(s.rows->recNo(), 1);
        QCOMPARE(s.rows->state(), data::DataSetState::Edit);
        QVERIFY(amount(app.db(), "BYHJ", s.first).isNull());
        QCOMPARE(amount(app.db(), "FTFee", s.first), d("0"));

        // Escape withdraws the refused value alone: the row is left and stored without it.
        const int told = Msg::log().size();
        QTest::keyClick(s.grid, Qt::Key_Escape);
        QVERIFY(s.rows->fieldByName(w.column)->isNull());
        QTest::keyClick(s.grid, Qt::Key_Down);
        QCOMPARE(s.rows->recNo(), 2);
        QCOMPARE(Msg::log().size(), told);
        QCOMPARE(amount(app.db(), "FTFee", s.first), d("3"));
        QVERIFY(amount(app.db(), w.column, s.first).isNull());

        // Typed again correctly, the row is stored with both values.
        typeCell(s.grid, 0, w.column, w.typed);
        QTest::keyClick(s.grid, Qt::Key_Down);
        QCOMPARE(s.rows->recNo(), 2);
        QCOMPARE(amount(app.db(), "BYHJ", s.first), d(w.total) + d("3"));
    }
};

WYGL_TEST(TestChargeGrids)
#include "tst_ChargeGrids.moc"
