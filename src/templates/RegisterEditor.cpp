#include "templates/RegisterEditor.h"

#include "platform/data/ColumnWidth.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/DBMemo.h"

namespace {

// The record options that follow from the controls' flags.
RecordEditorConfig recordOptions(const RegisterConfig& reg)
{
    RecordEditorConfig c = reg.record;
    for (const RegisterControl& k : reg.controls) {
        if (k.flags & RegisterControl::Required)
            c.requiredFields << k.field;
        if (k.flags & RegisterControl::Cleared)
            c.clearOnRequired << k.field;
        if (k.flags & RegisterControl::Locked)
            c.lockedInModify << k.field;
    }
    return c;
}

}  // namespace

RecordEditorConfig registerDefaults()
{
    RecordEditorConfig c;
    c.switchCaption = QStringLiteral(" 进入编辑状态");
    c.findCaption = QStringLiteral("查找");
    c.gridTriggers = RecordEditorConfig::GridEnter | RecordEditorConfig::GridClick;
    c.gridEnablesAdd = true;
    c.modifyWithSwitch = true;
    c.modifyStartsEdit = true;
    c.requeryAfterDelete = false;
    c.pages = {QString()};
    return c;
}

RegisterEditor::RegisterEditor(const RegisterConfig& config, QWidget* parent)
    : RecordEditor(recordOptions(config), parent), m_reg(config)
{
    for (const RegisterControl& k : config.controls) {
        const bool listOnly = k.flags & RegisterControl::ListOnly;
        QWidget* w = nullptr;
        switch (k.kind) {
        case RegisterControl::Edit:
        case RegisterControl::Time: {
            auto* e = new ui::DBEdit(dataSource(), k.field);
            if (k.kind == RegisterControl::Time)
                e->setDisplayFormat(QStringLiteral("hh:mm:ss"));
            w = e;
            break;
        }
        case RegisterControl::Memo: {
            auto* m = new ui::DBMemo(dataSource(), k.field);
            if (const int n = k.maxLength; n > 0)
                m->setLimit([n](const QString& text) { return data::cutToCharacters(text, n); });
            w = m;
            break;
        }
        case RegisterControl::TextDate:
        case RegisterControl::MaskedDate: {
            // Only a text date has the check on leaving; an impossible date
            // is refused on every post in both.
            auto* d = new ui::DBMaskDateEdit(dataSource(), k.field, k.mask);
            d->setBlankAllowed(k.kind != RegisterControl::TextDate);
            w = d;
            break;
        }
        case RegisterControl::Combo: {
            auto* c = new ui::DBComboBox(dataSource(), k.field);
            c->setListOnly(listOnly);
            c->setShowUnlisted(true);
            c->setItems(k.items);
            w = c;
            break;
        }
        case RegisterControl::TypeList:
            w = addTypeList(k.page, k.label, k.field, k.name, k.items.value(0), k.items.value(1), listOnly);
            break;
        }
        w->setObjectName(k.name);
        if (k.kind != RegisterControl::TypeList) {
            if (k.flags & RegisterControl::Shown)
                addShown(k.page, k.label, w);
            else
                addControl(k.page, k.label, w, k.after);
        }
        if (k.flags & RegisterControl::Key)
            DBE_ID = qobject_cast<ui::DBEdit*>(w);
    }
}

RegisterEditor::~RegisterEditor() = default;

QWidget* RegisterEditor::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

void RegisterEditor::openSearch()
{
    if (m_reg.search)
        m_reg.search(this);
}
