// The data-aware edit and memo: reading, typing, widths, read-only, and what
// happens to typed text that is not a value.

#include "platform/data/Error.h"
#include "platform/data/Query.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/FieldLink.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QVBoxLayout>

using ui::Msg;
using ui::MsgKind;

namespace {

// A window with an edit for the id, one for the name and one for a number.
struct RegionWindow {
    QWidget window;
    ui::DBEdit* id;
    ui::DBEdit* name;
    ui::DBEdit* count;  // ZDSum, integer
    ui::DBEdit* area;   // ZDm, decimal(18,2)

    explicit RegionWindow(data::DataSource* s)
    {
        auto* l = new QVBoxLayout(&window);
        l->addWidget(id = new ui::DBEdit(s, QStringLiteral("RegionId")));
        l->addWidget(name = new ui::DBEdit(s, QStringLiteral("RegionName")));
        l->addWidget(count = new ui::DBEdit(s, QStringLiteral("ZDSum")));
        l->addWidget(area = new ui::DBEdit(s, QStringLiteral("ZDm")));
    }
};

void typeInto(QLineEdit* e, const QString& text)
{
    uitest::clickInto(e);
    e->selectAll();
    uitest::typeText(e, text);
}

}  // namespace

class TestDBEdit : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void showsTheCurrentRowAndNothingWhileTheSourceIsOff()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        QCOMPARE(w.name->text(), QStringLiteral("小区1"));
        QCOMPARE(w.area->text(), QStringLiteral("100.5"));
        d.table.last();
        QCOMPARE(w.count->text(), QStringLiteral("3"));
        d.table.edit();
        d.table.fieldByName(QStringLiteral("RegionName"))->setAsString(QStringLiteral("新名"));
        QCOMPARE(w.name->text(), QStringLiteral("新名"));
        d.table.cancel();
        QCOMPARE(w.name->text(), QStringLiteral("小区3"));

        QVERIFY(uitest::showActive(&w.window));
        d.source.setEnabled(false);
        QCOMPARE(w.name->text(), QString());
        d.table.first();
        typeInto(w.name, QStringLiteral("x"));
        QCOMPARE(w.name->text(), QString());
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
        d.source.setEnabled(true);
        QCOMPARE(w.name->text(), QStringLiteral("小区1"));
        d.table.close();
        QCOMPARE(w.name->text(), QString());
    }

    void typingStartsAnEditAndReachesTheField()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        typeInto(w.name, QStringLiteral("东区"));
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
        QCOMPARE(d.table.fieldByName(QStringLiteral("RegionName"))->asString(), QStringLiteral("东区"));
        typeInto(w.area, QStringLiteral("12.5"));
        d.table.post();
        QCOMPARE(d.stored(QStringLiteral("RegionName"), QStringLiteral("R01")), QStringLiteral("东区"));
        QCOMPARE(d.stored(QStringLiteral("ZDm"), QStringLiteral("R01")).toDouble(), 12.5);

        // Without automatic edit the typing is refused until the window edits.
        d.source.setAutoEdit(false);
        typeInto(w.name, QStringLiteral("x"));
        QCOMPARE(w.name->text(), QStringLiteral("东区"));
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
    }

    void typingIntoAnEmptyTableStartsANewRow()
    {
        uitest::RegionData d(0);
        RegionWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        typeInto(w.id, QStringLiteral("R09"));
        QCOMPARE(d.table.state(), data::DataSetState::Insert);
        QCOMPARE(w.id->text(), QStringLiteral("R09"));
        d.table.post();
        QCOMPARE(d.stored(QStringLiteral("RegionId"), QStringLiteral("R09")), QStringLiteral("R09"));
    }

    void textSetInCodeReachesTheFieldWhileEditing()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        // While browsing it is only shown.
        w.name->setText(QStringLiteral("只显示"));
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
        QCOMPARE(d.table.fieldByName(QStringLiteral("RegionName"))->asString(), QStringLiteral("小区1"));

        d.table.insert();
        w.id->setText(QStringLiteral("R10"));
        w.name->setText(QStringLiteral("代码写入"));
        w.count->setText(QStringLiteral("7"));
        QCOMPARE(d.table.fieldByName(QStringLiteral("RegionId"))->asString(), QStringLiteral("R10"));
        QCOMPARE(d.table.fieldByName(QStringLiteral("ZDSum"))->asInteger(), 7);
        // Emptying an edit, as the windows do after a failed check.
        w.name->setText(QString());
        QCOMPARE(d.table.fieldByName(QStringLiteral("RegionName"))->asString(), QString());
    }

    void theFieldWidthLimitsTypingAndRefusesLongTextFromCode()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        QCOMPARE(w.id->maxLength(), 20);
        QCOMPARE(w.name->maxLength(), 50);
        QVERIFY(uitest::showActive(&w.window));
        typeInto(w.id, QString(25, u'9'));
        QCOMPARE(w.id->text(), QString(20, u'9'));
        QCOMPARE(d.table.fieldByName(QStringLiteral("RegionId"))->asString(), QString(20, u'9'));

        // A smaller limit of the window's own.
        w.id->setMaxLength(4);
        QCOMPARE(w.id->maxLength(), 4);

        bool refused = false;
        try {
            w.name->setText(QString(51, u'名'));
        } catch (const data::Error& e) {
            refused = e.message().contains(QStringLiteral("50"));
        }
        QVERIFY(refused);
        QCOMPARE(w.name->text(), QStringLiteral("小区1"));
        d.table.cancel();
    }

    void readOnlyControlsTakeNoTypingAndAWindowLocksThemAll()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        auto* memo = new ui::DBMemo(&d.source, QStringLiteral("Address"), &w.window);
        w.window.layout()->addWidget(memo);
        QVERIFY(uitest::showActive(&w.window));
        ui::setBoundControlsReadOnly(&w.window, true);
        QVERIFY(w.id->isReadOnly() && w.name->isReadOnly() && memo->isReadOnly());
        typeInto(w.name, QStringLiteral("x"));
        uitest::clickInto(memo);
        uitest::typeText(memo, QStringLiteral("y"));
        QCOMPARE(w.name->text(), QStringLiteral("小区1"));
        QCOMPARE(memo->text(), QString());
        QCOMPARE(d.table.state(), data::DataSetState::Browse);

        ui::setBoundControlsReadOnly(&w.window, false);
        typeInto(w.name, QStringLiteral("x"));
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
    }

    void aNumberHalfTypedIsWrittenOnlyOnceItIsANumber()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        typeInto(w.count, QStringLiteral("-"));
        QVERIFY(w.count->hasPendingInput());
        QCOMPARE(d.table.fieldByName(QStringLiteral("ZDSum"))->asInteger(), 1);
        QTest::keyClicks(w.count, QStringLiteral("5"));
        QVERIFY(!w.count->hasPendingInput());
        QCOMPARE(d.table.fieldByName(QStringLiteral("ZDSum"))->asInteger(), -5);
        QVERIFY(Msg::log().isEmpty());
    }

    void textThatIsNoNumberIsRefusedOnLeavingAndOnPosting()
    {
        uitest::RegionData d;
        RegionWindow w(&d.source);
        QVERIFY(uitest::showActive(&w.window));
        typeInto(w.count, QStringLiteral("abc"));
        uitest::clickInto(w.name);
        // Leaving: the error, and the focus back in the edit with the text kept.
        QCOMPARE(Msg::log().size(), 1);
        QCOMPARE(Msg::log()[0].kind, MsgKind::Error);
        QVERIFY(w.count->hasFocus());
        QCOMPARE(w.count->text(), QStringLiteral("abc"));

        // Posting (a tool button takes no focus): refused, nothing stored.
        QVERIFY_EXCEPTION_THROWN(d.table.post(), data::Error);
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
        QCOMPARE(d.stored(QStringLiteral("ZDSum"), QStringLiteral("R01")), QStringLiteral("1"));
        // A move posts first, so it is refused the same way.
        QVERIFY_EXCEPTION_THROWN(d.table.next(), data::Error);
        QCOMPARE(d.table.recNo(), 1);

        // Cancel always works and shows the stored value again.
        d.table.cancel();
        QCOMPARE(w.count->text(), QStringLiteral("1"));
        QVERIFY(!w.count->hasPendingInput());
    }

    void aQueryReopenedWithNewFieldsStaysBound()
    {
        uitest::RegionData d;
        data::Query q(d.conn.get());
        data::DataSource qs(&q);
        ui::DBEdit name(&qs, QStringLiteral("regionname"));
        q.setSql(QStringLiteral("select * from Region where RegionId = :id"));
        q.param(QStringLiteral("id")).setString(QStringLiteral("R02"));
        q.open();
        QCOMPARE(name.text(), QStringLiteral("小区2"));
        q.close();
        QCOMPARE(name.text(), QString());
        q.setSql(QStringLiteral("select RegionName, RegionId from Region where RegionId = :id"));
        q.param(QStringLiteral("id")).setString(QStringLiteral("R03"));
        q.open();
        QCOMPARE(name.text(), QStringLiteral("小区3"));
    }

    void aMemoReadsAndWritesItsField()
    {
        uitest::RegionData d;
        QWidget window;
        auto* l = new QVBoxLayout(&window);
        auto* memo = new ui::DBMemo(&d.source, QStringLiteral("Address"));
        auto* other = new ui::DBEdit(&d.source, QStringLiteral("RegionName"));
        l->addWidget(memo);
        l->addWidget(other);
        QVERIFY(uitest::showActive(&window));
        uitest::clickInto(memo);
        uitest::typeText(memo, QString(60, u'路'));
        // Address is 50 wide: no more can be typed.
        QCOMPARE(memo->text(), QString(50, u'路'));
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
        d.table.post();
        QCOMPARE(d.stored(QStringLiteral("Address"), QStringLiteral("R01")), QString(50, u'路'));
        d.table.next();
        QCOMPARE(memo->text(), QString());
        d.table.prior();
        QCOMPARE(memo->text(), QString(50, u'路'));
    }
};

WYGL_TEST(TestDBEdit)
#include "tst_DBEdit.moc"
