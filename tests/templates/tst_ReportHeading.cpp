// The printouts' heading: the stored company name, or nothing at all.

#include "platform/report/OutputSeam.h"
#include "platform/report/PageWriter.h"
#include "platform/report/ReportSystem.h"
#include "property/OwnerSheet.h"
#include "session/DMRegion.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"
#include "templates/ReportHeading.h"

using testsupport::AppFixture;

class TestReportHeading : public QObject {
    Q_OBJECT
private slots:
    void theStoredCompanyName_data()
    {
        QTest::addColumn<QString>("inserts");
        QTest::addColumn<QString>("heading");
        QTest::newRow("no row") << "" << "";
        QTest::newRow("null name") << "INSERT INTO IncInfo (IncAddress) VALUES ('翠苑路1号')" << "";
        QTest::newRow("empty name") << "INSERT INTO IncInfo (IncName) VALUES ('')" << "";
        QTest::newRow("a name") << "INSERT INTO IncInfo (IncName) VALUES ('翠苑物业管理有限公司')"
                                << "翠苑物业管理有限公司";
        QTest::newRow("the first of two rows") << "INSERT INTO IncInfo (IncName) VALUES ('甲公司');"
                                                  "INSERT INTO IncInfo (IncName) VALUES ('乙公司')"
                                               << "甲公司";
    }

    void theStoredCompanyName()
    {
        QFETCH(QString, inserts);
        QFETCH(QString, heading);
        AppFixture app("1", [&](data::Connection& c) {
            for (const QString& sql : inserts.split(';', Qt::SkipEmptyParts))
                c.exec(sql);
        });
        QCOMPARE(ReportHeading(), heading);

        // A name being typed, saved or not yet, is not the company's name.
        DM->DS_IncI->setEnabled(true);
        DM->AT_IncI->edit();
        DM->AT_IncI->fieldByName("IncName")->setAsString("未保存");
        QCOMPARE(ReportHeading(), heading);
        DM->AT_IncI->cancel();
    }

    void aPrintoutWithoutACompanyStillPrints()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO Owner (ownerId, ownerName) VALUES ('o1', '张三')");
        });
        int pages = 0;
        report::OutputSeam s;
        s.setup = [](const report::SetupChoice&) { return report::SetupChoice::fromAnswer("printer"); };
        s.printer = [&](const report::Document& d, const report::SetupChoice&) {
            pages += d.pageCount();
            return true;
        };
        report::ScopedOutputSeam seam(s);
        report::ReportSystem RvSystem;
        QObject::connect(&RvSystem, &report::ReportSystem::OnPrint, &RvSystem,
                         [](report::PageWriter& w) { printOwnerSheet(w, QStringLiteral("o1")); });
        QVERIFY(RvSystem.Execute());
        QCOMPARE(pages, 1);
        const report::Page& p = RvSystem.LastDocument().pages[0];
        QVERIFY(std::none_of(p.texts.begin(), p.texts.end(), [](const report::TextItem& t) { return t.font.size == 28; }));
        QVERIFY(std::any_of(p.texts.begin(), p.texts.end(), [](const report::TextItem& t) { return t.text == "张三"; }));
    }
};

WYGL_TEST(TestReportHeading)
#include "tst_ReportHeading.moc"
