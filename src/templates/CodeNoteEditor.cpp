#include "templates/CodeNoteEditor.h"

#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

CodeNoteEditor::CodeNoteEditor(const CodeTableConfig& config, QWidget* parent)
    : CodeTableEditor(config, parent, NoPanel{})
{
    DBM_Note = new ui::DBMemo(dataSource(), config.noteField, this);
    DBM_Note->setObjectName(QStringLiteral("DBM_Note"));
    DBM_Note->setEnabled(false);

    auto* panel = new QWidget(this);
    auto* box = new QGroupBox(QStringLiteral("基本信息"), panel);
    auto* g = new QGridLayout(box);
    g->addWidget(new QLabel(config.codeLabel, box), 0, 0, Qt::AlignRight);
    g->addWidget(DBE_ID, 0, 1);
    g->addWidget(new QLabel(config.nameLabel, box), 1, 0, Qt::AlignRight);
    g->addWidget(DBE_Name, 1, 1);
    g->addWidget(CheckBox, 2, 1);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(box);
    v->addWidget(new QLabel(QStringLiteral("备     注"), panel));
    v->addWidget(DBM_Note, 1);
    assemble(panel);
}

QList<QWidget*> CodeNoteEditor::detailInputs() const
{
    return {DBE_Name, DBM_Note};
}

void CodeNoteEditor::closeInputs()
{
    enable(detailInputs(), false);
}

bool CodeNoteEditor::validateRow()
{
    if (!dataSet()->fieldByName(config().codeField)->asString().trimmed().isEmpty())
        return true;
    ui::Msg::warning(QStringLiteral("编号不能为空！"));
    DBE_Name->setText(QString());
    DBM_Note->setText(QString());
    focusForCorrection(DBE_Name);
    return false;
}

void CodeNoteEditor::CheckBoxClick()
{
    if (CheckBox->isChecked()) {
        enable({TB_Add, TB_Modi, TB_Delete}, true);
    } else {
        enable({DBE_ID, DBE_Name, DBM_Note}, false);
        enable({TB_Add, TB_Modi, TB_Delete, TB_Save, TB_Cancel}, false);
    }
}

void CodeNoteEditor::DBGrid1Enter()
{
    dataSet()->discardEdits();
    closeInputs();
    if (CheckBox->isChecked())
        enable({TB_Delete, TB_Modi, TB_Add}, true);
}

void CodeNoteEditor::TB_AddClick()
{
    ui::quietly([&] {
        appendWithNextCode();
        enable({DBE_Name, DBM_Note}, true);
        DBE_ID->setEnabled(false);
        enable({TB_Save, TB_Delete, TB_Cancel}, true);
        enable({TB_Add, TB_Modi}, false);
        DBE_Name->setFocus();
    });
}

void CodeNoteEditor::TB_SaveClick()
{
    ui::quietly([&] {
        dataSet()->post();
        // The inputs close only once the row is stored, so a refused Save
        // can be corrected.
        if (config().saveLeavesNoteOpen) {
            DBE_Name->setEnabled(false);
            enable({TB_Add, TB_Modi}, true);
        } else {
            TB_Add->setEnabled(true);
            closeInputs();
        }
    });
}

void CodeNoteEditor::TB_CancelClick()
{
    dataSet()->cancel();
    TB_Add->setEnabled(true);
    closeInputs();
}

void CodeNoteEditor::TB_DeleteClick()
{
    if (!config().deleteLeavesInputs)
        closeInputs();
    DBNag->btnClick(ui::DBNavigator::Delete);
}
