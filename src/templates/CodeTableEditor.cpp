#include "templates/CodeTableEditor.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"
#include "templates/NextCode.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRegularExpressionValidator>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Keeps a data source disabled for a scope, and enabled again however the
// scope ends.
class SourceOff {
public:
    explicit SourceOff(data::DataSource* s) : m_s(s) { m_s->setEnabled(false); }
    ~SourceOff() { m_s->setEnabled(true); }
    SourceOff(const SourceOff&) = delete;
    SourceOff& operator=(const SourceOff&) = delete;

private:
    data::DataSource* m_s;
};

bool filled(data::DataSet* ds, const QString& field)
{
    // Text is stored right-trimmed, so a name of blanks would be stored empty.
    return !ds->fieldByName(field)->asString().trimmed().isEmpty();
}

}  // namespace

CodeTableEditor::CodeTableEditor(const CodeTableConfig& config, QWidget* parent)
    : CodeTableEditor(config, parent, NoPanel{})
{
    assemble(plainPanel());
}

CodeTableEditor::CodeTableEditor(const CodeTableConfig& config, QWidget* parent, NoPanel)
    : ui::Form(parent), m_cfg(config)
{
    build();
}

CodeTableEditor::~CodeTableEditor()
{
    if (m_ds)
        m_ds->beforePost = nullptr;
}

void CodeTableEditor::build()
{
    setMdiChild(true);
    setFormKey(m_cfg.key);
    setWindowTitle(m_cfg.caption);
    m_ds = DM->dataSet(m_cfg.dataSet);
    m_src = DM->dataSource(m_cfg.dataSource);
    if (!m_ds || !m_src)
        throw data::Error(QStringLiteral("数据模块中没有 %1 / %2。").arg(m_cfg.dataSet, m_cfg.dataSource));

    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this](ui::ToolButton*& b, const char* name, const QString& caption, auto handler) {
        ui::addToolButton(m_toolBar, b, name, caption, this, handler);
    };
    add(TB_Add, "TB_Add", QStringLiteral("添加"), &CodeTableEditor::TB_AddClick);
    add(TB_Delete, "TB_Delete", QStringLiteral("删除"), &CodeTableEditor::TB_DeleteClick);
    if (!m_cfg.noteField.isEmpty())
        add(TB_Modi, "TB_Modi", QStringLiteral("修改"), &CodeTableEditor::TB_ModiClick);
    add(TB_Cancel, "TB_Cancel", QStringLiteral("取消"), &CodeTableEditor::TB_CancelClick);
    add(TB_Save, "TB_Save", QStringLiteral("保存"), &CodeTableEditor::TB_SaveClick);
    if (m_cfg.modify)
        add(TB_Modi, "TB_Modi", QStringLiteral("修改"), &CodeTableEditor::TB_ModiClick);
    m_toolBar->addSeparator();
    add(TB_First, "TB_First", QStringLiteral("首条"), &CodeTableEditor::TB_FirstClick);
    add(TB_Prev, "TB_Prev", QStringLiteral("上条"), &CodeTableEditor::TB_PrevClick);
    add(TB_Next, "TB_Next", QStringLiteral("下条"), &CodeTableEditor::TB_NextClick);
    add(TB_Last, "TB_Last", QStringLiteral("末条"), &CodeTableEditor::TB_LastClick);
    m_toolBar->addSeparator();
    add(TB_Close, "TB_Close", QStringLiteral("离开"), &CodeTableEditor::TB_CloseClick);
    enable({TB_Add, TB_Delete, TB_Modi, TB_Cancel, TB_Save}, false);

    DBGrid1 = new ui::DBGrid(m_src, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    QVector<ui::GridColumn> cols = {{m_cfg.codeField, m_cfg.codeTitle, 60}, {m_cfg.nameField, m_cfg.nameTitle, 120}};
    if (!m_cfg.extra.field.isEmpty()) {
        ui::GridColumn c{m_cfg.extra.field, m_cfg.extra.title, 80, !m_cfg.extra.hidden};
        c.currency = m_cfg.extra.currency;
        cols << c;
    }
    for (const CodeExtraInput& m : m_cfg.more)
        if (!m.title.isEmpty())
            cols << ui::GridColumn{m.field, m.title, 60, !m.hidden && !m.gridHidden};
    DBGrid1->setColumns(cols);
    DBGrid1->setRowSelect(true);
    DBGrid1->setReadOnly(true);
    if (m_cfg.grid != GridTrigger::None)
        ui::connectHandler(DBGrid1, &ui::DBGrid::entered, this, [this] { DBGrid1Enter(); });
    if (m_cfg.grid == GridTrigger::EnterOrColumn)
        ui::connectHandler(DBGrid1, &ui::DBGrid::columnEntered, this, [this] { DBGrid1Enter(); });
    if (m_cfg.grid == GridTrigger::EnterOrCell)
        ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1Enter(); });

    CheckBox = ui::newEditSwitch(QStringLiteral("进入编辑状态"), this);
    CheckBox->setFont(QFont(QStringLiteral("楷体_GB2312"), 11, QFont::Bold));
    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });

    DBNag = new ui::DBNavigator(m_src, this);
    DBNag->setObjectName(QStringLiteral("DBNag"));
    if (!m_cfg.deleteQuestion.isEmpty())
        DBNag->setDeleteText(m_cfg.deleteQuestion);

    auto input = [this](const QString& field, const QString& name) {
        auto* e = new ui::DBEdit(m_src, field, this);
        e->setObjectName(name);
        e->setEnabled(false);
        return e;
    };
    DBE_ID = input(m_cfg.codeField, m_cfg.codeInput);
    DBE_Name = input(m_cfg.nameField, m_cfg.nameInput);
    if (!m_cfg.extra.field.isEmpty())
        DBE_Extra = input(m_cfg.extra.field, m_cfg.extra.input);
    for (const CodeExtraInput& m : m_cfg.more) {
        ui::DBEdit* e = input(m.field, m.input);
        if (m.wholeNumber)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), e));
        DBE_More << e;
    }
}

