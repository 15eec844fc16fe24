#include "platform/data/Error.h"
#include "session/DMRegion.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

class TestDataModule : public QObject {
    Q_OBJECT
private slots:
    void opensTheStartupTablesInTheirOrder()
    {
        // The order the office's start-up has always used.
        const QStringList expected = QString(
            "AT_Users AT_Popedom AT_IncI AT_culture AT_Job AT_ZhZ AT_ZhJ AT_Folk AT_Nexus AT_RoomType AT_FeeType "
            "AT_ReperType AT_ShPType AT_FixSys AT_FixType AT_FileType AT_BoanUse AT_BoanPost AT_BoanPost1 AT_Patrol "
            "AT_BoanAffair AT_BojeUse AT_BojePost AT_BojePost1 AT_BojeWork AT_FirUse AT_FirCheck AT_CarPosit AT_CarM "
            "AT_Appeal AT_PrjType AT_PeixType AT_MeetType AT_HuodType AT_Plans AT_Peix AT_Campaign AT_Meeting "
            "AT_Project AT_Tools AT_Fixing AT_Spare AT_Mend AT_Egis AT_IOput AT_Output AT_Accept AT_Send AT_Pact "
            "AT_Employee AT_Award AT_UseType AT_Member AT_Region AT_Build AT_Reg AT_Buid AT_Units AT_Room AT_Regs "
            "AT_FeeType1 AT_CWSet AT_DataSend").split(' ');
        QCOMPARE(expected.size(), 63);
        QCOMPARE(TDM::startupOrder(), expected);

        TDM dm;
        dm.openOn(testsupport::freshDatabase());
        for (const QString& n : expected)
            QVERIFY2(dm.dataSet(n)->isActive(), qPrintable(n));
        QVERIFY(!dm.AT_vfee->isActive());
        QVERIFY(!dm.AQ_Man->isActive());
    }

    void initialStateOfTheSources()
    {
        TDM dm;
        QStringList on;
        for (QObject* o : dm.children())
            if (auto* s = qobject_cast<data::DataSource*>(o); s && s->enabled())
                on << s->objectName();
        on.sort();
        QCOMPARE(on, QStringList({"DS_FeeLx", "DS_Reg", "DS_vfee"}));
        for (const char* n : {"DS_Bud", "DS_Unites", "DS_Rooms", "DS_Reg"})
            QVERIFY2(!dm.dataSource(n)->autoEdit(), n);
        QVERIFY(dm.DS_Region->autoEdit());
        QCOMPARE(dm.DS_Unites->dataSet(), dm.AQ_Units);
        QCOMPARE(dm.DS_Bud->dataSet(), dm.AQ_Bud);
        QCOMPARE(dm.AQ_Login->sqlText(), QString("select * from users\nwhere userName=:Name\nand userPass=:Pass"));
    }

    void onlyTheFirstLinkFollowsAtStartup()
    {
        auto c = testsupport::freshDatabase();
        for (QString r : {"1", "2"}) {
            c->exec("INSERT INTO Region (RegionId, RegionName) VALUES (?, ?)", {r, "区" + r});
            c->exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES (?, ?, ?)", {r, "B" + r, "楼" + r});
            c->exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName) VALUES (?, ?, ?, '1')",
                    {r, "B" + r, "楼" + r});
            c->exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum) VALUES (?, ?, ?, '1', '101')",
                    {r, "B" + r, "楼" + r});
            c->exec("INSERT INTO Member (OwnerId, mbName) VALUES (?, '家属')", {r});
        }
        TDM dm;
        dm.openOn(std::move(c));
        QCOMPARE(dm.AT_Buid->recordCount(), 1);
        QCOMPARE(dm.AT_Buid->fieldByName("RegionID")->asString(), QString("1"));
        QCOMPARE(dm.AT_Units->recordCount(), 2);
        QCOMPARE(dm.AT_Room->recordCount(), 2);
        QCOMPARE(dm.AT_Member->recordCount(), 2);
        dm.AT_Reg->next();
        QCOMPARE(dm.AT_Buid->fieldByName("RegionID")->asString(), QString("2"));
        // The building window enables its source: units follow from then on.
        dm.DS_Buid->setEnabled(true);
        QCOMPARE(dm.AT_Units->recordCount(), 1);
    }

    void missingTableOrOtherScaleFailsTheStart()
    {
        {
            auto c = testsupport::freshDatabase();
            c->exec("DROP TABLE FirCheck");
            TDM dm;
            try {
                dm.openOn(std::move(c));
                QFAIL("a database without FirCheck was accepted");
            } catch (const data::Error& e) {
                QVERIFY2(e.message().contains("FirCheck", Qt::CaseInsensitive), qPrintable(e.message()));
            }
        }
        {
            auto c = testsupport::freshDatabase();
            c->exec("DROP TABLE SFSet");
            c->exec("CREATE TABLE SFSet (rid integer, JSDate1 integer, JSDate2 integer, KXDate integer, "
                    "ZNJ numeric(18,2), JJQ varchar(2), FJQ varchar(2))");
            TDM dm;
            try {
                dm.openOn(std::move(c));
                QFAIL("a late-fee rate with two decimals was accepted");
            } catch (const data::Error& e) {
                QVERIFY2(e.message().contains("ZNJ"), qPrintable(e.message()));
            }
        }
    }

    void connectsThroughTheFileInTheWorkingFolder()
    {
        auto c = testsupport::freshDatabase();
        c.reset();
        QTemporaryDir dir;
        const QString udl = testsupport::writeConnFile(dir.path());
        TDM dm;
        dm.connectAndOpen(udl);
        QVERIFY(dm.AT_Users->isActive());
        TDM other;
        QVERIFY_THROWS_EXCEPTION(data::Error, other.connectAndOpen(dir.filePath("missing/conn.udl")));
    }
};

WYGL_TEST(TestDataModule)
#include "tst_DataModule.moc"
