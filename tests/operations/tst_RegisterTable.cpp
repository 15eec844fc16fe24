// Every row of the register table, driven the same way: the row's names meet
// the schema and the frame, and a record goes in through the window and out
// again through its delete.

#include "app/Main.h"
#include "app/Openers.h"
#include "operations/RegisterWindows.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"
#include "templates/SearchForm.h"

#include <QCheckBox>
#include <QSet>

using testsupport::AppFixture;
using ui::Msg;

namespace {

bool hasColumn(const QString& table, const QString& column)
{
    const data::TableDef* t = data::findTable(table);
    if (!t)
        return false;
    for (const data::ColumnDef& c : t->columns)
        if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

const OpenerDef* openerOf(const QString& windowClass)
{
    for (const OpenerDef& o : openerTable())
        if (windowClass == QLatin1String(o.windowClass))
            return &o;
    return nullptr;
}

RegisterEditor* openRegister(const QString& windowClass)
{
    runOpener(*openerOf(windowClass), mdiForm);
    for (ui::Form* f : ui::liveForms())
        if (windowClass == QLatin1String(f->metaObject()->className()))
            return static_cast<RegisterEditor*>(f);
    return nullptr;
}

// Types a value the control's column holds.
void fill(QWidget* w)
{
    if (auto* c = qobject_cast<ui::DBComboBox*>(w))
        c->setText(c->items().value(1, QStringLiteral("甲")));
    else if (auto* m = qobject_cast<ui::DBMemo*>(w))
        m->setText(QStringLiteral("甲"));
    else if (auto* e = qobject_cast<ui::DBEdit*>(w))
        e->setText(QStringLiteral("7"));
}

}  // namespace

class TestRegisterTable : public QObject {
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("windowClass");
        for (const RegisterConfig& r : registerConfigs())
            QTest::newRow(qPrintable(r.windowClass)) << r.windowClass;
    }

    void namesMeetTheSchemaAndTheFrame_data() { rows_data(); }
    void namesMeetTheSchemaAndTheFrame()
    {
        QFETCH(QString, windowClass);
        const RegisterConfig& r = registerConfig(qPrintable(windowClass));
        const RecordEditorConfig& c = r.record;
        QVERIFY2(data::findTable(c.table), qPrintable(c.table));
        QStringList fields = c.keyFields;
        for (const ui::GridColumn& g : c.gridColumns)
            fields << g.field;
        for (const AddDefault& d : c.addDefaults)
            fields << d.field;
        QSet<QString> names;
        int keys = 0;
        for (const RegisterControl& k : r.controls) {
            fields << k.field;
            QVERIFY2(!names.contains(k.name), qPrintable(k.name));
            names.insert(k.name);
            keys += (k.flags & RegisterControl::Key) ? 1 : 0;
            if (k.kind == RegisterControl::TypeList)
                QVERIFY2(hasColumn(k.items.value(0), k.items.value(1)), qPrintable(k.items.join('.')));
        }
        for (const QString& f : fields)
            QVERIFY2(hasColumn(c.table, f), qPrintable(c.table + "." + f));
        QCOMPARE(keys, c.keyFields.isEmpty() ? 0 : 1);
        const OpenerDef* o = openerOf(windowClass);
        QVERIFY(o);
        QCOMPARE(QString::fromLatin1(o->key), c.key);
    }

    void aRecordInAndOut_data() { rows_data(); }
    void aRecordInAndOut()
    {
        QFETCH(QString, windowClass);
        AppFixture app("1");
        RegisterEditor* w = openRegister(windowClass);
        QVERIFY(w);
        const RegisterConfig& r = w->registerConfig();
        const QString table = r.record.table;
        for (const RegisterControl& k : r.controls)
            QVERIFY2(w->control(k.name), qPrintable(k.name));
        QVERIFY(!w->TB_First->isEnabled() && !w->TB_Last->isEnabled());  // an empty register
        w->CheckBox->click();
        w->TB_AddClick();
        // The data module's buttons follow the window (its class and key).
        QVERIFY(w->TB_Save->isEnabled() && w->TB_Cancel->isEnabled());
        w->TB_SaveClick();
        if (!r.record.requiredFields.isEmpty())
            QCOMPARE(Msg::texts(ui::MsgKind::Warning), QStringList{r.record.emptyMessage});
        Msg::clearLog();
        for (const RegisterControl& k : r.controls)
            if ((k.flags & RegisterControl::Required) || k.kind == RegisterControl::Edit)
                fill(w->control(k.name));
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::log().value(0).text));
        QCOMPARE(app.db().scalar("SELECT count(*) FROM " + table).toInt(), 1);
        for (const AddDefault& d : r.record.addDefaults)
            QVERIFY2(!app.db().scalar(QStringLiteral("SELECT %1 FROM %2").arg(d.field, table)).isNull(),
                     qPrintable(d.field));
        // Find opens a search owned by the register.
        if (w->TB_Find) {
            w->TB_FindClick();
            QVERIFY(w->findChild<SearchForm*>());
        }
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(app.db().scalar("SELECT count(*) FROM " + table).toInt(), 0);
    }

    void browseOnly_data() { rows_data(); }
    void browseOnly()
    {
        QFETCH(QString, windowClass);
        AppFixture app("2");
        RegisterEditor* w = openRegister(windowClass);
        QVERIFY(!w->CheckBox->isVisibleTo(w));
        for (ui::ToolButton* b : {w->TB_Add, w->TB_Delete, w->TB_Modi, w->TB_Save, w->TB_Cancel})
            QVERIFY(!b->isEnabled());
        for (const RegisterControl& k : w->registerConfig().controls)
            QVERIFY2(dynamic_cast<ui::BoundControl*>(w->control(k.name))->isReadOnly(), qPrintable(k.name));
    }
};

WYGL_TEST(TestRegisterTable)
#include "tst_RegisterTable.moc"
