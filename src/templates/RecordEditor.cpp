#include "templates/RecordEditor.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "platform/ui/PageControl.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

bool sameField(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool listHas(const QStringList& fields, const QString& field)
{
    for (const QString& f : fields)
        if (sameField(f, field))
            return true;
    return false;
}

// What a data control shows, as the user would read it.
QString controlText(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* m = qobject_cast<ui::DBMemo*>(w))
        return m->text();
    if (auto* b = dynamic_cast<ui::BoundControl*>(w); b && b->field())
        return b->field()->asString();
    return QString();
}

void clearControl(QWidget* w)
{
    if (auto* e = qobject_cast<ui::DBEdit*>(w))
        e->setText(QString());
    else if (auto* c = qobject_cast<ui::DBComboBox*>(w))
        c->setText(QString());
    else if (auto* m = qobject_cast<ui::DBMemo*>(w))
        m->setText(QString());
}

}  // namespace

RecordEditor::RecordEditor(const RecordEditorConfig& config, QWidget* parent)
    : ui::Form(parent), m_cfg(config)
{
    setMdiChild(true);
    setFormKey(config.key);
    setWindowTitle(config.caption);
    m_ds = DM->dataSet(config.dataSet);
    m_src = DM->dataSource(config.dataSource);
    if (!m_ds || !m_src)
        throw data::Error(QStringLiteral("数据模块中没有 %1 / %2。").arg(config.dataSet, config.dataSource));

    buildToolBar();
    // Modify and Delete need a row to act on (Delete also drops a new one);
    // a row not yet stored is not printed.
    TB_Modi->setAllowedWhen([this] { return storedRows() > 0; });
    TB_Delete->setAllowedWhen([this] { return adding() || storedRows() > 0; });
    if (TB_Print)
        TB_Print->setAllowedWhen([this] { return !adding(); });
    connect(m_src, &data::DataSource::stateChanged, this, &RecordEditor::followRows);
    connect(m_src, &data::DataSource::dataChanged, this, &RecordEditor::followRows);

    if (config.hasGrid) {
        DBGrid1 = new ui::DBGrid(this);
        DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
        DBGrid1->setDataSource(m_src);
        DBGrid1->setColumns(config.gridColumns);
        DBGrid1->setRowSelect(true);
        DBGrid1->setReadOnly(true);
        if (config.gridTriggers & RecordEditorConfig::GridEnter)
            ui::connectHandler(DBGrid1, &ui::DBGrid::entered, this, [this] { DBGrid1Enter(); });
        if (config.gridTriggers & RecordEditorConfig::GridClick)
            ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1CellClick(); });
        if (config.gridTriggers & RecordEditorConfig::GridColumn)
            ui::connectHandler(DBGrid1, &ui::DBGrid::columnEntered, this, [this] { DBGrid1ColEnter(); });
    }

    CheckBox = ui::newEditSwitch(config.switchCaption, this);
    CheckBox->setFont(QFont(QStringLiteral("楷体_GB2312"), 11, QFont::Bold));
    ui::connectHandler(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });

    m_pages = new ui::PageControl(this);
    m_pages->setTabPosition(QTabWidget::South);
    for (const QString& title : config.pages) {
        auto* p = new QWidget(m_pages);
        auto* grid = new QGridLayout(p);
        grid->setColumnStretch(1, 1);
        m_pageLayouts << grid;
        m_nextRows << 0;
        m_pages->addTab(p, title);
    }
    if (config.pages.size() == 1 && config.pages.front().isEmpty())
        m_pages->tabBar()->hide();

    auto* right = m_details = new QWidget(this);
    auto* rl = new QVBoxLayout(right);
    rl->setContentsMargins(0, 0, 0, 0);
    rl->addWidget(CheckBox, 0, Qt::AlignRight);
    rl->addWidget(m_pages, 1);

    auto* body = new QSplitter(this);
    if (DBGrid1)
        body->addWidget(DBGrid1);
    body->addWidget(right);
    if (DBGrid1 && config.detailsWidth > 0) {
        body->setStretchFactor(0, 1);
        body->setStretchFactor(1, 0);
    } else {
        body->setStretchFactor(body->count() - 1, 1);
    }

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(m_toolBar);
    root->addWidget(body, 1);

    DBE_ID = nullptr;
}

