// The documents received and sent and the contracts: their numbers, the
// dates Add writes, the paper's text, and searches over text dates.

#include "RegisterDriver.h"
#include "operations/documents/DocumentRegisters.h"
#include "operations/documents/DocumentSearches.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;
using namespace registertest;

namespace {

void papers(data::Connection& c)
{
    const char* accept = "INSERT INTO AcceptFile (FileId, FileTitle, FWDate, SWDate) VALUES (?, ?, ?, ?)";
    c.exec(accept, {"A1", "年终通知", "2023-12-20", "2023-12-31"});
    c.exec(accept, {"A2", "新年通知", "2023-12-28", "2024-01-01"});
    c.exec(accept, {"A3", "O'Neil 来函", "2024-01-05", "2024-01-10"});
    c.exec("INSERT INTO SendFile (FileID, FileTitle, FWDate) VALUES ('S1', '回复', '2024-01-02')");
    const char* pact = "INSERT INTO Pact (PactId, PactName, QDDate, SXDate, ZZDate) VALUES (?, ?, ?, ?, ?)";
    c.exec(pact, {"C1", "保洁外包", "2023-12-31", "2024-01-01", "2024-12-31"});
    c.exec(pact, {"C2", "电梯维保", "2024-01-01", "2024-02-01", "2025-01-31"});
}

}  // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    // What Add writes, the number required and kept unique when it is
    // changed by a modification too, and the confirmation before a delete.
    void numbersAndDates_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("taken");  // another paper's number
        QTest::addColumn<QString>("empty");  // the required-number warning
        QTest::addColumn<QStringList>("today");  // date edits Add fills in
        QTest::addColumn<QStringList>("blank");  // date edits Add leaves empty
        QTest::newRow("received") << "TfrmAccept" << "AcceptFile" << "FileId" << "A2" << "公文编号不能为空！"
                                  << QStringList{"DBE_FWDate", "DBE_SWDate"} << QStringList{};
        QTest::newRow("sent") << "TfrmSend" << "SendFile" << "FileID" << "S1" << "公文编号不能为空！"
                              << QStringList{"DBE_FWDate"} << QStringList{};
        QTest::newRow("contracts") << "TfrmPact" << "Pact" << "PactId" << "C2" << "合同编号不能为空！" << QStringList{}
                                   << QStringList{"DBE_QDDate", "DBE_SXDate", "DBE_ZZDate"};
    }
    void numbersAndDates()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, table);
        QFETCH(QString, number);
        QFETCH(QString, taken);
        QFETCH(QString, empty);
        QFETCH(QStringList, today);
        QFETCH(QStringList, blank);
        AppFixture app("1", papers);
        auto count = [&](const QString& id) {
            return app.db().scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(table, number), {id}).toInt();
        };
        RegisterEditor* w = openRegister(qPrintable(windowClass));
        QVERIFY(w->mdiSubWindow()->isMaximized());
        w->TB_AddClick();
        QVERIFY(w->DBE_ID->text().isEmpty());
        for (const QString& d : today)
            QCOMPARE(textOf(w, d), QDate::currentDate().toString("yyyy-MM-dd"));
        for (const QString& d : blank)
            QVERIFY2(w->dataSet()->fieldByName(d.mid(4))->isNull(), qPrintable(d));
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{empty});
        setText(w, w->DBE_ID->objectName(), "N1");
        w->TB_SaveClick();
        QCOMPARE(count("N1"), 1);

        // The number stays editable, but not to another paper's.
        w->TB_ModiClick();
        QVERIFY(w->DBE_ID->isEnabled());
        setText(w, w->DBE_ID->objectName(), taken);
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).last(), QString("该单号记录已存在！重新输入。"));
        QCOMPARE(count(taken), 1);
        setText(w, w->DBE_ID->objectName(), "N2");
        w->TB_SaveClick();
        QCOMPARE(count("N2"), 1);
        QCOMPARE(count("N1"), 0);

        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确定要删除该记录吗?"});
        QCOMPARE(count("N2"), 1);
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(count("N2"), 0);
    }

    // The paper's text, on its own page, takes at most 800 characters.
    void theTextPage()
    {
        AppFixture app("1", papers);
        RegisterEditor* w = openRegister("TfrmSend");
        auto* pages = w->findChild<QTabWidget*>();
        QCOMPARE(pages->tabText(1), QString("内容"));
        auto* text = qobject_cast<ui::DBMemo*>(w->control("DBR_Details"));
        QCOMPARE(text->parentWidget(), pages->widget(1));
        w->TB_ModiClick();
        text->setText(QString(790, QChar(0x6587)) + QString(20, 'x'));
        QCOMPARE(text->text().size(), 800);
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT Details FROM SendFile").toString().size(), 800);
        pages->setCurrentIndex(1);
        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), "send-text").isEmpty());
        pages->setCurrentIndex(0);
        QVERIFY(!testsupport::saveScreenshot(w->mdiSubWindow(), "send").isEmpty());
    }

    // Text dates are stored "yyyy-MM-dd" and the searches write a typed date
    // the same way, so they compare in date order across a year's end; a
    // quote in a value is a character; the empty last entry is refused.
    void searchingTextDates()
    {
        AppFixture app("1", papers);
        RegisterEditor* w = openRegister("TfrmAccept");
        w->TB_FindClick();
        SearchForm* f = frmAccFind;
        addCondition(f, "", "收件日期", ">", "2023/12/31");
        QCOMPARE(f->conditions().value(0).value, QString("2023-12-31"));
        addCondition(f, "并且", "发文日期", "<", "2024-1-5");
        f->TB_FindClick();
        QCOMPARE(found(f, "FileId"), QStringList{"A2"});
        f->TB_ClearClick();
        addCondition(f, "", "文件标题", "=", "O'Neil 来函");
        f->TB_FindClick();
        QCOMPARE(found(f, "FileId"), QStringList{"A3"});

        RegisterEditor* p = openRegister("TfrmPact");
        p->TB_FindClick();
        SearchForm* pf = frmPactFind;
        QCOMPARE(pf->CB_ZD->itemText(pf->CB_ZD->count() - 1), QString());
        QCOMPARE(pf->CB_ZD->findText("终止日期"), -1);
        addCondition(pf, "", "签定日期", ">", "2023-12-31");
        pf->TB_FindClick();
        QCOMPARE(found(pf, "PactId"), QStringList{"C2"});
        Msg::clearLog();
        pf->CB_ZD->setCurrentIndex(pf->CB_ZD->count() - 1);
        pf->E_Value->setText("1");
        pf->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Plain).size(), 1);
        QCOMPARE(pf->conditions().size(), 1);
    }
};

WYGL_TEST(TestDocuments)
#include "tst_Documents.moc"
