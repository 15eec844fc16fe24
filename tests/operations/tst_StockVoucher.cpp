// The two voucher windows, driven as a store keeper would: what saving,
// modifying and deleting a voucher does to the stock, what is refused and
// what the window then shows, a failure half-way, and a random mix of
// vouchers after which the stock still agrees with them.

#include "StoresFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "operations/stores/StockVoucher.h"
#include "operations/stores/VoucherPrint.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>

using stores::Direction;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace storestest;

namespace {

// 水泥: 10 at the start, nothing moved yet; categories to choose from.
void store(data::Connection& c)
{
    c.exec("INSERT INTO repertory (GoodsName, reperName, startNum, inputNum, outputNum, storage) "
           "VALUES ('水泥', '旧类', 10, 0, 0, 10)");
    for (QString name : {"建材", "五金"})
        c.exec("INSERT INTO reperType (reperID, reperName) VALUES (?, ?)", {name == "建材" ? 1 : 2, name});
}

StockVoucher* open(const QString& windowClass)
{
    const VoucherKind& k = voucherKind(qPrintable(windowClass));
    runOpener(*findOpener(k.reg.record.key), mdiForm);
    for (ui::Form* f : ui::liveForms())
        if (windowClass == QLatin1String(f->metaObject()->className()))
            return static_cast<StockVoucher*>(f);
    return nullptr;
}

ui::DBEdit* edit(StockVoucher* w, const char* name)
{
    return qobject_cast<ui::DBEdit*>(w->control(name));
}

// Types a voucher's fields into the open record.
void type(StockVoucher* w, const QString& goods, const QString& quantity, const QString& category = "建材")
{
    edit(w, "DBE_GoodsName")->setText(goods);
    testsupport::typeInto(edit(w, "DBE_IoNum"), quantity);
    qobject_cast<ui::DBComboBox*>(w->control("DBC_ReperName"))->setText(category);
}

// A new voucher through Add and Save.
void add(StockVoucher* w, const QString& number, const QString& goods, const QString& quantity,
         const QString& category = "建材")
{
    w->TB_AddClick();
    edit(w, "DBE_IoputId")->setText(number);
    edit(w, "DBE_Keeper")->setText("王五");
    type(w, goods, quantity, category);
    w->TB_SaveClick();
}

qint64 sign(const StockVoucher* w)
{
    return w->kind().direction == Direction::Receipt ? 1 : -1;
}

int vouchers(AppFixture& app, StockVoucher* w)
{
    return app.db().scalar("SELECT count(*) FROM " + w->config().table).toInt();
}

}  // namespace

class TestStockVoucher : public QObject {
    Q_OBJECT
private slots:
    void kinds_data()
    {
        QTest::addColumn<QString>("windowClass");
        for (const VoucherKind& k : voucherKinds())
            QTest::newRow(qPrintable(k.reg.windowClass)) << k.reg.windowClass;
    }