RecordEditor::~RecordEditor()
{
    removeChecks();
}

QString& RecordEditor::ModeFlag()
{
    static QHash<QString, QString> flags;
    return flags[QString::fromLatin1(metaObject()->className())];
}

void RecordEditor::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // A widget on a tool bar is shown and hidden through its action.
    QHash<ui::ToolButton*, QAction*> actions;
    auto add = [&](ui::ToolButton*& b, const char* name, const QString& caption, void (RecordEditor::*h)()) {
        actions.insert(b, ui::addToolButton(m_toolBar, b, name, caption, this, h));
        b->setEnabled(false);
    };
    add(TB_Add, "TB_Add", QStringLiteral("添加"), &RecordEditor::TB_AddClick);
    add(TB_Delete, "TB_Delete", QStringLiteral("删除"), &RecordEditor::TB_DeleteClick);
    add(TB_Modi, "TB_Modi", QStringLiteral("修改"), &RecordEditor::TB_ModiClick);
    add(TB_Cancel, "TB_Cancel", QStringLiteral("取消"), &RecordEditor::TB_CancelClick);
    add(TB_Save, "TB_Save", QStringLiteral("保存"), &RecordEditor::TB_SaveClick);
    m_toolBar->addSeparator()->setVisible(m_cfg.hasNavigation);
    add(TB_First, "TB_First", QStringLiteral("首条"), &RecordEditor::TB_FirstClick);
    add(TB_Prev, "TB_Prev", QStringLiteral("上条"), &RecordEditor::TB_PrevClick);
    add(TB_Next, "TB_Next", QStringLiteral("下条"), &RecordEditor::TB_NextClick);
    add(TB_Last, "TB_Last", QStringLiteral("末条"), &RecordEditor::TB_LastClick);
    add(TB_Refresh, "TB_Refresh", QStringLiteral("刷新"), &RecordEditor::TB_RefreshClick);
    if (!m_cfg.findCaption.isEmpty()) {
        add(TB_Find, "TB_Find", m_cfg.findCaption, &RecordEditor::TB_FindClick);
        TB_Find->setEnabled(true);
    }
    if (m_cfg.printButton != RecordEditorConfig::PrintButton::None) {
        add(TB_Print, "TB_Print", QStringLiteral("打印"), &RecordEditor::TB_PrintClick);
        TB_Print->setEnabled(m_cfg.printButton == RecordEditorConfig::PrintButton::Enabled);
    }
    auto* spacer = new QLabel(m_toolBar);
    spacer->setMinimumWidth(16);
    m_toolBar->addWidget(spacer);
    add(TB_Close, "TB_Close", QStringLiteral("离开"), &RecordEditor::TB_CloseClick);
    TB_Refresh->setEnabled(true);
    TB_Close->setEnabled(true);
    // A button the window does not have is hidden through its tool-bar action.
    if (!m_cfg.hasModify)
        actions.value(TB_Modi)->setVisible(false);
    if (!m_cfg.hasNavigation)
        for (ui::ToolButton* b : {TB_First, TB_Prev, TB_Next, TB_Last, TB_Refresh})
            actions.value(b)->setVisible(false);
    if (!m_cfg.hasRefresh)
        actions.value(TB_Refresh)->setVisible(false);
}

QWidget* RecordEditor::page(int index) const
{
    return m_pages->widget(index);
}

void RecordEditor::addControl(int pageIndex, const QString& label, QWidget* control, const QString& after)
{
    QGridLayout* g = m_pageLayouts.at(pageIndex);
    const int row = takeRow(pageIndex);
    if (!label.isEmpty())
        g->addWidget(new QLabel(label, page(pageIndex)), row, 0, Qt::AlignRight);
    control->setParent(page(pageIndex));
    g->addWidget(control, row, 1);
    if (!after.isEmpty())
        g->addWidget(new QLabel(after, page(pageIndex)), row, 2);
    control->setEnabled(false);
    m_edits << control;
}