QWidget* CodeTableEditor::plainPanel()
{
    auto* panel = new QWidget(this);
    auto* g = new QGridLayout(panel);
    g->addWidget(new QLabel(m_cfg.codeLabel, panel), 0, 0, Qt::AlignRight);
    g->addWidget(DBE_ID, 0, 1);
    g->addWidget(noteLabel(QStringLiteral("编号唯一不能重复"), panel), 0, 2);
    g->addWidget(new QLabel(m_cfg.nameLabel, panel), 1, 0, Qt::AlignRight);
    g->addWidget(DBE_Name, 1, 1);
    if (DBE_Extra) {
        auto* label = new QLabel(m_cfg.extra.label, panel);
        auto* unit = new QLabel(m_cfg.extra.unit, panel);
        g->addWidget(label, 2, 0, Qt::AlignRight);
        g->addWidget(DBE_Extra, 2, 1);
        g->addWidget(unit, 2, 2);
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(DBE_Extra), static_cast<QWidget*>(unit)})
            w->setVisible(!m_cfg.extra.hidden);
    }
    int row = 3;
    for (int i = 0; i < DBE_More.size(); ++i, ++row) {
        g->addWidget(new QLabel(m_cfg.more[i].label, panel), row, 0, Qt::AlignRight);
        g->addWidget(DBE_More[i], row, 1);
        if (!m_cfg.more[i].unit.isEmpty())
            g->addWidget(new QLabel(m_cfg.more[i].unit, panel), row, 2);
    }
    g->addWidget(CheckBox, row, 1, 1, 2);
    g->setRowStretch(row + 1, 1);
    g->setColumnStretch(1, 1);
    return panel;
}

void CodeTableEditor::assemble(QWidget* panel)
{
    auto* body = new QHBoxLayout;
    body->addWidget(DBGrid1, 1);
    body->addWidget(panel, 1);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(m_toolBar);
    root->addLayout(body, 1);
}

QWidget* CodeTableEditor::noteLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

void CodeTableEditor::enable(const QList<QWidget*>& widgets, bool on)
{
    for (QWidget* w : widgets)
        if (w)
            w->setEnabled(on);
}

QList<QWidget*> CodeTableEditor::inputs() const
{
    return QList<QWidget*>{DBE_ID} + CodeTableEditor::detailInputs();
}

