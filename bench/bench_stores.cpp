// The store with 5,000 goods, 100,000 receipts and 100,000 issues, through
// its windows: opening the two voucher windows, saving and deleting vouchers
// (key check, stock look-up and update, post), the two stores queries, and at
// the end the stock checked against every voucher.
// Goals: a window's first opening within 1.5x of a bare read of its rows and
// < 0.5 s (for every 100,000 vouchers); Save and Delete < 50 ms each.
//
//   bench_stores [vouchers of each kind]

#include "Windows.h"
#include "app/Login.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "operations/stores/IoSelect.h"
#include "operations/stores/Repertory.h"
#include "operations/stores/StockVoucher.h"
#include "platform/data/BatchInsert.h"
#include "platform/ui/Application.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchProgram.h"
#include "support/BenchReport.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGoods = 5000;

QString goodsName(int i)
{
    return QStringLiteral("物品%1").arg(i, 5, 10, QLatin1Char('0'));
}

// Receipts and issues spread over the goods, and the stock rows that agree
// with them: each goods has received more than it has issued.
void fillStore(data::Connection& c, int vouchers)
{
    std::vector<qint64> in(kGoods, 0), out(kGoods, 0);
    const QDateTime day(QDate(2024, 3, 1), QTime(0, 0));
    const QDateTime time(QDate(1899, 12, 30), QTime(9, 30, 0));
    data::Transaction tx(c);
    {
        data::BatchInsert ins(c, "inputs", {"ioputID", "ioDate", "ioTime", "GoodsName", "reperName", "ioNum", "dept",
                                            "useMan", "keeper"});
        for (int i = 0; i < vouchers; ++i) {
            const int g = i % kGoods;
            const qint64 n = 10 + i % 40;
            in[size_t(g)] += n;
            ins.add({QStringLiteral("R%1").arg(i, 6, 10, QLatin1Char('0')), day, time, goodsName(g), "建材", n, "工程部",
                     "李四", "王五"});
        }
        ins.flush();
    }
    {
        data::BatchInsert ins(c, "outputs", {"ioputID", "ioDate", "ioTime", "GoodsName", "reperName", "ioNum", "dept",
                                             "useMan", "keeper", "ZY"});
        for (int i = 0; i < vouchers; ++i) {
            const int g = i % kGoods;
            const qint64 n = 1 + i % 9;
            out[size_t(g)] += n;
            ins.add({QStringLiteral("C%1").arg(i, 6, 10, QLatin1Char('0')), day, time, goodsName(g), "建材", n, "工程部",
                     "张三", "王五", "维修"});
        }
        ins.flush();
    }
    {
        data::BatchInsert ins(c, "repertory",
                              {"GoodsName", "reperName", "startNum", "inputNum", "outputNum", "storage"});
        for (int g = 0; g < kGoods; ++g)
            ins.add({goodsName(g), "建材", 100, in[size_t(g)], out[size_t(g)], 100 + in[size_t(g)] - out[size_t(g)]});
        ins.flush();
    }
    tx.commit();
}

// Goods whose stock disagrees with their vouchers, over every row.
int breaches(data::Connection& c)
{
    QSqlQuery q = c.exec(QStringLiteral(
        "SELECT r.GoodsName, r.startNum, r.inputNum, r.outputNum, r.storage, coalesce(i.n, 0), coalesce(o.n, 0) "
        "FROM repertory r "
        "LEFT JOIN (SELECT GoodsName, sum(ioNum) AS n FROM inputs GROUP BY GoodsName) i ON i.GoodsName = r.GoodsName "
        "LEFT JOIN (SELECT GoodsName, sum(ioNum) AS n FROM outputs GROUP BY GoodsName) o ON o.GoodsName = r.GoodsName"));
    int bad = 0;
    while (q.next()) {
        auto n = [&](int col) { return data::Decimal::fromVariant(q.value(col)).orZero().toLongLong(); };
        const bool ok = n(4) == n(1) + n(2) - n(3) && n(4) >= 0 && n(2) == n(5) && n(3) == n(6);
        bad += ok ? 0 : 1;
    }
    return bad;
}

ui::DBEdit* edit(StockVoucher* w, const char* name)
{
    return qobject_cast<ui::DBEdit*>(w->control(name));
}

StockVoucher* open(const char* key, double* ms)
{
    *ms = bench::timedOpen(QString::fromLatin1(key));
    return key == QLatin1String("Input") ? static_cast<StockVoucher*>(frmInput) : frmOutput;
}