int RecordEditor::takeRow(int pageIndex)
{
    // The stretch below the last row keeps the rows together at the top.
    QGridLayout* g = m_pageLayouts.at(pageIndex);
    const int row = m_nextRows[pageIndex]++;
    g->setRowStretch(row, 0);
    g->setRowStretch(row + 1, 1);
    return row;
}

void RecordEditor::addWide(int pageIndex, QWidget* w)
{
    w->setParent(page(pageIndex));
    m_pageLayouts.at(pageIndex)->addWidget(w, takeRow(pageIndex), 0, 1, 2);
}

void RecordEditor::fillPage(int pageIndex, QWidget* w)
{
    QGridLayout* g = m_pageLayouts.at(pageIndex);
    const int row = takeRow(pageIndex);
    w->setParent(page(pageIndex));
    g->addWidget(w, row, 0, 1, 3);
    g->setRowStretch(row, 1);
    g->setRowStretch(row + 1, 0);
}

ui::DBEdit* RecordEditor::addEdit(int pageIndex, const QString& label, const QString& field, const QString& name)
{
    auto* e = new ui::DBEdit(m_src, field, page(pageIndex));
    e->setObjectName(name.isEmpty() ? QStringLiteral("DBE_") + field : name);
    addControl(pageIndex, label, e);
    return e;
}

void RecordEditor::addNote(int pageIndex, const QString& text)
{
    QGridLayout* g = m_pageLayouts.at(pageIndex);
    auto* l = new QLabel(text, page(pageIndex));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    g->addWidget(l, takeRow(pageIndex), 1);
}

void RecordEditor::addShown(int pageIndex, const QString& label, QWidget* control)
{
    addControl(pageIndex, label, control);
    m_edits.removeAll(control);
    m_shown << control;
}

ui::DBMaskDateEdit* RecordEditor::addDateEdit(int pageIndex, const QString& label, const QString& field,
                                              const QString& name, const QString& mask, bool dateCheck)
{
    auto* e = new ui::DBMaskDateEdit(m_src, field, mask, page(pageIndex));
    e->setObjectName(name);
    e->setBlankAllowed(!dateCheck);
    addControl(pageIndex, label, e);
    return e;
}

ui::DBComboBox* RecordEditor::addTypeList(int pageIndex, const QString& label, const QString& field,
                                          const QString& name, const QString& codeTable, const QString& nameColumn,
                                          bool listOnly)
{
    auto* c = new ui::DBComboBox(m_src, field, page(pageIndex));
    c->setObjectName(name);
    c->setListOnly(listOnly);
    c->setShowUnlisted(true);
    addControl(pageIndex, label, c);
    m_typeLists << TypeList{c, codeTable, nameColumn};
    return c;
}

QWidget* RecordEditor::controlOf(const QString& field) const
{
    for (const QVector<QWidget*>* list : {&m_edits, &m_shown})
        for (QWidget* w : *list)
            if (auto* b = dynamic_cast<ui::BoundControl*>(w); b && sameField(b->dataField(), field))
                return w;
    return nullptr;
}

bool RecordEditor::lockedNow(const QString& field) const
{
    // Only a new row opens the locked controls.
    return m_ds->state() != data::DataSetState::Insert && listHas(m_cfg.lockedInModify, field);
}

bool RecordEditor::adding() const
{
    return m_ds->isActive() && m_ds->state() == data::DataSetState::Insert;
}

int RecordEditor::storedRows() const
{
    if (!m_ds->isActive())
        return 0;
    return m_ds->recordCount() - (adding() ? 1 : 0);
}

