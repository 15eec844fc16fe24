#include "support/BenchDb.h"

#include "platform/data/BatchInsert.h"
#include "session/DatabaseSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlRecord>

namespace bench {

namespace {

data::ConnectionSpec g_spec;
data::ConnectionSpec g_admin;   // the server's connection line, for dropping
QStringList g_made;             // databases (server) or files (embedded) made

void dropMade()
{
    if (qEnvironmentVariableIsSet("WYGL_BENCH_KEEP"))
        return;
    for (const QString& made : std::as_const(g_made)) {
        if (g_admin.backend == data::Backend::PostgreSQL) {
            // Connections the benchmark left open go with it.
            try {
                data::Connection::open(g_admin)->exec(
                    QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(made));
            } catch (const std::exception&) {
            }
        } else {
            for (const char* s : {"", "-wal", "-shm", "-journal"})
                QFile::remove(made + QLatin1String(s));
        }
    }
    g_made.clear();
}

void remember(const QString& made)
{
    if (g_made.isEmpty())
        qAddPostRoutine(dropMade);
    if (!g_made.contains(made))
        g_made << made;
}

}  // namespace

QString runName(const QString& base)
{
    return QStringLiteral("%1_%2").arg(base).arg(QCoreApplication::applicationPid());
}

const data::ConnectionSpec& target()
{
    return g_spec;
}

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double bareReadMs(const QString& select)
{
    auto c = data::Connection::open(g_spec);
    QElapsedTimer t;
    t.start();
    QSqlQuery q = c->newQuery();
    q.exec(select);
    const int n = q.record().count();
    qint64 cells = 0;
    while (q.next())
        for (int i = 0; i < n; ++i)
            cells += q.value(i).isValid();
    return cells > 0 ? ms(t) : 0;
}

const char* backendName(data::Backend b)
{
    return b == data::Backend::SQLite ? "SQLite" : "PostgreSQL";
}

std::unique_ptr<data::Connection> newDatabase(const QString& name)
{
    const QString db = name.isEmpty() ? runName(QStringLiteral("wygl_bench")) : name;
    const QString line = qEnvironmentVariable("WYGL_BENCH_CONN");
    if (!line.isEmpty()) {
        g_spec = data::parseConnectionLine(line, QDir::currentPath());
        g_admin = g_spec;
        auto admin = data::Connection::open(g_spec);
        admin->exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(db));
        admin->exec(QStringLiteral("CREATE DATABASE %1").arg(db));
        admin.reset();
        g_spec.database = db;
    } else {
        g_spec = data::ConnectionSpec();
        g_spec.backend = data::Backend::SQLite;
        g_admin = g_spec;
        g_spec.database = QDir::temp().filePath(db + QStringLiteral(".db"));
        QFile::remove(g_spec.database);
        QFile::remove(g_spec.database + QStringLiteral("-wal"));
        QFile::remove(g_spec.database + QStringLiteral("-shm"));
    }
    remember(g_spec.database);
    auto c = data::Connection::openForSetup(g_spec);
    session::setupNewDatabase(*c);
    return c;
}

