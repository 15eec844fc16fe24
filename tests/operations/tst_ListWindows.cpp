// The lists kept in code-table windows (supplies, tools, spare parts, posts,
// parking positions): each opened through its menu item keeps its own table,
// and what sets the windows apart from the code tables.

#include "OpenTarget.h"

#include "operations/lists/ListWindows.h"
#include "platform/data/Table.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

QString tableOf(const CodeTableConfig& cfg)
{
    return qobject_cast<data::Table*>(DM->dataSet(cfg.dataSet))->tableName();
}

// Stores rows with these codes, named 名1, 名2, ...; posts get two shifts.
// The windows read their tables when they open.
void seed(data::Connection& c, const QString& target, const QStringList& codes)
{
    const CodeTableConfig& cfg = listWindowConfig(("Tfrm" + target).toLatin1().constData());
    const bool post = cfg.codeField == QStringLiteral("BPostId");
    const QString sql = post ? QStringLiteral("INSERT INTO %1 (%2, %3, BPBanshu) VALUES (?, ?, 2)")
                             : QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)");
    for (int i = 0; i < codes.size(); ++i)
        c.exec(sql.arg(tableOf(cfg), cfg.codeField, cfg.nameField),
               {post ? QVariant(codes[i].toInt()) : QVariant(codes[i]), QStringLiteral("名%1").arg(i + 1)});
}

// The stored rows: code, name and the further columns (or the note), by '|'.
QStringList stored(data::Connection& c, const CodeTableConfig& cfg)
{
    QStringList cols{cfg.codeField, cfg.nameField};
    for (const CodeExtraInput& m : cfg.more)
        cols << m.field;
    if (!cfg.noteField.isEmpty())
        cols << cfg.noteField;
    QStringList out;
    QSqlQuery q = c.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rid").arg(cols.join(u','), tableOf(cfg)));
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < cols.size(); ++i)
            values << data::variantToText(q.value(i)).trimmed();
        out << values.join(u'|');
    }
    return out;
}

// The name and the inputs after it, in the order the window shows them.
QList<QWidget*> details(CodeTableEditor* w)
{
    QList<QWidget*> out{w->DBE_Name};
    for (ui::DBEdit* e : w->DBE_More)
        out << e;
    if (auto* n = qobject_cast<CodeNoteEditor*>(w))
        out << n->DBM_Note;
    return out;
}

void type(QWidget* w, const QString& text)
{
    if (auto* memo = qobject_cast<ui::DBMemo*>(w))
        memo->setText(text);
    else
        typeInto(static_cast<QLineEdit*>(w), text);
}

QStringList texts(const QList<QWidget*>& inputs)
{
    QStringList out;
    for (QWidget* w : inputs)
        out << static_cast<QLineEdit*>(w)->text();
    return out;
}

}  // namespace