void RecordEditor::followRows()
{
    TB_Modi->recheck();
    TB_Delete->recheck();
    if (!TB_Print)
        return;
    const bool nowAdding = adding();
    if (nowAdding)
        TB_Print->setEnabled(false);
    else if (m_wasAdding && m_cfg.printButton == RecordEditorConfig::PrintButton::Enabled)
        TB_Print->setEnabled(true);
    m_wasAdding = nowAdding;
}

void RecordEditor::setEditsEnabled(bool on)
{
    for (QWidget* w : m_edits) {
        const auto* b = dynamic_cast<ui::BoundControl*>(w);
        w->setEnabled(on && !(b && lockedNow(b->dataField())));
    }
}

// --- creation and closing ------------------------------------------------------

void RecordEditor::formCreate()
{
    const int level = session::level();
    // The table is read afresh, once: its rows are read when the source is
    // enabled below, and nothing before needs them.
    m_src->setEnabled(false);
    m_ds->close();
    m_ds->open();
    if (level == 2) {
        CheckBox->setVisible(false);
        CheckBox->setEnabled(false);
        for (ui::ToolButton* b : {TB_Save, TB_Add, TB_Delete, TB_Cancel, TB_Modi})
            b->setEnabled(false);
        // A browse-only user changes nothing, by any path.
        ui::setBoundControlsReadOnly(this, true);
    } else {
        CheckBox->setVisible(true);
        CheckBox->setEnabled(true);
    }
    for (const TypeList& t : m_typeLists) {
        data::Query q(DM->connection());
        q.sql() << QStringLiteral("SELECT %1 FROM %2 ORDER BY rid").arg(t.column, t.table);
        q.open();
        QStringList names;
        for (q.first(); !q.eof(); q.next())
            names << q.field(0)->asString();
        t.combo->setItems(names);
    }
    installChecks();
    m_src->setEnabled(true);
    if (m_ds->recordCount() == 0)
        for (ui::ToolButton* b : {TB_First, TB_Prev, TB_Next, TB_Last})
            b->setEnabled(false);
    // The panel of edits at its width, or wider where its controls need it.
    if (DBGrid1 && m_cfg.detailsWidth > 0)
        m_details->setMinimumWidth(std::max(m_cfg.detailsWidth, m_details->minimumSizeHint().width()));
    // Sized here: only now is the window in its MDI sub-window.
    if (m_cfg.size.isValid())
        setFormSize(m_cfg.size.width(), m_cfg.size.height());
    if (QMdiSubWindow* sw = mdiSubWindow(); sw && m_cfg.maximized)
        sw->setWindowState(sw->windowState() | Qt::WindowMaximized);
    afterCreate();
}

void RecordEditor::formClose(ui::CloseAction& action)
{
    // Whatever was typed and not saved is dropped with the window.
    if (m_ds->isEditing())
        m_ds->discardEdits();
    action = ui::CloseAction::Free;
}

void RecordEditor::installChecks()
{
    m_ds->beforePost = [this](data::DataSet&) {
        if (!runSaveChecks())
            throw data::Abort();
        if (m_ds->state() == data::DataSetState::Insert)
            for (const TypeList& t : m_typeLists)
                if (data::Field* f = m_ds->fieldByName(t.combo->dataField()); f->isNull())
                    f->setAsString(QStringLiteral(""));
        beforeSave();
    };
    if (m_cfg.postInTransaction)
        m_ds->setPostInTransaction(true);
    if (DBE_ID)
        ui::onExit(DBE_ID, [this] { DBE_IDExit(); }, this);
}

void RecordEditor::removeChecks()
{
    if (m_ds) {
        m_ds->beforePost = nullptr;
        if (m_cfg.postInTransaction)
            m_ds->setPostInTransaction(false);
    }
}

// --- keys --------------------------------------------------------------------

QStringList RecordEditor::typedKey() const
{
    QStringList out;
    for (const QString& f : m_cfg.keyFields) {
        if (DBE_ID && f.compare(DBE_ID->dataField(), Qt::CaseInsensitive) == 0)
            out << DBE_ID->text();
        else
            out << m_ds->fieldByName(f)->asString();
    }
    return out;
}

