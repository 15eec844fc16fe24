#include "operations/stores/IoSelect.h"

#include "platform/ui/DBGrid.h"
#include "session/DMRegion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

TfrmIoSelect* frmIoSelect = nullptr;

namespace {

// The unit's filter values, kept for the whole run.
struct Remembered {
    QString name, dept, man;
};

Remembered& remembered()
{
    static Remembered r;
    return r;
}

}  // namespace

TfrmIoSelect::TfrmIoSelect(QWidget* parent)
    : StoresBrowser(QStringLiteral("出入库查询"), QStringLiteral("Ioselect"), DM->AQ_ioSelect, DM->DS_ioSelect,
                    {{QStringLiteral("ioputID"), QStringLiteral("单号"), 55},
                     {QStringLiteral("GoodsName"), QStringLiteral("品名 "), 80},
                     {QStringLiteral("dept"), QStringLiteral("使用部门"), 80},
                     {QStringLiteral("useMan"), QStringLiteral("经办人"), 70},
                     {QStringLiteral("ioDate"), QStringLiteral("日期"), 60, true, false, false, QStringLiteral("yyyy-MM-dd")},
                     {QStringLiteral("ioTime"), QStringLiteral("时间"), 60, true, false, false, QStringLiteral("hh:mm:ss")},
                     {QStringLiteral("ioNum"), QStringLiteral("数量"), 50}},
                    parent)
{
    setObjectName(QStringLiteral("frmIoSelect"));

    auto* kind = new QGroupBox(QStringLiteral("  查询类别"), this);
    kind->setObjectName(QStringLiteral("RG_Io"));
    RB_input = new QRadioButton(QStringLiteral("入库记录"), kind);
    RB_input->setObjectName(QStringLiteral("RB_input"));
    RB_output = new QRadioButton(QStringLiteral("出库记录"), kind);
    RB_output->setObjectName(QStringLiteral("RB_output"));
    auto* kl = new QVBoxLayout(kind);
    kl->addWidget(RB_input);
    kl->addWidget(RB_output);
    kl->addStretch(1);
    connect(RB_input, &QRadioButton::clicked, this, [this] { RB_inputClick(); });
    connect(RB_output, &QRadioButton::clicked, this, [this] { RB_outputClick(); });

    CheckBox = new QCheckBox(QStringLiteral("使用查询条件"), this);
    CheckBox->setObjectName(QStringLiteral("CheckBox"));
    connect(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });

    auto* filters = new QGroupBox(QStringLiteral("  查询条件          可选"), this);
    E_Name = new QLineEdit(filters);
    E_Name->setObjectName(QStringLiteral("E_Name"));
    C_Dept = new QComboBox(filters);
    C_Dept->setObjectName(QStringLiteral("C_Dept"));
    C_Dept->setEditable(true);
    C_Dept->addItems({QString(), QStringLiteral("财务部"), QStringLiteral("工程部"), QStringLiteral("销售部"),
                      QStringLiteral("采购部"), QStringLiteral("保安部")});
    E_Man = new QLineEdit(filters);
    E_Man->setObjectName(QStringLiteral("E_Man"));
    auto* fl = new QFormLayout(filters);
    fl->addRow(QStringLiteral("品名："), E_Name);
    fl->addRow(QStringLiteral("部门："), C_Dept);
    fl->addRow(QStringLiteral("经办人："), E_Man);
    for (QWidget* w : {static_cast<QWidget*>(E_Name), static_cast<QWidget*>(C_Dept), static_cast<QWidget*>(E_Man)})
        w->setEnabled(false);

    // The values follow their controls as they are typed.
    connect(E_Name, &QLineEdit::textChanged, this, [](const QString& t) { remembered().name = t; });
    connect(C_Dept, &QComboBox::currentTextChanged, this, [](const QString& t) { remembered().dept = t; });
    connect(E_Man, &QLineEdit::textChanged, this, [](const QString& t) { remembered().man = t; });

    // The choices keep the width the window leaves beside the grid's panel.
    auto* sidePanel = new QWidget(this);
    sidePanel->setFixedWidth(725 - 505 - 10);
    auto* side = new QVBoxLayout(sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(kind);
    side->addWidget(CheckBox);
    side->addWidget(filters);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(DBGrid1, 1);
    body->addWidget(sidePanel);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(toolBar());
    root->addLayout(body, 1);
}

TfrmIoSelect::~TfrmIoSelect()
{
    if (frmIoSelect == this)
        frmIoSelect = nullptr;
}

void TfrmIoSelect::formCreate()
{
    setFormSize(725, 470);
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowState(sw->windowState() | Qt::WindowMaximized);
    // The remembered values are shown, in their disabled controls, since 查询
    // applies them whether or not the box is ticked.
    const Remembered r = remembered();
    E_Name->setText(r.name);
    C_Dept->setCurrentText(r.dept);
    E_Man->setText(r.man);
    // The query keeps its last statement: the radio names its table.
    const bool issues = query()->sql().value(0).trimmed().endsWith(QStringLiteral(" outputs"), Qt::CaseInsensitive);
    (issues ? RB_output : RB_input)->setChecked(true);
    reopen();
}

void TfrmIoSelect::showTable(const QString& table)
{
    run({QStringLiteral("select * from ") + table});
}

void TfrmIoSelect::RB_inputClick()
{
    showTable(QStringLiteral("inputs"));
}

void TfrmIoSelect::RB_outputClick()
{
    showTable(QStringLiteral("outputs"));
}

void TfrmIoSelect::CheckBoxClick()
{
    const bool on = CheckBox->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(E_Name), static_cast<QWidget*>(C_Dept), static_cast<QWidget*>(E_Man)})
        w->setEnabled(on);
}

void TfrmIoSelect::TB_FindClick()
{
    const Remembered r = remembered();
    const QString table = RB_output->isChecked() ? QStringLiteral("outputs") : QStringLiteral("inputs");
    QStringList conditions;
    QList<QPair<QString, QString>> params;
    auto add = [&](const QString& value, const char* column, const char* param) {
        if (value.isEmpty())
            return;
        conditions << QStringLiteral("%1=:%2").arg(QLatin1String(column), QLatin1String(param));
        params << qMakePair(QString::fromLatin1(param), value);
    };
    add(r.name, "GoodsName", "name");
    add(r.dept, "dept", "dept");
    add(r.man, "useMan", "man");
    QStringList lines{QStringLiteral("select * from ") + table};
    if (!conditions.isEmpty())
        lines << QStringLiteral("where ") + conditions.join(QStringLiteral(" and "));
    run(lines, params);
}