struct Times {
    std::vector<double> v;
    void add(double ms) { v.push_back(ms); }
    double median()
    {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double worst() { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
};

// Saves `count` new vouchers; returns their times.
Times saveVouchers(StockVoucher* w, const QString& prefix, int count)
{
    Times times;
    for (int i = 0; i < count; ++i) {
        w->TB_AddClick();
        edit(w, "DBE_IoputId")->setText(prefix + QString::number(i));
        edit(w, "DBE_GoodsName")->setText(goodsName((i * 37) % kGoods));
        edit(w, "DBE_IoNum")->setText(QStringLiteral("3"));
        edit(w, "DBE_Keeper")->setText(QStringLiteral("王五"));
        qobject_cast<ui::DBComboBox*>(w->control("DBC_ReperName"))->setText(QStringLiteral("建材"));
        QElapsedTimer t;
        t.start();
        w->TB_SaveClick();
        times.add(bench::ms(t));
        if (!ui::Msg::log().isEmpty() || w->dataSet()->isEditing()) {
            std::printf("save refused: %s\n", qPrintable(ui::Msg::log().value(0).text));
            ui::Msg::clearLog();
            w->TB_CancelClick();
        }
    }
    return times;
}

// Deletes the last `count` vouchers; returns their times.
Times deleteVouchers(StockVoucher* w, int count)
{
    Times times;
    for (int i = 0; i < count; ++i) {
        w->TB_LastClick();
        ui::Msg::queueAnswer(true);
        QElapsedTimer t;
        t.start();
        w->TB_DeleteClick();
        times.add(bench::ms(t));
    }
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv);
    const int count = argc > 1 ? qMax(kGoods, atoi(argv[1])) : 100000;
    auto c = bench::newDatabase(bench::runName(QStringLiteral("bench_stores")));
    QElapsedTimer t;
    t.start();
    fillStore(*c, count);
    bench::analyze(*c);
    std::printf("backend: %s, goods: %d, receipts: %d, issues: %d (written in %.0f ms)\n",
                bench::backendName(c->backend()), kGoods, count, count, bench::ms(t));

    // The floors: bare reads of the rows the two windows show.
    const QString allIn = QStringLiteral("SELECT * FROM inputs ORDER BY rid");
    const QString allOut = QStringLiteral("SELECT * FROM outputs ORDER BY rid");
    double inFloor = bench::bareReadMs(allIn);
    double outFloor = bench::bareReadMs(allOut);

    ui::Msg::setScripted(true);
    registerAllWindows();
    new TmdiForm;
    DM = new TDM;
    DM->openOn(std::move(c));
    new TfrmLogin;
    frmLogin->Popedom = QStringLiteral("1");
    data::Connection& db = *DM->connection();

    // Each window's first opening, as a clerk pays it.
    double inOpen = 0, outOpen = 0;
    StockVoucher* in = open("Input", &inOpen);
    StockVoucher* out = open("Output", &outOpen);
    inFloor = std::min(inFloor, bench::bareReadMs(allIn));
    outFloor = std::min(outFloor, bench::bareReadMs(allOut));
    const QString size = QStringLiteral("%1 vouchers of each kind").arg(bench::count(count));
    const bench::Goal openGoal = bench::Goal::within(1.5).andUnder(500.0 * std::max(1, count / 100000));
    bench::report(QStringLiteral("open the receipts window, cold"), size, inOpen, inFloor, openGoal);
    bench::report(QStringLiteral("open the issues window, cold"), size, outOpen, outFloor, openGoal);
    in->CheckBox->click();
    out->CheckBox->click();

    Times inSave = saveVouchers(in, QStringLiteral("NR"), 50);
    Times outSave = saveVouchers(out, QStringLiteral("NC"), 50);
    std::printf("save a receipt: median %.1f ms; an issue: median %.1f ms\n", inSave.median(), outSave.median());
    bench::report(QStringLiteral("save a receipt, worst"), size, inSave.worst(), bench::Goal::under(50));
    bench::report(QStringLiteral("save an issue, worst"), size, outSave.worst(), bench::Goal::under(50));
    Times inDelete = deleteVouchers(in, 25);
    Times outDelete = deleteVouchers(out, 25);
    std::printf("delete a receipt: median %.1f ms; an issue: median %.1f ms\n", inDelete.median(), outDelete.median());
    bench::report(QStringLiteral("delete a receipt, worst"), size, inDelete.worst(), bench::Goal::under(50));
    bench::report(QStringLiteral("delete an issue, worst"), size, outDelete.worst(), bench::Goal::under(50));

    double ms = 0;
    runOpener(*findOpener(QStringLiteral("Ioselect")), mdiForm);
    t.restart();
    frmIoSelect->RB_output->click();
    ms = bench::ms(t);
    std::printf("stores query over every issue: %.1f ms, %d rows\n", ms, DM->AQ_ioSelect->recordCount());
    runOpener(*findOpener(QStringLiteral("Repertory")), mdiForm);
    t.restart();
    frmRepertory->TB_FindClick();
    std::printf("stock browser over every goods: %.1f ms, %d rows\n", bench::ms(t), DM->AQ_Repertory->recordCount());

    t.restart();
    const int bad = breaches(db);
    std::printf("stock against every voucher: %d goods disagree (checked in %.0f ms)\n", bad, bench::ms(t));
    bench::check(QStringLiteral("stock agrees with every voucher"), bad == 0);
    return bench::exitStatus();
}
