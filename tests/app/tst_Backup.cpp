// Backup, restore and clearing of the whole database through the frame's
// data commands, on the backend the tests run on, and the help window.

#include "app/BackupCheck.h"
#include "app/BackupFixture.h"
#include "app/BackupIni.h"
#include "app/BackupWriter.h"
#include "app/ClearData.h"
#include "session/DatabaseSetup.h"
#include "app/Help.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "app/RestoreData.h"
#include "app/SoleSession.h"
#include "platform/data/BatchInsert.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/StatementTicker.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "platform/ui/DBImage.h"
#include "support/AppFixture.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "templates/ReportHeading.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMdiArea>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <sys/stat.h>

using testsupport::AppFixture;
using testsupport::dumpAll;
using testsupport::scratchPath;
using testsupport::seedEveryKind;
using ui::Msg;
using ui::MsgKind;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files left in the folder besides the ones named.
QStringList strayFiles(const QString& folder, const QStringList& expected)
{
    QStringList out;
    for (const QString& f : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (!expected.contains(f))
            out << f;
    return out;
}

QString backupThroughFrame(const QString& name)
{
    const QString file = scratchPath(name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile::remove(file);
    Msg::queueFileName(file);
    mdiForm->BackupClick();
    return file;
}

void restoreThroughFrame(const QString& file)
{
    Msg::queueFileName(file);
    mdiForm->RestoreClick();
}

// A copy of a good backup, changed by SQL run on it.
QString spoiledCopy(const QString& good, const QString& name, const QStringList& statements)
{
    const QString path = scratchPath(name);
    QFile::remove(path);
    QFile::copy(good, path);
    data::ConnectionSpec spec;
    spec.database = path;
    auto c = data::Connection::open(spec);
    for (const QString& s : statements)
        c->exec(s);
    c->exec("PRAGMA journal_mode = DELETE");
    return path;
}

// Every secondary index of the stored tables, as the database describes it.
QStringList allIndexes(data::Connection& c)
{
    QStringList out;
    for (const data::TableDef& t : data::systemTables())
        if (!t.isView)
            for (const data::IndexDef& ix : c.dialect().secondaryIndexes(c, QLatin1String(t.name)))
                out << ix.name.toLower() + ' ' + ix.createSql;
    return out;
}

// Runs `look` on the next dialog of the kind the program shows, then closes
// it as a user pressing Cancel would.
template <class Dialog>
void onNext(const std::function<void(Dialog*)>& look)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        poll->deleteLater();
        look(dlg);
        dlg->reject();
    });
    poll->start(10);
}

// The record locks this process holds on a file, as the kernel lists them
// ("1: POSIX ADVISORY READ <pid> <major>:<minor>:<inode> <start> <end>").
int locksHeld(const QString& path)
{
    struct stat st;
    QFile list(QStringLiteral("/proc/locks"));
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !list.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray inode = ':' + QByteArray::number(qulonglong(st.st_ino));
    int n = 0;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        n += f.size() > 5 && f[4] == pid && f[5].endsWith(inode);
    }
    return n;
}

