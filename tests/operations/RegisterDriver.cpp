#include "RegisterDriver.h"

#include "app/Main.h"
#include "app/Openers.h"
#include "platform/data/Query.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/OpenChildForm.h"
#include "templates/RegisterEditor.h"
#include "templates/SearchForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace registertest {

RegisterEditor* openRegister(const char* windowClass, bool tick)
{
    for (const OpenerDef& o : openerTable())
        if (qstrcmp(o.windowClass, windowClass) == 0)
            runOpener(o, mdiForm);
    RegisterEditor* w = nullptr;
    for (ui::Form* f : ui::liveForms())
        if (qstrcmp(f->metaObject()->className(), windowClass) == 0)
            w = static_cast<RegisterEditor*>(f);
    if (w && tick)
        w->CheckBox->click();
    return w;
}

QString textOf(RegisterEditor* w, const QString& control)
{
    QWidget* c = w->control(control);
    if (auto* m = qobject_cast<ui::DBMemo*>(c))
        return m->text();
    if (auto* b = qobject_cast<ui::DBComboBox*>(c))
        return b->currentText();
    if (auto* e = qobject_cast<ui::DBEdit*>(c))
        return e->text();
    qFatal("no control %s", qPrintable(control));
}

void setText(RegisterEditor* w, const QString& control, const QString& text)
{
    QWidget* c = w->control(control);
    if (auto* m = qobject_cast<ui::DBMemo*>(c))
        m->setText(text);
    else if (auto* b = qobject_cast<ui::DBComboBox*>(c))
        b->setText(text);
    else if (auto* e = qobject_cast<ui::DBEdit*>(c))
        e->setText(text);
    else
        qFatal("no control %s", qPrintable(control));
}

void addCondition(SearchForm* f, const QString& relation, const QString& field, const QString& op,
                  const QString& value)
{
    f->CB_GX->setCurrentIndex(f->CB_GX->findText(relation));
    f->CB_ZD->setCurrentIndex(f->CB_ZD->findText(field));
    f->CB_TJian->setCurrentIndex(f->CB_TJian->findText(op));
    f->E_Value->setText(value);
    f->E_ValueExit();
    f->BitBtn1Click();
}

QStringList found(SearchForm* f, const char* column)
{
    QStringList out;
    data::Query* q = f->result();
    for (int i = 0; q->isActive() && i < q->recordCount(); ++i)
        out << data::variantToText(q->valueAt(i, q->fieldByName(column)->index()));
    return out;
}

}  // namespace registertest
