#include "templates/SearchForm.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Handler.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kHide = QStringLiteral("隐藏");
const QString kShow = QStringLiteral("显示");
const QString kMissingPart = QStringLiteral("查找字段、查找条件或查找值不能为空");
const QString kNoConditions = QStringLiteral("你还没有选择数据记录查找条件，请选择");
const int kGridLow = 153;   // below the conditions
const int kGridHigh = 358;  // alone under the tool bar

QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

}  // namespace

SearchForm::SearchForm(const SearchConfig& config, QWidget* parent) : ui::Form(parent), m_cfg(config)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(config.caption);
    setShowOnCreate(true);

    AQ_Data = new data::Query(DM->connection(), this);
    AQ_Data->setObjectName(QStringLiteral("AQ_Data"));
    DS_Data = new data::DataSource(AQ_Data, this);
    DS_Data->setObjectName(QStringLiteral("DS_Data"));
    DS_Data->setEnabled(false);
    DS_Data->setAutoEdit(false);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    buildToolBar();
    buildPanel();
    DBG_Data = new ui::DBGrid(DS_Data, this);
    DBG_Data->setObjectName(QStringLiteral("DBG_Data"));
    DBG_Data->setColumns(config.gridColumns);
    DBG_Data->setReadOnly(true);
    DBG_Data->setRowSelect(true);
    DBG_Data->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBG_Data->setFixedHeight(kGridLow);
    m_filler = new QWidget(this);
    m_filler->setVisible(false);
    root->addWidget(findChild<QToolBar*>(QStringLiteral("ToolBar1")));
    root->addWidget(Panel1, 1);
    root->addWidget(DBG_Data);
    root->addWidget(m_filler, 1);

    ui::onExit(E_Value, [this] { E_ValueExit(); }, this);
}

SearchForm::~SearchForm() = default;

void SearchForm::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this, bar](ui::ToolButton*& b, const char* name, const QString& caption, void (SearchForm::*h)()) {
        return ui::addToolButton(bar, b, name, caption, this, h);
    };
    add(TB_Hide, "TB_Hide", kHide, &SearchForm::TB_HideClick);
    add(TB_Clear, "TB_Clear", QStringLiteral("清除 "), &SearchForm::TB_ClearClick);
    QAction* print = add(TB_Print, "TB_Print", QStringLiteral("打印"), &SearchForm::TB_PrintClick);
    add(TB_Find, "TB_Find", QStringLiteral("查找"), &SearchForm::TB_FindClick);
    bar->addSeparator();
    lbl1 = new QLabel(QStringLiteral("当前记录共      条"), bar);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    bar->addWidget(lbl1);
    // Only a search that prints its result shows the button.
    print->setVisible(bool(m_cfg.print));
    TB_Print->setEnabled(false);
}