QStringList RecordEditor::storedKey() const
{
    QStringList out;
    for (const QString& f : m_cfg.keyFields)
        out << data::variantToText(m_ds->fieldByName(f)->oldValue());
    return out;
}

bool RecordEditor::keyChanged() const
{
    if (m_ds->state() == data::DataSetState::Insert)
        return true;
    const QStringList typed = typedKey();
    const QStringList stored = storedKey();
    for (int i = 0; i < typed.size(); ++i)
        if (typed[i].trimmed() != stored[i])
            return true;
    return false;
}

bool RecordEditor::keyExists(const QStringList& values) const
{
    data::Query q(DM->connection());
    q.setObjectName(QStringLiteral("AQ_sle"));
    QStringList where;
    for (int i = 0; i < m_cfg.keyFields.size(); ++i)
        where << QStringLiteral("%1=:k%2").arg(m_cfg.keyFields[i]).arg(i);
    const qint64 rid = m_ds->state() == data::DataSetState::Insert ? 0 : m_ds->rowId();
    if (rid)
        where << QStringLiteral("rid<>:self");
    q.sql() << QStringLiteral("select * from %1 where %2").arg(m_cfg.table, where.join(QStringLiteral(" and ")));
    for (int i = 0; i < values.size(); ++i)
        q.param(QStringLiteral("k%1").arg(i)).setString(values[i]);
    if (rid)
        q.param(QStringLiteral("self")).setInteger(rid);
    q.open();
    return !q.isEmpty();
}

bool RecordEditor::IdExists()
{
    if (m_cfg.keyFields.isEmpty())
        return false;
    return keyExists(typedKey());
}

bool RecordEditor::keyIsTyped() const
{
    // A key the program assigns only shows (it is no data edit).
    return DBE_ID && m_edits.contains(DBE_ID);
}

void RecordEditor::focusKey()
{
    // A key locked while modifying stays locked, and one the program assigns
    // is never opened; the focus goes only to a control that can take it.
    if (!keyIsTyped() || lockedNow(DBE_ID->dataField()))
        return;
    DBE_ID->setEnabled(true);
    DBE_ID->setFocus();
}

bool RecordEditor::requiredFilled()
{
    bool filled = true;
    for (const QString& f : m_cfg.requiredFields) {
        QWidget* w = controlOf(f);
        const QString text = w ? controlText(w) : m_ds->fieldByName(f)->asString();
        filled = filled && !text.trimmed().isEmpty();
    }
    if (filled)
        return true;
    ui::Msg::warning(m_cfg.emptyMessage);
    for (const QString& f : m_cfg.clearOnRequired)
        if (QWidget* w = controlOf(f); w && w->isEnabled() && m_edits.contains(w))
            clearControl(w);
    if (!m_cfg.focusKeyOnRequired)
        return false;
    if (QWidget* w = m_cfg.requiredFocusField.isEmpty() ? nullptr : controlOf(m_cfg.requiredFocusField)) {
        if (w->isEnabled())
            w->setFocus();
    } else {
        focusKey();
    }
    return false;
}

bool RecordEditor::validateRecord()
{
    if (!m_cfg.requiredFields.isEmpty()) {
        if (!requiredFilled())
            return false;
        if (!m_cfg.keyFields.isEmpty() && keyChanged() && IdExists()) {
            ui::Msg::warning(m_cfg.existsOnSave);
            focusKey();
            if (DBE_ID && DBE_ID->isEnabled())
                DBE_ID->setText(QString());
            return false;
        }
        return true;
    }
    const QString name = DBE_Name ? DBE_Name->text() : m_ds->fieldByName(m_cfg.nameField)->asString();
    bool keyEmpty = false;
    for (const QString& k : typedKey())
        keyEmpty = keyEmpty || k.trimmed().isEmpty();
    if (keyEmpty || name.trimmed().isEmpty()) {
        ui::Msg::warning(m_cfg.emptyMessage);
        if (DBE_ID)
            DBE_ID->setText(QString());
        if (DBE_Name)
            DBE_Name->setText(QString());
        focusKey();
        return false;
    }
    if (keyChanged() && IdExists()) {
        ui::Msg::warning(m_cfg.existsOnSave);
        focusKey();
        if (DBE_ID)
            DBE_ID->setText(QString());
        return false;
    }
    return true;
}