class TestListWindows : public QObject {
    Q_OBJECT
private slots:
    void eachListKeepsItsTable_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("titles");     // the grid's visible columns
        QTest::addColumn<QStringList>("codes");  // stored before, in row order
        QTest::addColumn<QString>("code");       // generated, or typed where the code is typed
        QTest::addColumn<QStringList>("typed");  // into the name and the inputs after it
        QTest::addColumn<QString>("row");        // stored
        QTest::newRow("security supplies") << "BoanUse" << " 保安用品" << "编号|名称" << QStringList{"3", "9", "4"}
                                           << "10" << QStringList{"对讲机", "T-1", "5", "台"} << "10|对讲机|T-1|5|台";
        QTest::newRow("cleaning supplies") << "BojeUse" << "保洁用品" << "编号|名称" << QStringList{} << "1"
                                           << QStringList{"扫帚", "", "12", ""} << "1|扫帚||12|";
        QTest::newRow("fire equipment") << "FirUse" << "消防设施" << "编号|名称" << QStringList{"2"} << "3"
                                        << QStringList{"灭火器", "MFZ4", "20", "具"} << "3|灭火器|MFZ4|20|具";
        QTest::newRow("tools") << "Tools" << "常用工具" << "编号|名称" << QStringList{"1", "2"} << "3"
                               << QStringList{"扳手", "", "", "把"} << "3|扳手|||把";
        QTest::newRow("spare parts: the code is typed") << "Spare" << "设备备件" << "编号|名称" << QStringList{"B-7"}
                                                        << "B-8" << QStringList{"轴承", "6204", "10", "个"}
                                                        << "B-8|轴承|6204|10|个";
        QTest::newRow("security posts") << "BoanPost" << "保安岗位设置" << "编号|名称" << QStringList{"5", "2"} << "6"
                                        << QStringList{"东门", "大门口", "3", "王五"} << "6|东门|大门口|3|王五";
        QTest::newRow("cleaning areas") << "BojePost" << "保洁岗位设置" << "编号|名称" << QStringList{} << "1"
                                        << QStringList{"一区", "", "1", ""} << "1|一区||1|";
        QTest::newRow("parking: no location needed") << "CarPosit" << "车位信息" << "车位编号|位置"
                                                     << QStringList{"7"} << "8" << QStringList{"", "靠东墙"} << "8||靠东墙";
    }
    void eachListKeepsItsTable()
    {
        QFETCH(QString, target);
        QFETCH(QString, caption);
        QFETCH(QString, titles);
        QFETCH(QStringList, codes);
        QFETCH(QString, code);
        QFETCH(QStringList, typed);
        QFETCH(QString, row);
        AppFixture app("1");
        seed(app.db(), target, codes);
        auto* w = optest::openTarget<CodeTableEditor>(target);
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), "Tfrm" + target);
        QCOMPARE(w->windowTitle(), caption);
        QStringList shown;
        for (const ui::GridColumn& c : w->DBGrid1->columns())
            if (c.visible)
                shown << c.title;
        QCOMPARE(shown.join(u'|'), titles);

        w->CheckBox->click();
        w->TB_AddClick();
        if (w->config().typedCode)
            typeInto(w->DBE_ID, code);
        QCOMPARE(w->DBE_ID->text(), code);
        const QList<QWidget*> inputs = details(w);
        QCOMPARE(inputs.size(), typed.size());
        for (int i = 0; i < inputs.size(); ++i)
            type(inputs[i], typed[i]);
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::texts(MsgKind::Warning).join(u'|')));
        QCOMPARE(stored(app.db(), w->config()).value(codes.size()), row);
        QCOMPARE(w->DBGrid1->model()->rowCount(), codes.size() + 1);
        QVERIFY(!w->TB_Save->isEnabled());
        if (target == "BoanPost")
            testsupport::saveScreenshot(w->frameWidget(), "list-boanpost");
    }

    void aRefusedSaveKeepsTheRowForCorrection_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("addOffered");
        QTest::newRow("security supplies offer Add at once") << "BoanUse" << "编号和名称均不能为空！" << true;
        QTest::newRow("cleaning supplies only once stored") << "BojeUse" << "编号和名称均不能为空！" << false;
        QTest::newRow("spare parts without a code") << "Spare" << "序号和名称均不能为空！" << false;
    }
    void aRefusedSaveKeepsTheRowForCorrection()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(bool, addOffered);
        AppFixture app("1");
        auto* w = optest::openTarget<CodeTableEditor>(target);
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_More[0], "X-1");
        typeInto(w->DBE_More[1], "3");
        if (w->config().typedCode)
            typeInto(w->DBE_Name, "齿轮");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{message});
        QCOMPARE(w->TB_Add->isEnabled(), addOffered);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QCOMPARE(texts(details(w)), QStringList({"", "", "", ""}));
        QVERIFY(w->DBE_Name->isEnabled());
        if (w->config().typedCode)
            typeInto(w->DBE_ID, "G1");
        typeInto(w->DBE_Name, "齿轮");
        w->TB_SaveClick();
        QCOMPARE(stored(app.db(), w->config()).size(), 1);
    }

    void spareCodesDoNotRepeat()
    {
        AppFixture app("1");
        seed(app.db(), "Spare", {"A1", "A2"});
        auto* w = optest::openTarget<CodeTableEditor>("Spare");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_ID, "A1 ");
        typeInto(w->DBE_Name, "皮带");
        // Refused on every path that would store the row; the code is
        // corrected where it stands.
        w->TB_SaveClick();
        w->TB_FirstClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList(2, "编号值唯一，不能重复！"));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QVERIFY(w->DBE_ID->isEnabled());
        QCOMPARE(stored(app.db(), w->config()).size(), 2);
        // Letter case counts.
        typeInto(w->DBE_ID, "a1");
        w->TB_SaveClick();
        QCOMPARE(stored(app.db(), w->config()).value(2), QString("a1|皮带|||"));
        QVERIFY(!w->DBE_ID->isEnabled());
    }

    void shiftsAreAWholeNumberFromOneToTen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: stored
        QTest::newRow("none") << "" << "编号、名称和班数均不能为空！";
        QTest::newRow("zero") << "0" << "班数必须是 1 到 10 之间的整数！";
        QTest::newRow("eleven") << "11" << "班数必须是 1 到 10 之间的整数！";
        QTest::newRow("letters cannot be typed") << "-1x0" << "";
        QTest::newRow("ten") << "10" << "";
    }
    void shiftsAreAWholeNumberFromOneToTen()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        AppFixture app("1");
        auto* w = optest::openTarget<CodeTableEditor>("BojePost");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "二区");
        typeInto(w->DBE_More[1], typed);
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).value(0), message);
        QCOMPARE(stored(app.db(), w->config()), message.isEmpty() ? QStringList{"1|二区||10|"} : QStringList{});
        QCOMPARE(w->DBE_More[1]->isEnabled(), !message.isEmpty());
    }

    void buttonsFollowTheWork_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("steps");     // c switch, a Add, m Modify, s Save, x Cancel, g grid, d Delete
        QTest::addColumn<QString>("expected");  // Add Delete Modify Save Cancel, the code, the details
        QTest::newRow("post: Modify") << "BoanPost" << "1" << "cm" << "00011 0 1111";
        QTest::newRow("post: Modify, Save unchanged") << "BoanPost" << "1" << "cms" << "10000 0 0000";
        QTest::newRow("post: the grid offers Delete and Modify") << "BoanPost" << "1" << "cmsg" << "11100 0 0000";
        QTest::newRow("post: the grid drops a new row, Add stays off") << "BojePost" << "1" << "cag" << "01100 0 0000";
        QTest::newRow("supplies: Delete leaves the inputs") << "BoanUse" << "1" << "cad" << "01000 0 1111";
        QTest::newRow("tools: Delete closes them") << "Tools" << "1" << "cad" << "01000 0 0000";
        QTest::newRow("fire: the switch opens the row") << "FirUse" << "1" << "c" << "11000 0 1111";
        QTest::newRow("fire: so does the grid, offering Delete") << "FirUse" << "1" << "cxg" << "11000 0 1111";
        QTest::newRow("fire: the grid opens nothing to a browser") << "FirUse" << "2" << "g" << "00000 0 0000";
        QTest::newRow("spare: Add opens the code") << "Spare" << "1" << "ca" << "01011 1 1111";
        QTest::newRow("spare: Cancel closes it") << "Spare" << "1" << "cax" << "11000 0 0000";
    }
    void buttonsFollowTheWork()
    {
        QFETCH(QString, target);
        QFETCH(QString, level);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        AppFixture app(level);
        seed(app.db(), target, {"1"});
        auto* w = optest::openTarget<CodeTableEditor>(target);
        for (QChar s : steps) {
            switch (s.toLatin1()) {
            case 'c': w->CheckBox->click(); break;
            case 'a': w->TB_AddClick(); break;
            case 'm': w->TB_ModiClick(); break;
            case 's': w->TB_SaveClick(); break;
            case 'x': w->TB_CancelClick(); break;
            case 'g': emit w->DBGrid1->entered(); break;
            case 'd': w->TB_DeleteClick(); break;
            default: break;
            }
        }
        QCOMPARE(optest::enabled({{w->TB_Add, w->TB_Delete, w->TB_Modi, w->TB_Save, w->TB_Cancel}, {w->DBE_ID},
                                  details(w)}),
                 expected);
        QVERIFY(Msg::texts(MsgKind::Warning).isEmpty());
        QCOMPARE(stored(app.db(), w->config()).size(), 1);
        for (QWidget* e : details(w))
            QCOMPARE(static_cast<ui::DBEdit*>(e)->isReadOnly(), level == "2");
    }

    void deletingAPostTakesItsStaff()
    {
        AppFixture app("1");
        seed(app.db(), "BoanPost", {"1", "2"});
        app.db().exec("INSERT INTO BoanPaiG (BPostId, BanCi, EmpId, EmpName) VALUES (1, 1, 'E1', '张三'), "
                      "(1, 2, 'E2', '李四'), (2, 1, 'E1', '张三')");
        app.db().exec("INSERT INTO BojePaiG (BPostId, BanCi, EmpID, EmpName) VALUES (1, 1, 'C1', '赵六')");
        auto* w = optest::openTarget<CodeTableEditor>("BoanPost");
        w->CheckBox->click();
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"删除该岗位，其人员派工记录也将被删除！"});
        QCOMPARE(stored(app.db(), w->config()), QStringList{"2|名2||2|"});
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BoanPaiG WHERE BPostId = 1").toInt(), 0);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BoanPaiG").toInt(), 1);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM BojePaiG").toInt(), 1);
        // The next post takes the largest number + 1, never a deleted one's staff.
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), QString("3"));
    }
};

WYGL_TEST(TestListWindows)
#include "tst_ListWindows.moc"