void SearchForm::buildPanel()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* g = new QGridLayout(Panel1);
    QStringList captions;
    for (const SearchField& f : m_cfg.statement.fields)
        captions << f.caption;
    CB_ZD = pickList(Panel1, "CB_ZD", captions);
    CB_TJian = pickList(Panel1, "CB_TJian", m_cfg.statement.operators);
    CB_GX = pickList(Panel1, "CB_GX", {QStringLiteral("并且"), QStringLiteral("或者")});
    E_Value = new QLineEdit(Panel1);
    E_Value->setObjectName(QStringLiteral("E_Value"));
    g->addWidget(new QLabel(QStringLiteral("查找字段："), Panel1), 0, 0, Qt::AlignRight);
    g->addWidget(CB_ZD, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("查找条件："), Panel1), 0, 2, Qt::AlignRight);
    g->addWidget(CB_TJian, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("查找值："), Panel1), 1, 0, Qt::AlignRight);
    g->addWidget(E_Value, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("逻辑关系："), Panel1), 1, 2, Qt::AlignRight);
    g->addWidget(CB_GX, 1, 3);

    LV_Sql = new ui::ListView(Panel1);
    LV_Sql->setObjectName(QStringLiteral("LV_Sql"));
    LV_Sql->setColumns({{QStringLiteral("关系"), 70},
                        {QStringLiteral("查找内容"), 110},
                        {QStringLiteral("条件"), 60},
                        {QStringLiteral("值"), 160}});
    LV_Sql->setGridLines(true);
    g->addWidget(LV_Sql, 2, 0, 1, 4);

    auto* buttons = new QVBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("添加条件"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BB_Delete = new QPushButton(QStringLiteral("删除条件"), Panel1);
    BB_Delete->setObjectName(QStringLiteral("BB_Delete"));
    BB_Exit = new QPushButton(QStringLiteral(" 离       开"), Panel1);
    BB_Exit->setObjectName(QStringLiteral("BB_Exit"));
    for (QPushButton* b : {BitBtn1, BB_Delete, BB_Exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    g->addLayout(buttons, 0, 4, 3, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(2, 1);
    ui::connectHandler(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::connectHandler(BB_Delete, &QPushButton::clicked, this, [this] { BB_DeleteClick(); });
    ui::connectHandler(BB_Exit, &QPushButton::clicked, this, [this] { BB_ExitClick(); });
}

void SearchForm::formCreate()
{
    setFormSize(608, 441);
    centerOnScreen();
    TB_Find->setEnabled(true);
}

void SearchForm::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void SearchForm::keyPressEvent(QKeyEvent* e)
{
    // 添加条件 is the window's default button, 删除条件 its cancel button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtn1Click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        BB_DeleteClick();
        return;
    }
    ui::Form::keyPressEvent(e);
}

QVector<SearchCondition> SearchForm::conditions() const
{
    QVector<SearchCondition> out;
    for (int i = 0; i < LV_Sql->rowCount(); ++i)
        out << SearchCondition{LV_Sql->rowText(i, 0), LV_Sql->rowText(i, 1), LV_Sql->rowText(i, 2),
                               LV_Sql->rowText(i, 3)};
    return out;
}

void SearchForm::setCount(int rows)
{
    lbl1->setText(QStringLiteral("当前记录共   ") + QString::number(rows) + QStringLiteral("  条"));
}

void SearchForm::BitBtn1Click()
{
    const QString field = CB_ZD->currentText();
    const QString op = CB_TJian->currentText();
    const QString value = E_Value->text();
    if (field.isEmpty() || op.isEmpty() || value.isEmpty()) {
        ui::Msg::plain(kMissingPart);
        E_Value->setFocus();
        return;
    }
    const QString relation = LV_Sql->rowCount() > 0 ? CB_GX->currentText() : QString();
    LV_Sql->addRow({relation, field, op, value});
}

// Removes the selected condition; nothing when none is selected.
void SearchForm::BB_DeleteClick()
{
    const int row = LV_Sql->selectedRow();
    if (row >= 0)
        LV_Sql->removeRow(row);
}

void SearchForm::BB_ExitClick()
{
    close();
}

void SearchForm::TB_FindClick()
{
    if (LV_Sql->rowCount() == 0) {
        ui::Msg::plain(kNoConditions);
        if (!Panel1->isHidden())
            E_Value->setFocus();
        return;
    }
    m_cfg.statement.prepare(*AQ_Data, conditions());
    AQ_Data->open();
    AQ_Data->first();
    setCount(AQ_Data->recordCount());
    DS_Data->setEnabled(false);
    DS_Data->setEnabled(true);
    // A search that finds nothing leaves the button as it was.
    if (m_cfg.print && !AQ_Data->isEmpty())
        TB_Print->setEnabled(true);
}

void SearchForm::TB_ClearClick()
{
    LV_Sql->clearRows();
    DS_Data->setEnabled(false);
    lbl1->setText(QStringLiteral("当前记录共 0 条"));
}

void SearchForm::TB_HideClick()
{
    const bool hide = TB_Hide->text() == kHide;
    Panel1->setVisible(!hide);
    m_filler->setVisible(hide);
    DBG_Data->setFixedHeight(hide ? kGridHigh : kGridLow);
    TB_Hide->setText(hide ? kShow : kHide);
    if (m_cfg.findOnlyWhenShown)
        TB_Find->setEnabled(!hide);
}

// Prints the current result, even an empty one; printing again needs
// another search that finds rows.
void SearchForm::TB_PrintClick()
{
    if (!m_cfg.print)
        return;
    TB_Print->setEnabled(false);
    m_cfg.print(*this);
}

void SearchForm::E_ValueExit()
{
    if (!m_cfg.dateCaptions.contains(CB_ZD->currentText()))
        return;
    const QDateTime typed = data::parseDateTimeText(E_Value->text().trimmed());
    const QDate date = typed.isValid() ? typed.date() : QDate::currentDate();
    E_Value->setText(date.toString(QStringLiteral("yyyy-MM-dd")));
}