void fill(data::Connection& c, const Size& s)
{
    data::Transaction tx(c);
    QSqlQuery reg = c.newQuery();
    reg.prepare(QStringLiteral("INSERT INTO Region (RegionId, RegionName, Address) VALUES (?, ?, ?)"));
    for (int d = 1; d <= s.districts; ++d) {
        reg.addBindValue(QString::number(d));
        reg.addBindValue(QStringLiteral("小区%1").arg(d));
        reg.addBindValue(QStringLiteral("幸福路%1号").arg(d));
        reg.exec();
    }
    QSqlQuery bld = c.newQuery();
    bld.prepare(QStringLiteral("INSERT INTO Build (RegionID, BuildId, BuildName, Csum) VALUES (?, ?, ?, ?)"));
    QSqlQuery unit = c.newQuery();
    unit.prepare(QStringLiteral("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName, KLNum, JLNum, KFNum, JFNum) "
                                "VALUES (?, ?, ?, ?, 1, 30, 1, 8)"));
    QSqlQuery room = c.newQuery();
    room.prepare(QStringLiteral("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, LCNum, FXNum, "
                                "HXName, JZm, SYm, Users, UserId, UState, inDate) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, '两室一厅', ?, ?, ?, ?, ?, ?)"));
    QSqlQuery own = c.newQuery();
    own.prepare(QStringLiteral("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName, UnitName, RoomNum, Sex, "
                               "Phone) VALUES (?, ?, ?, ?, ?, ?, '男', ?)"));
    QSqlQuery mem = c.newQuery();
    mem.prepare(QStringLiteral("INSERT INTO Member (OwnerId, memberID, mbName, sex) VALUES (?, ?, ?, '女')"));

    const int perDistrict = std::max(1, s.buildings / std::max(1, s.districts));
    const int perBuilding = std::max(1, s.rooms / std::max(1, s.buildings));
    int roomNo = 0, memberNo = 0;
    const int membersPerOwner = s.owners > 0 ? s.members / s.owners : 0;
    int extraMembers = s.owners > 0 ? s.members % s.owners : 0;
    for (int b = 0; b < s.buildings; ++b) {
        const QString regionId = QString::number(b / perDistrict % std::max(1, s.districts) + 1);
        const QString buildId = QString::number(b + 1);
        const QString buildName = QStringLiteral("%1号楼").arg(b + 1);
        bld.addBindValue(regionId);
        bld.addBindValue(buildId);
        bld.addBindValue(buildName);
        bld.addBindValue(30);
        bld.exec();
        for (int u = 1; u <= 2; ++u) {
            unit.addBindValue(regionId);
            unit.addBindValue(buildId);
            unit.addBindValue(buildName);
            unit.addBindValue(QString::number(u));
            unit.exec();
        }
        for (int r = 0; r < perBuilding && roomNo < s.rooms; ++r, ++roomNo) {
            const QString unitName = QString::number(r % 2 + 1);
            const int floor = r / 16 + 1;
            const int index = r / 2 % 8 + 1;
            const QString roomNum = QStringLiteral("%1%2").arg(floor).arg(index, 2, 10, QLatin1Char('0'));
            const bool occupied = roomNo < s.owners;
            const QString ownerId = occupied ? QString::number(roomNo + 1) : QString();
            const QString ownerName = occupied ? QStringLiteral("业主%1").arg(roomNo + 1) : QString();
            room.addBindValue(regionId);
            room.addBindValue(buildId);
            room.addBindValue(buildName);
            room.addBindValue(unitName);
            room.addBindValue(roomNum);
            room.addBindValue(floor);
            room.addBindValue(index);
            room.addBindValue(QStringLiteral("89.5"));
            room.addBindValue(QStringLiteral("72.25"));
            room.addBindValue(ownerName);
            room.addBindValue(ownerId);
            room.addBindValue(occupied ? QStringLiteral("B") : QStringLiteral("A"));
            room.addBindValue(occupied ? QStringLiteral("20235") : QString());
            room.exec();
            if (!occupied)
                continue;
            own.addBindValue(ownerId);
            own.addBindValue(ownerName);
            own.addBindValue(QStringLiteral("小区%1").arg(regionId));
            own.addBindValue(buildName);
            own.addBindValue(unitName);
            own.addBindValue(roomNum);
            own.addBindValue(QStringLiteral("13800000000"));
            own.exec();
            int n = membersPerOwner + (extraMembers > 0 ? 1 : 0);
            if (extraMembers > 0)
                --extraMembers;
            for (int m = 0; m < n; ++m, ++memberNo) {
                mem.addBindValue(ownerId);
                mem.addBindValue(QString::number(memberNo + 1));
                mem.addBindValue(QStringLiteral("家属%1").arg(memberNo + 1));
                mem.exec();
            }
        }
    }
    tx.commit();
}

void assignFees(data::Connection& c, int items)
{
    data::Transaction tx(c);
    const QStringList names{QStringLiteral("水费"), QStringLiteral("电费"), QStringLiteral("燃气费"),
                            QStringLiteral("物业费"), QStringLiteral("卫生费"), QStringLiteral("电梯费"),
                            QStringLiteral("停车费"), QStringLiteral("绿化费"), QStringLiteral("保安费")};
    for (int i = 0; i < items; ++i)
        c.exec(QStringLiteral("INSERT INTO FeeType1 (FeeId, FeeName, JNPrice, JWPrice, FeeD, JLFlag) "
                              "VALUES (?, ?, ?, ?, ?, ?)"),
               {QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')), names.value(i, QStringLiteral("费用%1").arg(i)),
                QStringLiteral("2.5"), QStringLiteral("3.2"), i < 3 ? QStringLiteral("吨") : QStringLiteral("平方米"),
                i < 3 ? QStringLiteral("A") : QStringLiteral("F")});
    c.exec(QStringLiteral("INSERT INTO FeeSet (RegionId, BuildID, UnitName, RoomNum, OwnerId, OwnerName, FeeId, FeeName, "
                          "JZm, BDS1, BDS2, BDS3, DL) "
                          "SELECT r.RegionID, r.BuildId, r.UnitName, r.RoomNum, r.UserId, r.Users, t.FeeId, t.FeeName, "
                          "r.JZm, 100, 200, NULL, 10 FROM Rooms r CROSS JOIN FeeType1 t WHERE r.UState = 'B' "
                          "ORDER BY r.rid, t.FeeId"));
    tx.commit();
}