bool RecordEditor::runSaveChecks()
{
    if (m_checking)
        return true;
    m_checking = true;
    bool ok = false;
    try {
        ok = validateRecord();
    } catch (...) {
        m_checking = false;
        throw;
    }
    m_checking = false;
    return ok;
}

// --- handlers ----------------------------------------------------------------

void RecordEditor::CheckBoxClick()
{
    if (!CheckBox->isChecked()) {
        setEditsEnabled(false);
        for (ui::ToolButton* b : {TB_Add, TB_Delete, TB_Modi, TB_Save, TB_Cancel})
            b->setEnabled(false);
    } else {
        TB_Add->setEnabled(true);
        TB_Delete->setEnabled(true);
        if (m_cfg.modifyWithSwitch)
            TB_Modi->setEnabled(true);
    }
}

void RecordEditor::DBGrid1Enter()
{
    if (m_ds->isEditing())
        m_ds->discardEdits();
    if (m_cfg.gridDisablesEdits)
        setEditsEnabled(false);
    if (CheckBox->isChecked()) {
        TB_Modi->setEnabled(true);
        TB_Delete->setEnabled(true);
        if (m_cfg.gridEnablesAdd)
            TB_Add->setEnabled(true);
    }
}

void RecordEditor::DBGrid1CellClick()
{
    if (!m_cfg.gridClickOffersOnly) {
        DBGrid1Enter();
        return;
    }
    if (CheckBox->isChecked()) {
        TB_Modi->setEnabled(true);
        TB_Delete->setEnabled(true);
    }
}

void RecordEditor::DBGrid1ColEnter()
{
    DBGrid1Enter();
}

void RecordEditor::writeAddDefaults()
{
    for (const AddDefault& d : m_cfg.addDefaults) {
        data::Field* f = m_ds->fieldByName(d.field);
        switch (d.kind) {
        case AddDefault::Today: f->setAsDateTime(QDateTime(QDate::currentDate(), QTime(0, 0))); break;
        case AddDefault::Now: {
            // A time of day carries the zero date, as typed times do.
            const QTime now = QTime::currentTime();
            f->setAsDateTime(QDateTime(QDate(1899, 12, 30), QTime(now.hour(), now.minute(), now.second())));
            break;
        }
        case AddDefault::TodayText: f->setAsString(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))); break;
        case AddDefault::Text: f->setAsString(d.text); break;
        }
    }
}

void RecordEditor::TB_AddClick()
{
    ui::quietly([&] {
        // A pending change is posted (through the checks) before the new row.
        m_ds->checkBrowseMode();
        ModeFlag() = QStringLiteral("N");
        m_src->setEnabled(false);
        // The new row shows at the end, where it stays once stored.
        m_ds->append();
        writeAddDefaults();
        onAdd();
        m_src->setEnabled(true);
        // Only now, on the new row, are the controls locked in modify open.
        setEditsEnabled(true);
        if (keyIsTyped() && !DBE_ID->text().isEmpty())
            DBE_ID->setText(QString());
        TB_Save->setEnabled(true);
        TB_Delete->setEnabled(true);
        TB_Cancel->setEnabled(true);
        TB_Add->setEnabled(false);
        if (m_cfg.modifyWithSwitch)
            TB_Modi->setEnabled(false);
        focusKey();
    });
    if (!m_src->enabled())
        m_src->setEnabled(true);
}

void RecordEditor::TB_ModiClick()
{
    ModeFlag() = QStringLiteral("M");
    TB_Modi->setEnabled(false);
    TB_Cancel->setEnabled(true);
    if (m_cfg.modifyStartsEdit && !m_ds->isEditing() && !m_ds->isEmpty())
        m_ds->edit();
    setEditsEnabled(true);
}

