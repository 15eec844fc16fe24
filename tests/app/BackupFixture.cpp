#include "app/BackupFixture.h"

#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"
#include "platform/data/Dialect.h"
#include "platform/data/SchemaCatalog.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

namespace testsupport {

namespace {

QString normalised(const QVariant& v, const data::ColumnDef* col)
{
    if (v.isNull())
        return QStringLiteral("<null>");
    if (!col)
        return v.toString();
    switch (col->type) {
    case data::ColType::Decimal:
        return data::Decimal::fromVariant(v).quantize(col->scale).toString();
    case data::ColType::DateTime:
        return v.metaType().id() == QMetaType::QDateTime ? v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                                         : v.toString();
    case data::ColType::Integer:
        return QString::number(v.toLongLong());
    default:
        return v.toString();
    }
}

}  // namespace

QString scratchPath(const QString& name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(name);
}

void seedEveryKind(data::Connection& c)
{
    const auto when = [&c](const char* text) {
        return c.dialect().dateTimeValue(QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate));
    };
    c.exec("INSERT INTO users (userID, userName, userPass, userPopedom) VALUES (1, 'admin', 'admin', 0)");
    c.exec("INSERT INTO users (userID, userName, userPass, userPopedom) VALUES (2, '出纳', 'pw', 1)");
    c.exec("INSERT INTO IncInfo (IncName, IncAddress) VALUES ('翠苑物业管理有限公司', '翠苑路1号')");
    c.exec("INSERT INTO Region (RegionId, RegionName, Address, ZDm) VALUES ('1', '翠苑一区', NULL, 1234.56)");
    c.exec("INSERT INTO Region (RegionId, RegionName, Address, ZDm) VALUES ('2', '要删除', '无', 1)");
    c.exec("INSERT INTO Region (RegionId, RegionName, Address, ZDm) VALUES ('3', '翠苑三区', '文一路', 0.05)");
    c.exec("DELETE FROM Region WHERE RegionId = '2'");
    c.exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, FeeID, FeeName, BCNum1, BCNum3, BYFee, inDate, "
           "BYHJ, SSJE, flag, DL) VALUES ('1', '1', '1', '101', '01', '水费', 100, NULL, 31.25, '202401', 41.75, "
           "41.75, '已收取', 2)");
    c.exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, FeeID, FeeName, BYFee, inDate, BYHJ) "
           "VALUES ('1', '1', '1', '101', '02', '管理费', 99999999.99, '202402', 0.1)");
    c.exec("INSERT INTO SFSJ (RegionId, RoomNum, KPDate, FeeName, FSje) VALUES ('1', '101', ?, '水费、电费', 41.75)",
           {when("2024-01-05T10:20:30")});
    c.exec("INSERT INTO SFSJ (RegionId, RoomNum, KPDate, FeeName, FSje) VALUES ('3', '202', ?, '管理费', 0)",
           {when("2024-02-29T23:59:59")});
    c.exec("INSERT INTO NZBB (QYmc, CLDate, XMhj1, XMhj2) VALUES ('翠苑物业', ?, 12, 3456.7)",
           {when("1999-12-31T00:00:00")});
    c.exec("INSERT INTO Tools (ToolId, ToolName, ToolS) VALUES (7, '梯子 \"铝\" \\ 合金', -3)");
}

QStringList dumpAll(data::Connection& c)
{
    QStringList out;
    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        QStringList cols{QLatin1String(data::kRowIdColumn)};
        for (const data::ColumnDef& col : t.columns)
            cols << QLatin1String(col.name);
        QSqlQuery q = c.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                 .arg(cols.join(u','), QLatin1String(t.name), QLatin1String(data::kRowIdColumn)));
        while (q.next()) {
            QStringList line{QLatin1String(t.name)};
            for (int i = 0; i < cols.size(); ++i)
                line << normalised(q.value(i), i == 0 ? nullptr : &t.columns[size_t(i - 1)]);
            out << line.join(u'|');
        }
    }
    return out;
}

}  // namespace testsupport
