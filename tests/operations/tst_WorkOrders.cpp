// The repair and maintenance orders: what Modify keeps fixed, what a failed
// save keeps, memos that take only what the printed form holds, and the
// two forms on the display list, each saved as a PNG to be looked at.

#include "app/Main.h"
#include "app/Openers.h"
#include "operations/equipment/WorkOrder.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/PrintHelpers.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/PageFinds.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using testsupport::hasLine;
using testsupport::textAt;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kCompany = QStringLiteral("翠苑物业管理有限公司");
const QChar kHan(0x6C34);  // 水: two display columns

WorkOrder* openOrder(const QString& windowClass)
{
    runOpener(*findOpener(windowClass == "TfrmMend" ? "Mend" : "Egis"), mdiForm);
    WorkOrder* w = windowClass == "TfrmMend" ? static_cast<WorkOrder*>(frmMend) : frmEgis;
    w->CheckBox->click();
    return w;
}

ui::DBEdit* edit(WorkOrder* w, const QString& name)
{
    return qobject_cast<ui::DBEdit*>(w->control(name));
}

ui::DBMemo* memo(WorkOrder* w, const QString& name)
{
    return qobject_cast<ui::DBMemo*>(w->control(name));
}

// One stored order of either kind: number W1, ordered by 王 on 2024-03-05.
void oneOrder(data::Connection& c, const QString& table, const QString& key)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES (?)", {kCompany});
    c.exec(QStringLiteral("INSERT INTO %1 (%2, fixName, XiadMan, XiadDate, XiadTime) VALUES (?, ?, ?, ?, ?)")
               .arg(table, key),
           {"W1", "水泵", "王", "2024-03-05 00:00:00", "1899-12-30 08:30:00"});
}

void orderKinds()
{
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("keyEdit");
    QTest::addColumn<QString>("required");
    QTest::newRow("repair") << "TfrmMend" << "Mend" << "MendId" << "DBE_MendID" << "维修单号、下单人员均不能为空！";
    QTest::newRow("maintenance") << "TfrmEgis" << "Egis" << "EgisId" << "DBE_EgisID"
                                 << "保养单号、下单人员均不能为空！";
}

}  // namespace