QList<QWidget*> CodeTableEditor::detailInputs() const
{
    QList<QWidget*> out{DBE_Name};
    if (DBE_Extra && !m_cfg.extra.hidden)
        out << DBE_Extra;
    for (ui::DBEdit* e : DBE_More)
        out << e;
    return out;
}

void CodeTableEditor::focusForCorrection(QWidget* input)
{
    input->setEnabled(true);
    input->setFocus();
}

// --- creation and closing ------------------------------------------------------

void CodeTableEditor::formCreate()
{
    const bool browseOnly = session::level() == 2;
    // The table is read afresh, once: its rows are read when the source is
    // enabled below, and nothing before needs them.
    m_src->setEnabled(false);
    m_ds->close();
    m_ds->open();
    CheckBox->setVisible(!browseOnly);
    CheckBox->setEnabled(!browseOnly);
    if (browseOnly) {
        enable({TB_Save, TB_Add, TB_Delete, TB_Cancel, TB_Modi}, false);
        // A browse-only user changes nothing, by any path.
        ui::setBoundControlsReadOnly(this, true);
    }
    m_ds->beforePost = [this](data::DataSet&) {
        if (!validateRow())
            throw data::Abort();
    };
    m_src->setEnabled(true);
    if (m_ds->recordCount() == 0)
        enable({TB_First, TB_Prev, TB_Next, TB_Last}, false);

    setFormSize(m_cfg.size.width(), m_cfg.size.height());
    if (QMdiSubWindow* sw = mdiSubWindow(); sw && !m_cfg.maximizable)
        sw->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (m_cfg.centred)
        centerOnScreen();
}

void CodeTableEditor::formClose(ui::CloseAction& action)
{
    // Whatever was typed and not saved goes with the window.
    if (m_ds->isEditing())
        m_ds->discardEdits();
    action = ui::CloseAction::Free;
}

// --- the row -------------------------------------------------------------------

bool CodeTableEditor::validateRow()
{
    bool ok = filled(m_ds, m_cfg.codeField) && filled(m_ds, m_cfg.nameField);
    if (m_cfg.extra.required)
        ok = ok && filled(m_ds, m_cfg.extra.field);
    for (const CodeExtraInput& m : m_cfg.more)
        if (m.required)
            ok = ok && filled(m_ds, m.field);
    if (!ok) {
        ui::Msg::warning(m_cfg.emptyMessage);
        if (m_cfg.editInPlace) {
            for (QWidget* w : inputs())
                static_cast<ui::DBEdit*>(w)->setText(QString());
            focusForCorrection(DBE_ID);
        } else {
            // The code stays; the name and what follows it are typed again.
            DBE_Name->setText(QString());
            for (ui::DBEdit* e : DBE_More)
                e->setText(QString());
            focusForCorrection(DBE_Name);
        }
        return false;
    }
    return numbersInRange() && (!m_cfg.typedCode || codeIsNew());
}

bool CodeTableEditor::numbersInRange()
{
    for (int i = 0; i < DBE_More.size(); ++i) {
        const CodeExtraInput& m = m_cfg.more[i];
        const data::Field* f = m_ds->fieldByName(m.field);
        if (m.maximum <= 0 || f->isNull())
            continue;
        const qlonglong n = f->asInteger();
        if (n >= m.minimum && n <= m.maximum)
            continue;
        ui::Msg::warning(m.rangeMessage);
        focusForCorrection(DBE_More[i]);
        return false;
    }
    return true;
}

bool CodeTableEditor::codeIsNew()
{
    const data::Field* code = m_ds->fieldByName(m_cfg.codeField);
    if (m_ds->state() == data::DataSetState::Edit && code->value() == code->oldValue())
        return true;
    // The stored rows, not the window's: another workstation may have added
    // the code since the table was read. The row itself does not count.
    const QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ? AND rid <> ?")
                            .arg(qobject_cast<data::Table*>(m_ds)->tableName(), m_cfg.codeField);
    if (DM->connection()->scalar(sql, {code->value(), m_ds->rowId()}).toLongLong() == 0)
        return true;
    ui::Msg::warning(m_cfg.duplicateMessage);
    // The typed code is corrected where it stands.
    focusForCorrection(DBE_ID);
    return false;
}