bool anyLabelShown()
{
    return mdiForm->lbl_bf->isVisible() || mdiForm->lbl_hf->isVisible() || mdiForm->lbl_zq->isVisible();
}

}  // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Msg::setScripted(true);
    }

    void backupThenRestoreBringsBackEveryRowAndIdentitiesContinue()
    {
        AppFixture app("0", seedEveryKind);
        const QStringList before = dumpAll(app.db());
        const QString file = backupThroughFrame("round.db");
        QCOMPARE(Msg::log().first().caption, QString("数据备份"));
        QCOMPARE(Msg::log().first().text, QString("数据库备份文件|*.db"));
        QCOMPARE(Msg::texts(MsgKind::Plain), QStringList{"数据备份完成"});
        QCOMPARE(Msg::log().last().caption, QString("成功！"));
        QVERIFY2(Msg::texts(MsgKind::Confirm).isEmpty(), "a new file name asks nothing");
        QCOMPARE(strayFiles(QFileInfo(file).absolutePath(), {"round.db"}), QStringList());

        // Work goes on after the backup: rows change, new ones come, some go.
        app.db().exec("UPDATE Fee SET BYHJ = 1, flag = '已收取'");
        app.db().exec("DELETE FROM users WHERE userName = '出纳'");
        for (int i = 0; i < 5; ++i)
            app.db().exec("INSERT INTO SFSJ (RegionId, FSje) VALUES ('9', 1)");
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('9', '新区')");
        QVERIFY(dumpAll(app.db()) != before);

        Msg::clearLog();
        restoreThroughFrame(file);
        QCOMPARE(Msg::log().first().caption, QString("数据恢复"));
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"数据恢复成功！\r该系统将关闭，请重新登录。"});
        QVERIFY(ui::terminated());
        QCOMPARE(dumpAll(app.db()), before);
        QVERIFY(!anyLabelShown());

        // The next receipt, report and row follow the restored ones.
        const int lastReceipt = app.db().scalar("SELECT max(SJNum) FROM SFSJ").toInt();
        app.db().exec("INSERT INTO SFSJ (RegionId, FSje) VALUES ('1', 5)");
        QCOMPARE(app.db().scalar("SELECT max(SJNum) FROM SFSJ").toInt(), lastReceipt + 1);
        app.db().exec("INSERT INTO NZBB (QYmc) VALUES ('下一年')");
        QCOMPARE(app.db().scalar("SELECT count(DISTINCT ID) FROM NZBB").toInt(), 2);
        for (const data::TableDef& t : data::systemTables())
            if (!t.isView && t.columns.front().type == data::ColType::String)
                app.db().exec(QStringLiteral("INSERT INTO %1 (%2) VALUES ('x')").arg(t.name, t.columns.front().name));
    }

    void oneBackupFormatServesBothBackends()
    {
        // A backup of the database in use restores into an embedded database
        // with the same values, and one of an embedded database into the
        // database in use: on a test run on the server, both ways across.
        AppFixture app("0", seedEveryKind);
        // A hundred thousand rows of every kind of value: text with tabs,
        // line ends, quotes and backslashes, nulls, negative and large
        // numbers, cents, dates to the second.
        {
            data::Transaction tx(app.db());
            data::BatchInsert ins(app.db(), "NZBB", {"QYmc", "CLDate", "ZClx", "XMhj2"});
            for (qint64 i = 0; i < 100000; ++i)
                ins.add({i % 7 ? QVariant(QStringLiteral("单位%1\t\"甲\"\\乙\n丙\\N").arg(i)) : QVariant(),
                         i % 5 ? app.db().dialect().dateTimeValue(QDateTime(QDate(1999, 12, 31), QTime(0, 0)).addSecs(i * 7919))
                               : QVariant(),
                         i % 3 ? QVariant(i * 21001 - 1000000000) : QVariant(),
                         QStringLiteral("%1%2.%3").arg(i % 2 ? "-" : "").arg(i * 9973).arg(i % 100, 2, 10, QLatin1Char('0'))});
            ins.flush();
            tx.commit();
        }
        const QString file = backupThroughFrame("either.db");
        data::ConnectionSpec spec;
        spec.database = scratchPath("second.db");
        QFile::remove(spec.database);
        auto second = data::Connection::openForSetup(spec);
        session::createSchema(*second);
        app::checkBackupFile(file);
        app::restoreDatabase(*second, file);
        const QStringList rows = dumpAll(app.db());
        QCOMPARE(dumpAll(*second), rows);
        // A backup of the server holds rows, not index entries: the embedded
        // database builds its own indexes over them.
        QStringList indexes;
        for (const data::IndexDef& ix : second->dialect().secondaryIndexes(*second, "Fee"))
            indexes << ix.name.toLower();
        indexes.sort();
        QCOMPARE(indexes, QStringList({"fee_month_item", "fee_month_room", "fee_region_month"}));
        QCOMPARE(second->scalar("PRAGMA integrity_check").toString(), QString("ok"));

        second->exec("UPDATE Region SET RegionName = '嵌入库' WHERE RegionId = '1'");
        const QStringList changed = dumpAll(*second);
        const QString back = scratchPath("back.db");
        QFile::remove(back);
        app::writeBackup(*second, back);
        app::restoreDatabase(app.db(), back);
        QCOMPARE(dumpAll(app.db()), changed);
    }

    void aBackupOfAnOlderLayoutRestoresIntoTheSchemaInUse()
    {
        // Taken before an index and after a column were added: the rows come
        // back, the schema in use keeps its indexes.
        AppFixture app("0", seedEveryKind);
        const QStringList rows = dumpAll(app.db());
        const QString old = spoiledCopy(backupThroughFrame("layout.db"), "older.db",
                                        {"DROP INDEX IF EXISTS fee_region_month", "ALTER TABLE Region ADD COLUMN Extra text",
                                         "UPDATE Region SET Extra = 'x'"});
        app.db().exec("DELETE FROM Fee");
        app::restoreDatabase(app.db(), old);
        QCOMPARE(dumpAll(app.db()), rows);
        QStringList indexes;
        for (const data::IndexDef& ix : app.db().dialect().secondaryIndexes(app.db(), "Fee"))
            indexes << ix.name.toLower();
        QVERIFY2(indexes.contains("fee_region_month"), qPrintable(indexes.join(',')));
    }

    void aFileThatCannotBeRestoredLeavesTheDataAsItWas_data()
    {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a database") << "text" << "不是可用的备份文件";
        QTest::newRow("cut short") << "truncate" << "";
        QTest::newRow("a damaged page") << "damage" << "备份文件已损坏，无法恢复。";
        QTest::newRow("table missing") << "DROP TABLE Tools" << "缺少数据表 Tools";
        QTest::newRow("column missing") << "ALTER TABLE Fee DROP COLUMN SSJE" << "缺少列 SSJE";
        QTest::newRow("no account") << "DELETE FROM users" << "没有可以登录的用户";
        QTest::newRow("account without a level") << "UPDATE users SET userPopedom = NULL" << "没有可以登录的用户";
    }
    void aFileThatCannotBeRestoredLeavesTheDataAsItWas()
    {
        QFETCH(QString, spoil);
        QFETCH(QString, reason);
        AppFixture app("0", seedEveryKind);
        const QString good = backupThroughFrame("good.db");
        QString bad = scratchPath("bad.db");
        if (spoil == "text") {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("这不是数据库\n");
        } else if (spoil == "truncate") {
            const QByteArray all = bytesOf(good);
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(all.left(all.size() / 2));
        } else if (spoil == "damage") {
            QByteArray all = bytesOf(good);
            all.replace(3 * 4096, 8, QByteArray(8, '\xff'));  // the head of page 4
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(all);
        } else {
            bad = spoiledCopy(good, "bad.db", {spoil});
        }
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('7', '备份之后')");
        const QStringList before = dumpAll(app.db());
        Msg::clearLog();
        restoreThroughFrame(bad);
        const QStringList warnings = Msg::texts(MsgKind::Warning);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].startsWith("数据库恢复失败！\n") && warnings[0].contains(reason), qPrintable(warnings[0]));
        QVERIFY(Msg::texts(MsgKind::Information).isEmpty());
        QVERIFY(!ui::terminated());
        QCOMPARE(dumpAll(app.db()), before);
        QVERIFY(!anyLabelShown());
    }

    void aFailureHalfwayThroughARestoreLeavesTheDataAsItWas()
    {
        AppFixture app("0", seedEveryKind);
        const QString good = backupThroughFrame("good.db");
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('7', '备份之后')");
        const QStringList before = dumpAll(app.db());
        const QStringList indexes = allIndexes(app.db());

        // Stopped partway: between tables, or between stretches of pages of
        // a file laid out as the database in use (copied whole)...
        int calls = 0;
        QVERIFY_THROWS_EXCEPTION(data::Error, app::restoreDatabase(app.db(), good, [&](const QString&) {
            if (++calls == 3)
                throw data::Error("stop");
        }));
        QCOMPARE(dumpAll(app.db()), before);
        QCOMPARE(allIndexes(app.db()), indexes);

        // ...or while the receivables are loaded with their indexes set
        // aside (a file laid out otherwise goes that way on either backend):
        // the indexes come back with the rows.
        const QString older = spoiledCopy(good, "older.db", {"DROP INDEX IF EXISTS fee_region_month"});
        QVERIFY_THROWS_EXCEPTION(data::Error, app::restoreDatabase(app.db(), older, [&](const QString& table) {
            if (table == "Fee")
                throw data::Error("stop");
        }));
        QCOMPARE(dumpAll(app.db()), before);
        QCOMPARE(allIndexes(app.db()), indexes);

        // ...or by a row the database in use refuses (a receivable without
        // its state, which the live table requires).
        const QString bad = spoiledCopy(good, "nullflag.db",
                                        {"DROP VIEW v_feeset", "CREATE TABLE FeeCopy AS SELECT * FROM Fee", "DROP TABLE Fee",
                                         "ALTER TABLE FeeCopy RENAME TO Fee", "UPDATE Fee SET flag = NULL"});
        Msg::clearLog();
        restoreThroughFrame(bad);
        const QStringList errors = Msg::texts(MsgKind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith("数据库恢复失败！，建议手工恢复。。。\n"));
        QVERIFY(!ui::terminated());
        QCOMPARE(dumpAll(app.db()), before);
    }

    void theLiveDatabaseIsNeitherATargetNorASource()
    {
        if (testsupport::onPostgres())
            QSKIP("a server database has no file of the program's");
        AppFixture app("0", seedEveryKind);
        const QString live = testsupport::lastSpec().database;
        const QStringList before = dumpAll(app.db());
        for (const QString& name : {live, live + "-wal", live + "-shm", QFileInfo(live).absolutePath() + "/./" + QFileInfo(live).fileName()}) {
            Msg::clearLog();
            Msg::queueFileName(name);
            mdiForm->BackupClick();
            QVERIFY2(Msg::texts(MsgKind::Warning).value(0).contains("不能备份到正在使用的数据库文件"), qPrintable(name));
            QVERIFY(Msg::texts(MsgKind::Plain).isEmpty());
            Msg::clearLog();
            restoreThroughFrame(name);
            QVERIFY2(Msg::texts(MsgKind::Warning).value(0).contains("正在使用的数据库文件"), qPrintable(name));
            QVERIFY(!ui::terminated());
        }
        QCOMPARE(dumpAll(app.db()), before);
        QVERIFY(!anyLabelShown());
    }

    void fileDialogsInTheDatabasesFolderLeaveItsLocksAlone()
    {
        if (testsupport::onPostgres())
            QSKIP("a server database has no file of the program's");
        AppFixture app("0", seedEveryKind);
        const QString live = testsupport::lastSpec().database;
        const QString folder = QFileInfo(live).absolutePath();
        // The connection's own locks come and go with its reads; the ones on
        // the database and its -shm stay while it is open.
        const auto locked = [&] { return locksHeld(live) > 0 && locksHeld(live + "-shm") > 0; };
        QVERIFY(locked());
        // The seam's open and save dialogs, and one made outside it as the
        // printer set-up makes its PDF path's; each lists every file of the folder.
        Msg::setScripted(false);
        const std::function<void()> dialogs[] = {
            [] { Msg::openFile("图片|*.jpg;*.bmp"); }, [] { Msg::saveFile("数据库备份文件|*.db"); },
            [] { QFileDialog::getSaveFileName(nullptr, QString(), QString(), "PDF 文件 (*.pdf)"); }};
        for (const auto& show : dialogs) {
            onNext<QFileDialog>([&](QFileDialog* dlg) {
                dlg->setDirectory(folder);
                dlg->setNameFilter("*");
                auto* model = dlg->findChild<QFileSystemModel*>();
                QVERIFY(QTest::qWaitFor([&] { return model->index(live + "-shm").isValid(); }));
            });
            show();
            QVERIFY(locked());
        }
        Msg::setScripted(true);
        QVERIFY(ui::loadPicture(live).isNull());
        QVERIFY(locked());
        // The set-up tool, as a second copy of the program starts it, opens
        // and closes the database: it cannot take the database over and
        // delete the -wal this process writes into.
        QProcess tool;
        tool.start(WYGL_SETUP_TOOL, {"--if-new", testsupport::writeConnFile(folder)});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(QFile::exists(live + "-wal"));
    }

    void replacingAnExistingBackupAsksAndCancelKeepsItByteForByte()
    {
        AppFixture app("0", seedEveryKind);
        const QString file = backupThroughFrame("twice.db");
        const QByteArray first = bytesOf(file);
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('8', '第二次')");

        Msg::clearLog();
        Msg::queueFileName(file);
        Msg::queueAnswer(false);
        mdiForm->BackupClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{file + "文件已经存在，要替换它吗？"});
        QCOMPARE(Msg::log()[1].caption, QString("另存为"));
        QVERIFY(Msg::texts(MsgKind::Plain).isEmpty());
        QCOMPARE(bytesOf(file), first);
        QVERIFY(!anyLabelShown());

        Msg::queueFileName(file);
        Msg::queueAnswer(true);
        mdiForm->BackupClick();
        QVERIFY(bytesOf(file) != first);
        auto copy = data::Connection::openSqliteReadOnly(file);
        QCOMPARE(copy->scalar("SELECT RegionName FROM Region WHERE RegionId = '8'").toString(), QString("第二次"));
    }

    void anEmbeddedBackupIsOneMomentWhileOthersWriteAndStandsAlone()
    {
        if (testsupport::onPostgres())
            QSKIP("the server's snapshot is its own transaction's");
        AppFixture app("0", seedEveryKind);
        const QStringList before = dumpAll(app.db());
        // Another workstation saves a receipt between every two stretches of
        // the copy: the file must still be the database as the copy began,
        // and the copy must come to an end.
        auto other = data::Connection::open(app.db().target());
        int calls = 0;
        const QString file = scratchPath("moment/moment.db");
        QDir().mkpath(QFileInfo(file).absolutePath());
        try {
            app::writeBackup(app.db(), file, [&](const QString&) {
                if (++calls > 1000)
                    throw data::Error("the copy keeps starting over");
                other->exec("INSERT INTO SFSJ (RegionId, FSje) VALUES ('9', 1)");
            });
        } catch (const data::Error& e) {
            QFAIL(qPrintable(e.message()));
        }
        QVERIFY(calls > 1);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM SFSJ WHERE RegionId = '9'").toInt(), calls);
        {
            auto copy = data::Connection::openSqliteReadOnly(file);
            QCOMPARE(copy->scalar("PRAGMA quick_check").toString(), QString("ok"));
            QCOMPARE(copy->scalar("PRAGMA journal_mode").toString(), QString("delete"));
            QCOMPARE(dumpAll(*copy), before);
        }
        // Opened as a restore source, the file needs nothing beside it.
        QCOMPARE(strayFiles(QFileInfo(file).absolutePath(), {"moment.db"}), QStringList());
        app::checkBackupFile(file);
        app::restoreDatabase(app.db(), file);
        QCOMPARE(dumpAll(app.db()), before);
    }

    void aFailedBackupKeepsTheEarlierFileAndLeavesNothingBehind()
    {
        AppFixture app("0", seedEveryKind);
        const QString file = backupThroughFrame("kept/kept.db");
        const QByteArray first = bytesOf(file);
        // A backup cannot start inside a transaction of the connection.
        app.db().begin();
        Msg::clearLog();
        Msg::queueFileName(file);
        mdiForm->BackupClick();
        app.db().rollback();
        const QStringList errors = Msg::texts(MsgKind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith("数据备份失败！\n") && errors[0].size() > 8, qPrintable(errors[0]));
        QVERIFY(Msg::texts(MsgKind::Plain).isEmpty());
        QCOMPARE(bytesOf(file), first);
        QCOMPARE(strayFiles(QFileInfo(file).absolutePath(), {"kept.db"}), QStringList());
        QVERIFY(!anyLabelShown());

        // A folder that is not there: the cause is named.
        Msg::clearLog();
        Msg::queueFileName(scratchPath("nowhere/x.db"));
        mdiForm->BackupClick();
        QVERIFY(Msg::texts(MsgKind::Error).value(0).contains(scratchPath("nowhere")));
    }

    void clearingEmptiesAllButAccountsRightsAndCompany()
    {
        AppFixture app("1", seedEveryKind);
        app.db().exec("INSERT INTO popedom (rid) VALUES (1)");
        app.requeryAll();
        runOpener(*findOpener("Region"), mdiForm);
        QCOMPARE(mdiForm->mdiArea()->subWindowList().size(), 1);

        Msg::clearLog();
        mdiForm->ClearClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm),
                 QStringList{"数据总清将完全删除数据，且不可恢复！！！请谨慎使用！！！\r确实要总清数据吗？"});
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"数据总清成功！"});
        QVERIFY(!anyLabelShown());
        for (const data::TableDef& t : data::systemTables()) {
            if (t.isView)
                continue;
            const int rows = app.db().scalar(QStringLiteral("SELECT count(*) FROM %1").arg(t.name)).toInt();
            const bool kept = app::clearedTables().filter(QRegularExpression(QStringLiteral("^%1$").arg(t.name))).isEmpty();
            QVERIFY2(kept ? rows > 0 : rows == 0, t.name);
        }
        QCOMPARE(app::clearedTables().size(), 64);

        // Windows showing the old rows are gone and the shared rows re-read.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(mdiForm->mdiArea()->subWindowList().size(), 0);
        QVERIFY(DM->AT_Region->isEmpty());
        QVERIFY(!DM->CheckLogin("出纳", "pw").isEmpty());
        QCOMPARE(ReportHeading(), QString("翠苑物业管理有限公司"));
        app.db().exec("INSERT INTO SFSJ (RegionId, FSje) VALUES ('1', 5)");
        QCOMPARE(app.db().scalar("SELECT SJNum FROM SFSJ").toInt(), 1);
    }

    void clearingStoppedHalfwayOrCancelledEmptiesNothing()
    {
        AppFixture app("0", seedEveryKind);
        const QStringList before = dumpAll(app.db());
        Msg::queueAnswer(false);
        mdiForm->ClearClick();
        QVERIFY(Msg::texts(MsgKind::Information).isEmpty());
        QVERIFY_THROWS_EXCEPTION(data::Error, app::clearAllData(app.db(), [](const QString&) {
            throw data::Error("stop");
        }));
        QCOMPARE(dumpAll(app.db()), before);
    }

    void oneLongStepOfTheDatabaseKeepsTheWindowPaintedAndCanBeStopped()
    {
        // A statement the database works on for a while in one step (the
        // embedded engine cannot call back from inside it; the server
        // answers only at its end): the window is painted meanwhile, and a
        // stop asked for there ends it, the connection still usable.
        AppFixture app("0", seedEveryKind);
        const QString slow = testsupport::onPostgres()
                                 ? "SELECT pg_sleep(0.4)"
                                 : "SELECT count(*) FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                   "FROM n WHERE i < 1000000) SELECT i FROM n ORDER BY -i)";
        int calls = 0;
        data::StatementTicker(app.db(), [&] { ++calls; }).run(slow);
        QVERIFY2(calls >= 3, qPrintable(QString::number(calls)));
        QVERIFY_THROWS_EXCEPTION(data::Error, data::StatementTicker(app.db(), [] { throw data::Error("stop"); }).run(slow));
        QCOMPARE(app.db().scalar("SELECT count(*) FROM users").toInt(), 2);
    }

    void aBrowseOnlyUserMayBackUpButNotRestoreOrClear()
    {
        AppFixture app("2", seedEveryKind);
        const QStringList before = dumpAll(app.db());
        const QString file = backupThroughFrame("level2.db");
        QCOMPARE(Msg::texts(MsgKind::Plain), QStringList{"数据备份完成"});

        Msg::clearLog();
        restoreThroughFrame(file);
        mdiForm->ClearClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList(2, "用户权限不足，无法进行该操作！"));
        QCOMPARE(Msg::log().size(), 2);  // no dialog, no question
        QVERIFY(!ui::terminated());
        QCOMPARE(dumpAll(app.db()), before);
        Msg::clearQueue();
    }

    void anotherWorkstationKeepsRestoreAndClearingAway()
    {
        if (!testsupport::onPostgres())
            QSKIP("the embedded database has one workstation");
        AppFixture app("0", seedEveryKind);
        const QString file = backupThroughFrame("others.db");
        const QStringList before = dumpAll(app.db());
        {
            auto other = data::Connection::open(testsupport::lastSpec());
            Msg::clearLog();
            restoreThroughFrame(file);
            mdiForm->ClearClick();
            QCOMPARE(Msg::texts(MsgKind::Warning), QStringList(2, app::otherSessionsText(1)));
            // Someone connecting after the question is caught inside the work.
            QVERIFY_THROWS_EXCEPTION(data::Error, app::clearAllData(app.db()));
            QVERIFY_THROWS_EXCEPTION(data::Error, app::restoreDatabase(app.db(), file));
            QCOMPARE(dumpAll(app.db()), before);
        }
        // The server lets a connection go a moment after the client closed it.
        QTRY_COMPARE(app.db().dialect().otherClientSessions(app.db()), 0);
        Msg::clearQueue();
        Msg::clearLog();
        mdiForm->ClearClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"数据总清成功！"});
    }

    void aTableHeldElsewhereStopsTheWorkInsteadOfHanging()
    {
        if (!testsupport::onPostgres())
            QSKIP("the embedded database has one workstation");
        // A workstation that connects after the check and holds a table: the
        // emptying gives up after the lock timeout and nothing is emptied.
        AppFixture app("0", seedEveryKind);
        const QStringList before = dumpAll(app.db());
        auto other = data::Connection::open(testsupport::lastSpec());
        other->begin();
        other->scalar("SELECT count(*) FROM Tools");
        QElapsedTimer clock;
        clock.start();
        {
            data::Transaction tx(app.db());
            QVERIFY_THROWS_EXCEPTION(data::Error, {
                for (const QString& sql : app.db().dialect().emptyTablesSql(app::clearedTables()))
                    app.db().exec(sql);
            });
        }
        QVERIFY2(clock.elapsed() < 60000, qPrintable(QString::number(clock.elapsed())));
        other->rollback();
        QCOMPARE(dumpAll(app.db()), before);
    }

    void longWorkNamesEachTableAsItGoes()
    {
        // The window is painted between the tables of a restore (or the
        // stretches of pages of one) and, on a server, of a backup and a
        // clearing (the embedded database calls
        // back from inside its statements instead).
        AppFixture app("0", seedEveryKind);
        QStringList stored;
        for (const data::TableDef& t : data::systemTables())
            if (!t.isView)
                stored << QLatin1String(t.name);
        auto named = [](QStringList& into) {
            return [&into](const QString& table) {
                if (!table.isEmpty() && !into.contains(table))
                    into << table;
            };
        };
        const QString file = scratchPath("named.db");
        QFile::remove(file);
        QStringList backedUp;
        app::writeBackup(app.db(), file, named(backedUp));
        // A file laid out otherwise than the database in use is restored
        // table by table on either backend...
        QStringList restored;
        app::restoreDatabase(app.db(), spoiledCopy(file, "named-older.db", {"DROP INDEX IF EXISTS fee_region_month"}),
                             named(restored));
        QCOMPARE(restored, stored);
        // ...one laid out alike, on the embedded database, stretch of pages
        // by stretch.
        int calls = 0;
        app::restoreDatabase(app.db(), file, [&](const QString&) { ++calls; });
        QVERIFY(calls > 1);
        if (testsupport::onPostgres())
            QCOMPARE(backedUp, stored);
        int cleared = 0;
        app::clearAllData(app.db(), [&](const QString&) { ++cleared; });
        QVERIFY(cleared > 0);
    }

    void theDialogsAreTheProgramsOwn()
    {
        // Real dialogs: the save dialog leaves the replace question to the
        // program, both offer our backup files, and 数据恢复 shows its label
        // while the user chooses.
        AppFixture app;
        mdiForm->resize(900, 600);
        mdiForm->show();
        Msg::setScripted(false);
        QString shown;
        onNext<QFileDialog>([&](QFileDialog* dlg) {
            QCOMPARE(dlg->windowTitle(), QString("数据备份"));
            QCOMPARE(dlg->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(dlg->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(dlg->defaultSuffix(), QString("db"));
            // The catalogue's name, dated: never the live "Region.db" of the working folder.
            QCOMPARE(dlg->selectedFiles().value(0),
                     QDir::current().absoluteFilePath(QDate::currentDate().toString("'Region'-yyyy-MM-dd'.db'")));
            QCOMPARE(dlg->nameFilters().value(0), QString("数据库备份文件 (*.db)"));
            QVERIFY(!mdiForm->lbl_bf->isVisibleTo(mdiForm));
            shown = testsupport::saveScreenshot(dlg, "backup_save_dialog");
        });
        mdiForm->BackupClick();
        QVERIFY(!shown.isEmpty());

        shown.clear();
        onNext<QFileDialog>([&](QFileDialog* dlg) {
            QCOMPARE(dlg->windowTitle(), QString("数据恢复"));
            QCOMPARE(dlg->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dlg->nameFilters().value(0), QString("数据库备份文件 (*.db)"));
            QVERIFY(mdiForm->lbl_hf->isVisibleTo(mdiForm));
            shown = testsupport::saveScreenshot(mdiForm, "restore_label");
        });
        mdiForm->RestoreClick();
        QVERIFY(!shown.isEmpty());

        // 数据总清 warns before anything happens; Cancel empties nothing.
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '翠苑一区')");
        shown.clear();
        onNext<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->buttons().size(), 2);
            QVERIFY(box->text().startsWith("数据总清将完全删除数据"));
            shown = testsupport::saveScreenshot(box, "clear_question");
        });
        mdiForm->ClearClick();
        Msg::setScripted(true);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(app.db().scalar("SELECT count(*) FROM Region").toInt(), 1);
        QVERIFY(!anyLabelShown());
    }

    void theIniNamesTheBackupOffered_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("no file") << QString() << "Region";
        QTest::newRow("no section") << "[Other]\nInitial Catalog=Office\n" << "Region";
        QTest::newRow("no key") << "[Database]\nCatalog=Office\n" << "Region";
        QTest::newRow("empty value") << "[Database]\nInitial Catalog=\n" << "Region";
        QTest::newRow("named") << "; comment\n[Database]\nInitial Catalog = 翠苑 \n" << "翠苑";
        QTest::newRow("any case, BOM, CRLF") << "\xEF\xBB\xBF[DATABASE]\r\ninitial catalog=Office\r\n" << "Office";
    }
    void theIniNamesTheBackupOffered()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        const QString ini = scratchPath("wygl.INI");
        QFile::remove(ini);
        if (!text.isNull()) {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text.toUtf8());
        }
        QCOMPARE(app::iniDatabaseName(ini), name);
    }

    void helpOpensOneWindowAndSaysWhenTheFileIsMissing()
    {
        AppFixture app;
        const QString keep = QDir::currentPath();
        const QString dir = scratchPath("helpdir");
        QDir().mkpath(dir);
        QDir::setCurrent(dir);
        QFile::remove("help.html");
        mdiForm->HelpClick();
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{" help.html 帮助文件损坏！"});

        QFile f("help.html");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><h1>房产管理</h1></body></html>");
        f.close();
        auto helpWindows = [] {
            QList<QWidget*> out;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == "帮助")
                    out << w;
            return out;
        };
        mdiForm->HelpClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* first = helpWindows().value(0);
        QVERIFY(first);
        mdiForm->HelpClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(helpWindows().size(), 1);
        auto* shown = helpWindows().first()->findChild<QTextBrowser*>();
        QVERIFY(shown->toPlainText().contains("房产管理"));
        helpWindows().first()->close();
        QDir::setCurrent(keep);
    }
};

WYGL_TEST(TestBackup)
#include "tst_Backup.moc"