class TestWorkOrders : public QObject {
    Q_OBJECT
private slots:
    // Once saved, an order keeps its number and the person who ordered it;
    // its date and time are those of Add and are never typed.
    void modifyKeepsTheOrderFixed_data() { orderKinds(); }
    void modifyKeepsTheOrderFixed()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, keyEdit);
        QFETCH(QString, required);
        AppFixture app("1", [&](data::Connection& c) { oneOrder(c, table, key); });
        WorkOrder* w = openOrder(windowClass);
        w->TB_ModiClick();
        for (QWidget* c : w->dataEdits()) {
            const bool fixed = c->objectName() == keyEdit || c->objectName() == "DBE_XiadMan";
            QVERIFY2(c->isEnabled() != fixed, qPrintable(c->objectName()));
        }
        QVERIFY(!edit(w, "DBE_XiadDate")->isEnabled() && !edit(w, "DBE_XiadTime")->isEnabled());
        edit(w, "DBE_Fixname")->setText("电梯");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(app.db().scalar("SELECT fixName FROM " + table).toString(), QString("电梯"));

        // A new order opens both; without the person who ordered it the
        // save says so and keeps everything typed where it was.
        w->TB_AddClick();
        QVERIFY(edit(w, keyEdit)->isEnabled() && edit(w, "DBE_XiadMan")->isEnabled());
        QCOMPARE(edit(w, "DBE_XiadDate")->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        edit(w, keyEdit)->setText("W2");
        edit(w, "DBE_Fixname")->setText("水箱");
        edit(w, "DBE_Judge")->setText("赵");
        edit(w, "DBE_Judge")->setFocus();
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{required});
        QCOMPARE(edit(w, keyEdit)->text(), QString("W2"));
        QCOMPARE(edit(w, "DBE_Fixname")->text(), QString("水箱"));
        QCOMPARE(edit(w, "DBE_Judge")->text(), QString("赵"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(edit(w, "DBE_Judge")));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        edit(w, "DBE_XiadMan")->setText("李");
        w->TB_SaveClick();
        QCOMPARE(Msg::log().size(), 1);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM " + table).toInt(), 2);
        QCOMPARE(app.db().scalar(QStringLiteral("SELECT XiadDate FROM %1 WHERE %2 = 'W2'").arg(table, key))
                     .toDateTime()
                     .date(),
                 QDate::currentDate());
    }

    // An empty register offers only Add; a new order is not printed, and
    // an empty one is refused rather than printed full of "--".
    void anEmptyRegister_data() { orderKinds(); }
    void anEmptyRegister()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1");
        WorkOrder* w = openOrder(windowClass);
        QVERIFY(w->TB_Add->isEnabled() && !w->TB_Modi->isEnabled() && !w->TB_Delete->isEnabled());
        w->TB_PrintClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"不能打印空记录！"});
        QVERIFY(w->RvSystem->LastDocument().pages.empty());
        w->TB_AddClick();
        QVERIFY(w->TB_Delete->isEnabled() && !w->TB_Print->isEnabled());
        w->TB_CancelClick();
        QVERIFY(!w->TB_Modi->isEnabled() && !w->TB_Delete->isEnabled() && w->TB_Print->isEnabled());
    }

    // A memo takes what its band prints whole: 3 lines of 72 display
    // columns on the repair order, 6 of 60 on the maintenance order. A
    // Chinese character that would straddle a line's end starts the next
    // line, so a band may hold a column less than its width.
    void memosHoldWhatTheFormPrints_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("memoName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString a = QStringLiteral("A");
        QTest::newRow("repair, Chinese") << "TfrmMend" << "DBM_HitchTale" << QString(150, kHan) << QString(108, kHan);
        QTest::newRow("repair, a straddling character")
            << "TfrmMend" << "DBM_Cause" << a + QString(150, kHan) << a + QString(107, kHan);
        QTest::newRow("repair, blanks around cost nothing")
            << "TfrmMend" << "DBM_Materiel" << "  " + QString(108, kHan) + "  " << "  " + QString(108, kHan) + "  ";
        QTest::newRow("repair, ASCII fits the column") << "TfrmMend" << "DBM_Gut" << QString(180, 'x')
                                                      << QString(180, 'x');
        QTest::newRow("maintenance, material")
            << "TfrmEgis" << "DBM_Materiel" << a + QString(199, kHan) << a + QString(179, kHan);
        QTest::newRow("maintenance, appraisal") << "TfrmEgis" << "DBM_EgisJudge" << QString(100, kHan)
                                                << QString(100, kHan);
    }
    void memosHoldWhatTheFormPrints()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, memoName);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        AppFixture app("1");
        WorkOrder* w = openOrder(windowClass);
        w->TB_AddClick();
        ui::DBMemo* m = memo(w, memoName);
        m->setFocus();
        m->insertPlainText(typed);  // typed or pasted
        QCOMPARE(m->text(), kept);
        m->setText(typed);  // set by the program
        QCOMPARE(m->text(), kept);

        edit(w, w->DBE_ID->objectName())->setText("W1");
        edit(w, "DBE_XiadMan")->setText("王");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        const QString field = m->dataField();
        const QVariant stored = app.db().scalar(QStringLiteral("SELECT %1 FROM %2").arg(field, w->registerConfig().record.table));
        int lines = 0;
        for (const auto& [f, n] : w->layout().memos())
            if (f.compare(field, Qt::CaseInsensitive) == 0)
                lines = n;
        QCOMPARE(orderMemoLines(stored, w->layout().wrapWidth, lines).join(""), kept.trimmed());
    }

    // Both forms on the display list: heading, title and head line, the
    // frame, memos in lines of the form's width, a null value as "--".
    void theForms_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("values");    // column=value, ...
        QTest::addColumn<QStringList>("texts");  // "x,y=text"
        const QString x72(72, 'x'), x60(60, 'x'), han36(36, kHan), han30(30, kHan);
        QTest::newRow("repair") << "TfrmMend" << "Mend" << "MendId"
                                << QString("hitchTale=%1;Cause=%2;hitchDate=2024-03-01")
                                       .arg(QString(150, 'x'), QString(108, kHan))
                                << QStringList{"0.5,1.9=维修单号： W1",
                                               "3.2,1.9=下单人： 王",
                                               "6.0,1.9=下单时间： 2024-03-05",
                                               "0.7,2.32=设备名称",
                                               "1.65,2.32=水泵",
                                               "1.65,2.72=2024-03-01",
                                               "4.05,2.72=--",
                                               "1.65,3.02=" + x72,
                                               "1.65,3.2=" + x72,
                                               "1.65,3.4=xxxxxx",
                                               "1.65,3.92=--",
                                               "0.6,4.92=开始维修日期",
                                               "1.65,5.22=" + han36,
                                               "1.65,5.4=" + han36,
                                               "1.65,5.6=" + han36,
                                               "0.72,8.22=鉴定人",
                                               "1.65,8.22=--",
                                               "4.55,8.22=--",
                                               "0.85,9.0=备  注"};
        QTest::newRow("maintenance") << "TfrmEgis" << "Egis" << "EgisId"
                                     << QString("EgisJudge=%1;Materiel=%2").arg(QString(100, 'x'), QString(180, kHan))
                                     << QStringList{"0.5,1.9=保养单号： W1",
                                                    "0.7,2.32=设备名称",
                                                    "1.65,2.32=水泵",
                                                    "1.65,2.72=--",
                                                    "1.0,3.3=所",
                                                    "1.0,4.05=料",
                                                    "1.65,3.1=" + han30,
                                                    "1.65,4.13=" + han30,
                                                    "1.0,5.2=保",
                                                    "1.0,5.95=定",
                                                    "1.65,4.82=" + x60,
                                                    "1.65,5.05=" + QString(40, 'x'),
                                                    "0.76,6.72=鉴定人",
                                                    "1.65,6.72=--",
                                                    "4.55,6.72=--",
                                                    "0.85,8.0=备  注"};
    }
    void theForms()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, values);
        QFETCH(QStringList, texts);
        AppFixture app("1", [&](data::Connection& c) {
            oneOrder(c, table, key);
            for (const QString& pair : values.split(';')) {
                const QStringList kv = pair.split('=');
                c.exec(QStringLiteral("UPDATE %1 SET %2 = ?").arg(table, kv[0]), {kv[1]});
            }
        });
        WorkOrder* w = openOrder(windowClass);
        w->TB_ModiClick();
        w->TB_PrintClick();
        QCOMPARE(w->ModeFlag(), QString("N"));
        const report::Document& doc = w->RvSystem->LastDocument();
        QCOMPARE(int(doc.pages.size()), 1);
        const report::Page& p = doc.pages[0];
        const QStringList all = testsupport::pageTexts(p);
        QCOMPARE(all.value(0), kCompany);
        QCOMPARE(p.texts[0].font.size, 32.0);
        QVERIFY(p.texts[0].font.underline);
        QCOMPARE(all.value(1), w->layout().title);
        for (const QString& t : texts) {
            const QStringList at = t.section('=', 0, 0).split(',');
            const report::TextItem* item = textAt(p, at[0].toDouble(), at[1].toDouble());
            QVERIFY2(item, qPrintable(t));
            QCOMPARE(item->text, t.section('=', 1));
            QCOMPARE(item->font.size, 11.0);
        }
        QCOMPARE(p.rects.size(), size_t(1));
        QVERIFY(hasLine(p, 1.6, 2.0, 1.6, 10.0));
        QVERIFY(hasLine(p, 0.5, 2.4, 7.7, 2.4));
        QVERIFY(hasLine(p, 2.9, 2.4, 2.9, 2.8));
        QVERIFY(hasLine(p, 6.5, 10.65, 7.7, 10.65));
        const report::TextItem& footer = p.texts.back();
        QCOMPARE(footer.text, QString("主管签字") + QString(18, ' '));
        QCOMPARE(footer.align, report::pjRight);
        QCOMPARE(footer.font.size, 14.0);
        QVERIFY(report::savePagePng(doc, 0, testsupport::screenshotDir() + "/" + table.toLower() + "-order.png"));
    }
};

WYGL_TEST(TestWorkOrders)
#include "tst_WorkOrders.moc"