void CodeTableEditor::appendWithNextCode()
{
    m_ds->checkBrowseMode();
    const qlonglong code = nextCode(*DM->connection(), qobject_cast<data::Table*>(m_ds)->tableName(), m_cfg.codeField);
    SourceOff off(m_src);
    m_ds->append();
    try {
        m_ds->fieldByName(m_cfg.codeField)->setAsString(QString::number(code));
    } catch (...) {
        m_ds->cancel();
        throw;
    }
}

// --- handlers --------------------------------------------------------------------

void CodeTableEditor::CheckBoxClick()
{
    if (CheckBox->isChecked()) {
        enable({TB_Add, TB_Delete, TB_Modi}, true);
        if (m_cfg.editInPlace)
            enable(inputs(), true);
        else if (m_cfg.detailsInPlace)
            enable(detailInputs(), true);
    } else {
        // A row being added stays open; a move or the grid decides its fate.
        enable(inputs(), false);
        enable({TB_Add, TB_Delete, TB_Save, TB_Cancel, TB_Modi}, false);
    }
}

void CodeTableEditor::DBGrid1Enter()
{
    m_ds->discardEdits();
    // Where rows are edited in place the grid opens the current row, for
    // anyone who may change it.
    enable(detailInputs(), m_cfg.detailsInPlace && !session::browseOnly());
    if (m_cfg.typedCode)
        DBE_ID->setEnabled(false);
    if (CheckBox->isChecked()) {
        enable({TB_Delete, TB_Modi}, true);
        if (m_cfg.gridEnablesAdd)
            TB_Add->setEnabled(true);
    }
}

void CodeTableEditor::TB_AddClick()
{
    ui::quietly([&] {
        if (m_cfg.typedCode) {
            m_ds->checkBrowseMode();
            m_ds->append();
        } else {
            appendWithNextCode();
        }
        if (!m_cfg.editInPlace) {
            enable(detailInputs(), true);
            if (m_cfg.typedCode) {
                DBE_ID->setEnabled(true);
                DBE_ID->setFocus();
            } else {
                DBE_Name->setFocus();
            }
        }
        enable({TB_Save, TB_Delete, TB_Cancel}, true);
        enable({TB_Add, TB_Modi}, false);
    });
}

void CodeTableEditor::TB_ModiClick()
{
    m_ds->edit();
    enable(detailInputs(), true);
    DBE_ID->setEnabled(false);
    enable({TB_Save, TB_Cancel}, true);
    enable({TB_Add, TB_Modi, TB_Delete}, false);
    DBE_Name->setFocus();
}

void CodeTableEditor::TB_SaveClick()
{
    if (m_cfg.saveOffersAddFirst)
        TB_Add->setEnabled(true);
    ui::quietly([&] {
        m_ds->post();
        TB_Add->setEnabled(true);
        // The inputs close only once the row is stored, so that a refused
        // Save can be corrected.
        if (!m_cfg.editInPlace)
            enable(detailInputs(), false);
        if (m_cfg.typedCode)
            DBE_ID->setEnabled(false);
    });
}

void CodeTableEditor::TB_CancelClick()
{
    m_ds->cancel();
    TB_Add->setEnabled(true);
    if (!m_cfg.editInPlace && !m_cfg.detailsInPlace)
        enable(detailInputs(), false);
    if (m_cfg.typedCode)
        DBE_ID->setEnabled(false);
    if (m_cfg.cancelEnablesDelete)
        TB_Delete->setEnabled(true);
}

void CodeTableEditor::TB_DeleteClick()
{
    DBNag->btnClick(ui::DBNavigator::Delete);
    if (m_cfg.deleteClosesDetails)
        enable(detailInputs(), false);
}

void CodeTableEditor::TB_FirstClick()
{
    ui::quietly([&] { m_ds->first(); });
}

void CodeTableEditor::TB_PrevClick()
{
    ui::quietly([&] { m_ds->prior(); });
}

void CodeTableEditor::TB_NextClick()
{
    ui::quietly([&] { m_ds->next(); });
}

void CodeTableEditor::TB_LastClick()
{
    ui::quietly([&] { m_ds->last(); });
}

void CodeTableEditor::TB_CloseClick()
{
    close();
}
