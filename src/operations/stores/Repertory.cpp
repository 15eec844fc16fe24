#include "operations/stores/Repertory.h"

#include "platform/ui/DBGrid.h"
#include "session/DMRegion.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

TfrmRepertory* frmRepertory = nullptr;

namespace {

struct Remembered {
    QString goods, category;
};

Remembered& remembered()
{
    static Remembered r;
    return r;
}

}  // namespace

TfrmRepertory::TfrmRepertory(QWidget* parent)
    : StoresBrowser(QStringLiteral("库存浏览"), QStringLiteral("Repertory"), DM->AQ_Repertory, DM->DS_Repertory,
                    {{QStringLiteral("GoodsName"), QStringLiteral("品名"), 120, true, false, false, {}, Qt::AlignHCenter},
                     {QStringLiteral("reperName"), QStringLiteral("物资类别"), 120, true, false, false, {},
                      Qt::AlignHCenter},
                     {QStringLiteral("spec"), QStringLiteral("型号规格"), 110, true, false, false, {}, Qt::AlignHCenter},
                     {QStringLiteral("startNum"), QStringLiteral("初始库存"), 60},
                     {QStringLiteral("inputNum"), QStringLiteral("入库数量"), 60},
                     {QStringLiteral("outputNum"), QStringLiteral("出库数量"), 60},
                     {QStringLiteral("storage"), QStringLiteral("库存数量"), 60}},
                    parent)
{
    setObjectName(QStringLiteral("frmRepertory"));

    auto* filters = new QGroupBox(this);
    CheckBox = new QCheckBox(QStringLiteral("输入查询条件"), filters);
    CheckBox->setObjectName(QStringLiteral("CheckBox"));
    connect(CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
    E_Name = new QLineEdit(filters);
    E_Name->setObjectName(QStringLiteral("E_Name"));
    E_Reper = new QLineEdit(filters);
    E_Reper->setObjectName(QStringLiteral("E_Reper"));
    E_Name->setEnabled(false);
    E_Reper->setEnabled(false);
    connect(E_Name, &QLineEdit::textChanged, this, [](const QString& t) { remembered().goods = t; });
    connect(E_Reper, &QLineEdit::textChanged, this, [](const QString& t) { remembered().category = t; });
    auto* fl = new QHBoxLayout(filters);
    fl->addWidget(CheckBox);
    fl->addSpacing(16);
    fl->addWidget(new QLabel(QStringLiteral("品名："), filters));
    fl->addWidget(E_Name, 1);
    fl->addWidget(new QLabel(QStringLiteral("物资类别："), filters));
    fl->addWidget(E_Reper, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(toolBar());
    root->addWidget(filters);
    root->addWidget(DBGrid1, 1);
}

TfrmRepertory::~TfrmRepertory()
{
    if (frmRepertory == this)
        frmRepertory = nullptr;
}

void TfrmRepertory::formCreate()
{
    reopen();
    setFormSize(700, 424);
    const Remembered r = remembered();
    if (!r.goods.isEmpty() || !r.category.isEmpty()) {
        CheckBox->setChecked(true);
        CheckBoxClick();
        E_Name->setText(r.goods);
        E_Reper->setText(r.category);
    }
}

void TfrmRepertory::CheckBoxClick()
{
    const bool on = CheckBox->isChecked();
    if (!on) {
        E_Name->clear();
        E_Reper->clear();
    }
    E_Name->setEnabled(on);
    E_Reper->setEnabled(on);
}

void TfrmRepertory::TB_FindClick()
{
    const Remembered r = remembered();
    QStringList conditions;
    QList<QPair<QString, QString>> params;
    if (!r.goods.isEmpty()) {
        conditions << QStringLiteral("GoodsName=:Goods");
        params << qMakePair(QStringLiteral("Goods"), r.goods);
    }
    if (!r.category.isEmpty()) {
        conditions << QStringLiteral("reperName=:reper");
        params << qMakePair(QStringLiteral("reper"), r.category);
    }
    QString statement = QStringLiteral("select * from Repertory");
    if (!conditions.isEmpty())
        statement += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    run({statement}, params);
}