    // Save, modify and delete move the stock by the voucher's quantity, and
    // only by the difference when a voucher is changed.
    void savedModifiedAndDeletedVouchers_data() { kinds_data(); }
    void savedModifiedAndDeletedVouchers()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1", store);
        StockVoucher* w = open(windowClass);
        QVERIFY(w);
        w->CheckBox->click();
        QVERIFY(w->TB_Add->isEnabled() && !w->TB_Modi->isEnabled() && !w->TB_Delete->isEnabled());
        add(w, "D1", "水泥", "4");
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::log().value(0).text));
        QCOMPARE(vouchers(app, w), 1);
        StockRow r = stockOf(app.db(), "水泥");
        QCOMPARE(r.storage, 10 + sign(w) * 4);
        QCOMPARE(r.category, QString("建材"));  // each voucher writes its category
        QVERIFY(w->TB_Add->isEnabled() && w->TB_Modi->isEnabled());
        QVERIFY(!edit(w, "DBE_GoodsName")->isEnabled());
        QCOMPARE(app.db().scalar("SELECT ioDate FROM " + w->config().table).toString().left(10),
                 QDate::currentDate().toString("yyyy-MM-dd"));

        // Modified: key, date and time stay locked; the stock moves by the difference.
        w->TB_ModiClick();
        QVERIFY(!edit(w, "DBE_IoputId")->isEnabled() && !edit(w, "DBE_IoTime")->isEnabled());
        QVERIFY(edit(w, "DBE_IoNum")->isEnabled());
        type(w, "水泥", "6", "五金");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        r = stockOf(app.db(), "水泥");
        QCOMPARE(r.storage, 10 + sign(w) * 6);
        QCOMPARE(r.storage, r.start + r.in - r.out);
        QCOMPARE(r.category, QString("五金"));

        // Deleted: Cancel keeps it; OK takes back what is stored, not what is
        // typed on the screen.
        w->TB_ModiClick();
        type(w, "水泥", "9");
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确实要删除吗？"});
        QCOMPARE(vouchers(app, w), 1);
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(vouchers(app, w), 0);
        QVERIFY(!w->TB_Modi->isEnabled() && !w->TB_Delete->isEnabled());
        r = stockOf(app.db(), "水泥");
        QCOMPARE(QList<qint64>({r.in, r.out, r.storage}), QList<qint64>({0, 0, 10}));
        QCOMPARE(r.category, QString("五金"));  // a delete leaves the category

        // A voucher being added is only dropped.
        Msg::clearLog();
        w->TB_AddClick();
        type(w, "水泥", "3");
        w->TB_DeleteClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stockOf(app.db(), "水泥").storage, 10);
        QCOMPARE(vouchers(app, w), 0);
    }

    // The quantity is checked before anything is written, and the voucher
    // stays open to be corrected.
    void quantityMustBeAWholeNumberAboveZero_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("quantity");
        for (const VoucherKind& k : voucherKinds())
            for (QString q : {"1.5", "0", "-3", "abc", "2.0"})
                QTest::newRow(qPrintable(k.reg.windowClass + " " + q)) << k.reg.windowClass << q;
    }

    void quantityMustBeAWholeNumberAboveZero()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, quantity);
        AppFixture app("1", store);
        StockVoucher* w = open(windowClass);
        w->CheckBox->click();
        add(w, "D1", "水泥", quantity);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{stores::kQuantityMessage});
        QCOMPARE(vouchers(app, w), 0);
        QCOMPARE(stockOf(app.db(), "水泥").storage, 10);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QVERIFY(edit(w, "DBE_IoNum")->isEnabled() && w->TB_Save->isEnabled());
        Msg::clearLog();
        edit(w, "DBE_IoNum")->setText("2");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stockOf(app.db(), "水泥").storage, 10 + sign(w) * 2);
    }

    // Stock never falls below zero, by an issue or by taking a receipt back;
    // exactly zero is allowed.
    void stockNeverBelowZero()
    {
        AppFixture app("1", store);
        StockVoucher* out = open("TfrmOutput");
        out->CheckBox->click();
        add(out, "C1", "沙子", "1");
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"库中无该产品，操作失败！"});
        add(out, "C1", "水泥", "11");
        QCOMPARE(Msg::texts(MsgKind::Warning).last(), QString("库存数量不足"));
        // A refused issue is dropped with what was typed.
        QCOMPARE(out->dataSet()->state(), data::DataSetState::Browse);
        QVERIFY(!edit(out, "DBE_IoNum")->isEnabled());
        QCOMPARE(vouchers(app, out), 0);
        Msg::clearLog();
        add(out, "C1", "水泥", "10");
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stockOf(app.db(), "水泥").storage, 0);
        out->close();

        // A receipt whose goods went out meanwhile cannot be lowered or taken back.
        StockVoucher* in = open("TfrmInput");
        in->CheckBox->click();
        add(in, "R1", "水泥", "5");
        out = open("TfrmOutput");
        out->CheckBox->click();
        add(out, "C2", "水泥", "4");
        QCOMPARE(stockOf(app.db(), "水泥").storage, 1);
        in = open("TfrmInput");
        Msg::clearLog();
        in->TB_ModiClick();
        type(in, "水泥", "3");
        in->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"库存数量不足"});
        QCOMPARE(in->dataSet()->state(), data::DataSetState::Edit);  // open to be corrected
        type(in, "水泥", "4");
        in->TB_SaveClick();
        QCOMPARE(stockOf(app.db(), "水泥").storage, 0);
        Msg::clearLog();
        Msg::queueAnswer(true);
        in->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"库存数量不足"});
        QCOMPARE(vouchers(app, in), 1);

        // Goods whose stock row is gone: a receipt still goes, an issue stays.
        app.db().exec("DELETE FROM repertory");
        Msg::clearLog();
        Msg::queueAnswer(true);
        in->TB_DeleteClick();
        QCOMPARE(vouchers(app, in), 0);
        QCOMPARE(stockRows(app.db(), "水泥"), 0);
        Msg::queueAnswer(true);
        out->TB_LastClick();
        out->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"无法删除该笔记录！"});
        QCOMPARE(vouchers(app, out), 2);
    }

    // The database refuses the voucher's own row: the stock step is undone
    // with it and the error box says why.
    void aFailedPostChangesNothing_data() { kinds_data(); }
    void aFailedPostChangesNothing()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1", store);
        StockVoucher* w = open(windowClass);
        w->CheckBox->click();
        add(w, "D1", "水泥", "2");
        testsupport::failWhen(app.db(), w->config().table, "UPDATE", "NEW.ioNum > 2");
        testsupport::failWhen(app.db(), w->config().table, "INSERT", "NEW.ioNum > 2");
        const QString before = stockSnapshot(app.db());
        w->TB_ModiClick();
        type(w, "水泥", "3");
        QVERIFY(!ui::guarded([&] { w->TB_SaveClick(); }));
        w->TB_CancelClick();
        w->TB_AddClick();
        edit(w, "DBE_IoputId")->setText("D2");
        edit(w, "DBE_Keeper")->setText("王五");
        type(w, "水泥", "5");
        QVERIFY(!ui::guarded([&] { w->TB_SaveClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 2);
        QVERIFY(Msg::texts(MsgKind::Error).first().contains("injected failure"));
        QCOMPARE(stockSnapshot(app.db()), before);
        QCOMPARE(vouchers(app, w), 1);
        QCOMPARE(app.db().transactionDepth(), 0);
        QCOMPARE(stockBreach(app.db()), QString());
    }

    // Another workstation changed the voucher since this window read it: the
    // quantity this window still shows is not what gets taken back.
    void aVoucherChangedElsewhereIsLeftAlone_data() { kinds_data(); }
    void aVoucherChangedElsewhereIsLeftAlone()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1", store);
        StockVoucher* w = open(windowClass);
        w->CheckBox->click();
        add(w, "D1", "水泥", "2");
        app.db().exec("UPDATE " + w->config().table + " SET ioNum = 3");
        const QString before = stockSnapshot(app.db());
        Msg::queueAnswer(true);
        QVERIFY(!ui::guarded([&] { w->TB_DeleteClick(); }));
        w->TB_ModiClick();
        type(w, "水泥", "5");
        QVERIFY(!ui::guarded([&] { w->TB_SaveClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 2);
        QCOMPARE(stockSnapshot(app.db()), before);
        QCOMPARE(vouchers(app, w), 1);
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    // A random mix of vouchers through both windows: the stock agrees with
    // the vouchers at every step, whatever was refused.
    void randomMixThroughTheWindows()
    {
        AppFixture app("1", store);
        StockVoucher* in = open("TfrmInput");
        StockVoucher* out = open("TfrmOutput");
        in->CheckBox->click();
        out->CheckBox->click();
        QRandomGenerator rnd(7);
        const QStringList goods{"水泥", "沙子", "铁钉"};
        int number = 0;
        for (int step = 0; step < 120; ++step) {
            StockVoucher* w = rnd.bounded(5) < 3 ? in : out;
            const QString g = goods[rnd.bounded(goods.size())];
            const QString q = QString::number(rnd.bounded(1, 9));
            const int what = w->dataSet()->isEmpty() ? 0 : rnd.bounded(5);  // 0-2 add, 3 modify, 4 delete
            Msg::clearLog();
            if (what <= 2) {
                add(w, QString("V%1").arg(++number), g, q);
            } else {
                w->dataSet()->setRecNo(rnd.bounded(1, w->dataSet()->recordCount() + 1));
                if (what == 3) {
                    w->TB_ModiClick();
                    type(w, g, q);
                    w->TB_SaveClick();
                } else {
                    Msg::queueAnswer(true);
                    w->TB_DeleteClick();
                }
            }
            if (w->dataSet()->isEditing())
                w->TB_CancelClick();
            const QString breach = stockBreach(app.db());
            QVERIFY2(breach.isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(breach)));
        }
        QVERIFY(vouchers(app, in) > 5 && vouchers(app, out) > 0);
    }

    // Back in the window opened first, Modify and Save work there: the tool
    // buttons follow the window in front, not the one opened last.
    void theToolButtonsFollowTheWindowInFront()
    {
        AppFixture app("1", store);
        StockVoucher* in = open("TfrmInput");
        in->CheckBox->click();
        add(in, "D1", "水泥", "4");
        QVERIFY(open("TfrmOutput"));
        in->mdiSubWindow()->mdiArea()->setActiveSubWindow(in->mdiSubWindow());
        in->TB_ModiClick();
        type(in, "水泥", "6");
        QVERIFY(in->TB_Save->isEnabled() && in->TB_Cancel->isEnabled());
        in->TB_SaveClick();
        QCOMPARE(stockOf(app.db(), "水泥").storage, 16);
    }

    void printsTheCurrentVoucher_data() { kinds_data(); }
    void printsTheCurrentVoucher()
    {
        QFETCH(QString, windowClass);
        AppFixture app("2", [](data::Connection& c) {
            store(c);
            c.exec("INSERT INTO inputs (ioputID, GoodsName, ioNum) VALUES ('R9', '水泥', 3)");
            c.exec("INSERT INTO outputs (ioputID, GoodsName, ioNum) VALUES ('C9', '水泥', 3)");
        });
        StockVoucher* w = open(windowClass);
        // A browse-only user moves and prints, nothing else.
        QVERIFY(!w->CheckBox->isVisibleTo(w));
        QVERIFY(w->TB_Print->isEnabled() && !w->TB_Add->isEnabled());
        w->TB_PrintClick();
        const report::Document& doc = w->RvSystem->LastDocument();
        QCOMPARE(doc.pageCount(), 1);
        QStringList texts;
        for (const report::TextItem& t : doc.pages[0].texts)
            texts << t.text;
        QVERIFY(texts.contains(w->kind().form->title));
        QVERIFY(texts.contains(w->kind().form->numberCaption + (windowClass == "TfrmInput" ? "R9" : "C9")));
        testsupport::saveScreenshot(w->frameWidget(), windowClass == "TfrmInput" ? "stores_receipt" : "stores_issue");
    }
};

WYGL_TEST(TestStockVoucher)
#include "tst_StockVoucher.moc"