void fillFeeMonth(data::Connection& c, const QString& period, bool someCollected)
{
    data::Transaction tx(c);
    c.exec(QStringLiteral("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, FeeName, "
                          "BCNum1, BCNum2, BCNum3, BMNum1, BMNum2, BMNum3, Counts, BYFee, inDate, FTFee, ZNJ, WYqk, "
                          "BYHJ, SSJE, flag, DL) "
                          "SELECT RegionId, BuildID, UnitName, RoomNum, OwnerId, OwnerName, FeeId, FeeName, "
                          "100, 200, NULL, 112.5, NULL, NULL, 12.5, 31.25, ?, 0, 0.5, 10, 41.75, "
                          "CASE WHEN ? = 1 AND rid % 3 = 0 THEN 41.75 END, "
                          "CASE WHEN ? = 1 AND rid % 3 = 0 THEN '已收取' ELSE '未收取' END, DL "
                          "FROM FeeSet ORDER BY rid"),
           {period, someCollected ? 1 : 0, someCollected ? 1 : 0});
    tx.commit();
}

void setLateFeeRate(data::Connection& c, const QString& rate)
{
    c.exec(QStringLiteral("DELETE FROM SFSet"));
    c.exec(QStringLiteral("INSERT INTO SFSet (JSDate1, JSDate2, KXDate, ZNJ) VALUES (10, 0, 5, ?)"), {rate});
}

void analyze(data::Connection& c)
{
    c.exec(QStringLiteral("ANALYZE"));
}

namespace {

const QStringList kPeople = {"张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊", "赵敏"};

// Dates and times as the program stores them.
QDate dateOf(int i)
{
    return QDate(2020, 1, 1).addDays(i % 1461);
}

QString dayOf(int i)
{
    return dateOf(i).toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
}

QString timeOf(int i)
{
    return QStringLiteral("1899-12-30 %1:%2:00").arg(8 + i % 10, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
}

QString numbered(const char* prefix, int i)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
}

}  // namespace

void fillPatrols(data::Connection& c, int count)
{
    data::Transaction tx(c);
    data::BatchInsert ins(c, "patrol",
                          {"patrolId", "patrolDate", "patrolTime", "patrolMan", "patrolluxian", "patrolGut",
                           "patrolResult"});
    for (int i = 1; i <= count; ++i)
        ins.add({numbered("X", i), dayOf(i / 68), timeOf(i), kPeople[i % kPeople.size()],
                 QStringLiteral("%1号楼至%2号楼").arg(i % 30).arg(i % 30 + 1), QStringLiteral("门禁、消防通道、照明"),
                 QStringLiteral("正常")});
    ins.flush();
    tx.commit();
}

void fillBusyRegisters(data::Connection& c, int count)
{
    fillPatrols(c, count);
    data::Transaction tx(c);
    {
        data::BatchInsert ins(c, "Appeal", {"AppealId", "AppealMan", "AppDate", "AppTime", "AppState", "AppGut"});
        for (int i = 1; i <= count; ++i)
            ins.add({numbered("T", i), kPeople[i % kPeople.size()], dayOf(i), timeOf(i), QStringLiteral("未解决"),
                     QStringLiteral("楼上夜间装修噪音扰民")});
        ins.flush();
    }
    for (const char* table : {"inputs", "outputs"}) {
        data::BatchInsert ins(c, table,
                              {"ioputID", "ioDate", "ioTime", "GoodsName", "reperName", "ioNum", "dept", "keeper"});
        for (int i = 1; i <= count; ++i)
            ins.add({numbered("V", i), dayOf(i), timeOf(i), QStringLiteral("物料%1").arg(i % 5000),
                     QStringLiteral("五金"), 1 + i % 20, QStringLiteral("工程部"), kPeople[i % kPeople.size()]});
        ins.flush();
    }
    {
        data::BatchInsert ins(c, "AcceptFile", {"FileId", "FWDept", "FileTitle", "FWDate", "SWDate", "Details"});
        for (int i = 1; i <= count; ++i)
            ins.add({numbered("W", i), QStringLiteral("街道办"), QStringLiteral("关于做好小区安全工作的通知"),
                     dateOf(i).toString("yyyy-MM-dd"), dateOf(i + 2).toString("yyyy-MM-dd"),
                     QStringLiteral("各物业服务企业：请认真做好辖区内的安全检查工作。")});
        ins.flush();
    }
    tx.commit();
}

}  // namespace bench