void RecordEditor::TB_SaveClick()
{
    ui::quietly([&] {
        if (m_ds->isEditing())
            m_ds->post();
        ModeFlag() = QStringLiteral("N");
        setEditsEnabled(false);
        TB_Add->setEnabled(CheckBox->isChecked() || session::level() != 2);
        if (m_cfg.saveOffersModify)
            TB_Modi->setEnabled(TB_Add->isEnabled());
    });
}

void RecordEditor::TB_CancelClick()
{
    ModeFlag() = QStringLiteral("N");
    setEditsEnabled(false);
    m_ds->cancel();
    TB_Cancel->setEnabled(false);
    TB_Add->setEnabled(true);
    if (m_cfg.saveOffersModify)
        TB_Modi->setEnabled(true);
}

void RecordEditor::TB_DeleteClick()
{
    ModeFlag() = QStringLiteral("N");
    const bool adding = m_ds->state() == data::DataSetState::Insert;
    if (m_cfg.deleteKind == RecordEditorConfig::DeleteKind::Navigator) {
        setEditsEnabled(false);
        if (!adding && m_ds->isEmpty())
            return;
        if (!ui::Msg::confirm(ui::DBNavigator::deleteQuestion()))
            return;
        if (adding) {
            m_ds->cancel();
            TB_Add->setEnabled(true);
            return;
        }
        if (removeCurrent() && m_cfg.requeryAfterDelete)
            m_ds->requery();
        return;
    }
    if (adding) {
        // Only the new row goes; nothing stored is touched.
        m_ds->cancel();
        setEditsEnabled(false);
        TB_Add->setEnabled(true);
        return;
    }
    // A delete answered with Cancel, or refused, leaves the window as it was.
    if (m_ds->isEmpty() || !ui::Msg::confirm(m_cfg.deleteQuestion))
        return;
    if (!removeCurrent())
        return;
    setEditsEnabled(false);
    if (m_cfg.requeryAfterDelete)
        m_ds->requery();
}

// The current row as stored (a row being modified loses its edits first),
// with its dependants, in one transaction; by the row's identity. False when
// a check refused the delete (and said why): nothing was deleted.
bool RecordEditor::removeCurrent()
{
    try {
        if (m_ds->isEditing())
            m_ds->discardEdits();
        data::Transaction tx(*DM->connection());
        deleteDependants();
        m_ds->remove();
        tx.commit();
    } catch (const data::Abort&) {
        return false;
    }
    return true;
}

void RecordEditor::TB_FirstClick()
{
    ui::quietly([&] {
        m_ds->first();
        ModeFlag() = QStringLiteral("N");
    });
}

void RecordEditor::TB_PrevClick()
{
    ui::quietly([&] {
        m_ds->prior();
        ModeFlag() = QStringLiteral("N");
    });
}

void RecordEditor::TB_NextClick()
{
    ui::quietly([&] {
        m_ds->next();
        ModeFlag() = QStringLiteral("N");
    });
}

void RecordEditor::TB_LastClick()
{
    ui::quietly([&] {
        m_ds->last();
        ModeFlag() = QStringLiteral("N");
    });
}

void RecordEditor::TB_RefreshClick()
{
    ui::quietly([&] {
        m_ds->requery();
        ModeFlag() = QStringLiteral("N");
    });
}

void RecordEditor::TB_FindClick()
{
    ModeFlag() = QStringLiteral("N");
    openSearch();
}

void RecordEditor::TB_PrintClick() {}

void RecordEditor::TB_CloseClick()
{
    close();
}

void RecordEditor::DBE_IDExit()
{
    if (!m_ds->isEditing() || !keyChanged())
        return;
    if (IdExists()) {
        ui::Msg::warning(m_cfg.existsOnExit);
        focusKey();
        DBE_ID->setText(QString());
    }
}
