// Every code-table window, opened through its opener, keeps its own table:
// the next code is the largest stored code + 1 and a named row is stored.

#include "CodeWindows.h"

#include "platform/data/Table.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "reference/CodeTables.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using ui::Msg;

class TestCodeTables : public QObject {
    Q_OBJECT
private slots:
    void eachWindowKeepsItsTable_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("codes");  // stored before, in row order
        QTest::addColumn<QString>("next");
        const QStringList lastIsNotLargest{"3", "9", "4"};
        QTest::newRow("education") << "XL" << "TfrmCulture" << "学历维护" << "cultureType" << QStringList{} << "1";
        QTest::newRow("job titles") << "Job" << "TfrmJob" << "  职称信息" << "jobType" << lastIsNotLargest << "10";
        QTest::newRow("political status") << "ZHz" << "TfrmZhZ" << "政治面貌" << "ZhZType" << QStringList{"1", "2"} << "3";
        QTest::newRow("documents") << "ZHj" << "TfrmZhJ" << "证件类型维护" << "ZhJType" << lastIsNotLargest << "10";
        QTest::newRow("ethnic groups") << "Folk" << "TfrmFolk" << "民族类别" << "folkType" << QStringList{"8", "7"} << "9";
        QTest::newRow("relations") << "Nexus" << "TfrmNexus" << "家庭关系设置" << "nexusType" << lastIsNotLargest << "10";
        QTest::newRow("layouts") << "RoomT" << "TfrmRoom" << "户型" << "roomType" << lastIsNotLargest << "10";
        QTest::newRow("fee types") << "FeeT" << "TfrmFeeType" << "费用类型设置" << "feeType" << lastIsNotLargest << "10";
        QTest::newRow("goods categories") << "RpT" << "TfrmReperType" << "物资类别" << "reperType" << lastIsNotLargest << "10";
        QTest::newRow("systems: text codes, only numbers count")
            << "FixS" << "TfrmFixSys" << "系统类别" << "fixSys" << QStringList{"3", "A7", "12", " 05", ""} << "13";
        QTest::newRow("equipment categories") << "FixT" << "TfrmFixType" << "设备类别设置" << "fixtype" << lastIsNotLargest << "10";
        QTest::newRow("goods names") << "PinM" << "TfrmShPType" << "商品明细" << "ShPType" << lastIsNotLargest << "10";
        QTest::newRow("document kinds") << "FileT" << "TfrmFileType" << "文件类型设置" << "fileType" << lastIsNotLargest << "10";
        QTest::newRow("use categories") << "UseType" << "TfrmUseType" << "使用类别" << "UseType" << lastIsNotLargest << "10";
        QTest::newRow("project kinds") << "PrjType" << "TfrmPrjType" << "工程类别设置" << "prjType" << lastIsNotLargest << "10";
        QTest::newRow("training kinds") << "PeixType" << "TfrmPeixType" << "培训类别设置" << "PeixType" << QStringList{} << "1";
        QTest::newRow("meeting kinds") << "MeetType" << "TfrmMeetType" << "会议类别设置" << "meetType" << lastIsNotLargest << "10";
        QTest::newRow("activity kinds") << "HuodType" << "TfrmHuodType" << "活动类别设置" << "HuodType" << lastIsNotLargest << "10";
    }
    void eachWindowKeepsItsTable()
    {
        QFETCH(QString, key);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        QFETCH(QStringList, codes);
        QFETCH(QString, next);
        AppFixture app("1");
        const CodeTableConfig& cfg = codeTableConfig(window.toLatin1().constData());
        codetest::seed(app.db(), cfg, codes);

        CodeTableEditor* w = codetest::openByKey(key);
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(qobject_cast<data::Table*>(w->dataSet())->tableName(), table);
        QCOMPARE(w->DBGrid1->model()->rowCount(), codes.size());

        w->CheckBox->click();
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), next);
        testsupport::typeInto(w->DBE_Name, "新名");
        if (w->DBE_Extra && w->DBE_Extra->isEnabled())
            testsupport::typeInto(w->DBE_Extra, "3.5");
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::texts(ui::MsgKind::Warning).join(u'|')));
        QCOMPARE(codetest::stored(app.db(), cfg).value(codes.size()), next + ":新名");
        QCOMPARE(w->DBGrid1->model()->rowCount(), codes.size() + 1);
        // The data module's handlers follow this window's data source.
        QVERIFY(!w->TB_Save->isEnabled());
    }
};

WYGL_TEST(TestCodeTables)
#include "tst_CodeTables.moc"
