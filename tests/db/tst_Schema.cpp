#include "platform/data/Decimal.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"
#include "session/DatabaseSetup.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using data::ColType;

namespace {
const char* typeName(ColType t)
{
    switch (t) {
    case ColType::String: return "string";
    case ColType::Integer: return "integer";
    case ColType::Decimal: return "decimal";
    case ColType::DateTime: return "datetime";
    case ColType::Memo: return "memo";
    }
    return "?";
}
}  // namespace

class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void everyTableAndColumnAsExpected()
    {
        auto c = testsupport::freshDatabase();
        const auto& tables = data::systemTables();
        int tableCount = 0, viewCount = 0;
        for (const auto& t : tables) {
            (t.isView ? viewCount : tableCount)++;
            QVERIFY2(c->hasTable(t.name), t.name);
            const auto cols = c->dialect().columns(*c, t.name);
            QStringList problems;
            int matched = 0;
            for (const auto& want : t.columns) {
                auto it = std::find_if(cols.begin(), cols.end(), [&](const data::ColumnInfo& ci) {
                    return ci.name.compare(want.name, Qt::CaseInsensitive) == 0;
                });
                if (it == cols.end()) {
                    problems << QString("%1 missing").arg(want.name);
                    continue;
                }
                ++matched;
                // Long text is declared unbounded on both backends.
                if (it->type != want.type)
                    problems << QString("%1 is %2, expected %3").arg(want.name, typeName(it->type), typeName(want.type));
                else if ((want.type == ColType::String || want.type == ColType::Integer) && it->width != want.width)
                    problems << QString("%1 width %2, expected %3").arg(want.name).arg(it->width).arg(want.width);
                else if (want.type == ColType::Decimal && (it->scale != want.scale || it->precision != want.precision))
                    problems << QString("%1 is (%2,%3), expected (%4,%5)")
                                    .arg(want.name)
                                    .arg(it->precision)
                                    .arg(it->scale)
                                    .arg(want.precision)
                                    .arg(want.scale);
            }
            for (const auto& have : cols) {
                const bool known = have.name.compare(data::kRowIdColumn, Qt::CaseInsensitive) == 0
                    || std::any_of(t.columns.begin(), t.columns.end(), [&](const data::ColumnDef& d) {
                           return have.name.compare(d.name, Qt::CaseInsensitive) == 0;
                       });
                if (!known)
                    problems << QString("unexpected column %1").arg(have.name);
            }
            QVERIFY2(problems.isEmpty(), qPrintable(QString("%1: %2").arg(t.name, problems.join("; "))));
            QCOMPARE(matched, int(t.columns.size()));
        }
        QCOMPARE(tableCount, 67);
        QCOMPARE(viewCount, 1);
    }

    void defaultsTheSystemReliesOn()
    {
        auto c = testsupport::freshDatabase();
        c->exec("INSERT INTO Rooms (RegionID, BuildId, UnitName, RoomNum) VALUES ('1','1','1','101')");
        QCOMPARE(c->scalar("SELECT UState FROM Rooms").toString(), QString("A"));
        c->exec("INSERT INTO FeeType1 (FeeId, FeeName) VALUES ('01','水费')");
        QCOMPARE(c->scalar("SELECT JLFlag FROM FeeType1").toString(), QString("A"));
        c->exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, inDate) VALUES ('1','1','1','101','202401')");
        QCOMPARE(c->scalar("SELECT flag FROM Fee").toString(), QString("未收取"));
        QVERIFY_THROWS_EXCEPTION(data::Error, c->exec("INSERT INTO Fee (RoomNum, flag) VALUES ('1', NULL)"));
    }

    void identitiesAreAssignedInOrder()
    {
        auto c = testsupport::freshDatabase();
        for (int i = 0; i < 3; ++i)
            c->exec("INSERT INTO SFSJ (RoomNum) VALUES (?)", {QString::number(i)});
        QCOMPARE(c->scalar("SELECT count(DISTINCT SJNum) FROM SFSJ").toInt(), 3);
        QCOMPARE(c->scalar("SELECT SJNum FROM SFSJ WHERE RoomNum = '2'").toLongLong()
                     - c->scalar("SELECT SJNum FROM SFSJ WHERE RoomNum = '0'").toLongLong(),
                 2LL);
        c->exec("INSERT INTO NZBB DEFAULT VALUES");
        QVERIFY(!c->scalar("SELECT ID FROM NZBB").isNull());
    }

    void identicalRowsAreAllowed()
    {
        auto c = testsupport::freshDatabase();
        for (int i = 0; i < 2; ++i) {
            c->exec("INSERT INTO FeeSet (RegionId, FeeId) VALUES ('1','01')");
            c->exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1','一区')");
        }
        QCOMPARE(c->scalar("SELECT count(*) FROM FeeSet").toInt(), 2);
        QCOMPARE(c->scalar("SELECT count(*) FROM Region").toInt(), 2);
    }

    void viewJoinsFeeWithRoomAreas()
    {
        auto c = testsupport::freshDatabase();
        c->exec("INSERT INTO Rooms (RegionID, BuildId, UnitName, RoomNum, JZm, SYm) "
                "VALUES ('1','2','1','101', 80.10, 60.5)");
        c->exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, FeeID, inDate) "
                "VALUES ('1','2','1','101','03','202405')");
        QSqlQuery q = c->exec("SELECT JZm, SYm, FeeID FROM v_feeset");
        QVERIFY(q.next());
        QCOMPARE(data::Decimal::fromVariant(q.value(0)).toString(), QString("80.1"));
        QCOMPARE(q.value(2).toString(), QString("03"));
    }

    void setupAddsAccountAndCompanyAndRefusesASecondTime()
    {
        auto c = testsupport::emptyDatabase();
        session::setupNewDatabase(*c);
        QCOMPARE(c->scalar("SELECT count(*) FROM users WHERE userPopedom = 0").toInt(), 1);
        QCOMPARE(c->scalar("SELECT userName FROM users").toString(), QString("admin"));
        QCOMPARE(c->scalar("SELECT count(*) FROM IncInfo").toInt(), 1);
        try {
            session::setupNewDatabase(*c);
            QFAIL("a database with tables was set up again");
        } catch (const data::Error& e) {
            QVERIFY(e.message().contains("已有数据表"));
        }
        QCOMPARE(c->scalar("SELECT count(*) FROM users").toInt(), 1);
    }

    void scriptSplitter()
    {
        const auto s = session::splitSqlScript("-- a comment\nCREATE TABLE a (x int);\n\nCREATE TRIGGER t AFTER INSERT ON a "
                                           "BEGIN UPDATE a SET x = 1; END;\nCREATE VIEW v AS\n SELECT x\n FROM a;\n");
        QCOMPARE(s.size(), 3);
        QCOMPARE(s[0], QString("CREATE TABLE a (x int)"));
        QVERIFY(s[1].endsWith("END;"));
        QVERIFY(s[2].startsWith("CREATE VIEW v AS"));
    }
};

WYGL_TEST(TestSchema)
#include "tst_Schema.moc"
