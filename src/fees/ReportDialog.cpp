#include "fees/ReportDialog.h"

#include "fees/ChargeLookups.h"
#include "platform/data/Table.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/Session.h"
#include "templates/ReportHeading.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fees {

namespace {

const std::vector<std::pair<QString, ReportDialogDef>>& dialogTable()
{
    // unit: object, caption, size, district, item, months, variants, today, price, cancel
    static const std::vector<std::pair<QString, ReportDialogDef>> table = {
        {"BBYSK", {"frmBBYSK", "", {230, 276}, true, true, 2, {"", ""}, false, false, "取消"}},
        {"SFTJ", {"frmSFTJ", "", {207, 193}, true, false, 1, {}, false, false, "取消"}},
        {"WRZ", {"frmWRZ", "房产资源", {237, 237}, true, false, 0, {"空闲房间", "入住率"}, true, false, "取消"}},
        {"KZF", {"frmKZF", "空置房管理费统计", {268, 210}, false, false, 0, {}, false, true, "退出"}},
    };
    return table;
}

QString trimmedKey(const QVariant& key)
{
    return key.isNull() ? QString() : key.toString().trimmed();
}

QDateEdit* monthPicker(const char* name, QWidget* parent)
{
    auto* p = new QDateEdit(QDate::currentDate(), parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setDisplayFormat(QStringLiteral("yyyy-MM"));
    p->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    return p;
}

template <class W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

const ReportDialogDef& reportDialogDef(const QString& unit)
{
    for (const auto& [name, def] : dialogTable())
        if (name == unit)
            return def;
    throw std::out_of_range("no such report dialog");
}

ReportDialog::ReportDialog(const ReportDialogDef& def, QWidget* parent) : ui::Form(parent), m_size(def.size)
{
    setMdiChild(true);
    setObjectName(QString::fromLatin1(def.objectName));
    setWindowTitle(def.caption);
    buildLayout(def);
    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    connect(RvSystem, &report::ReportSystem::OnPrint, this, [this](report::PageWriter& w) { RvSystemPrint(w); });
}

ReportDialog::~ReportDialog() = default;

void ReportDialog::buildLayout(const ReportDialogDef& def)
{
    auto* grid = new QGridLayout;
    int row = 0;
    if (def.districtPickers) {
        data::Connection* c = session::connection();
        AT_Reg = new data::Table(c, this);
        AT_Reg->setTableName(QStringLiteral("Region"));
        DS_Reg = new data::DataSource(AT_Reg, this);
        AT_Bud = new data::Table(c, this);
        AT_Bud->setTableName(QStringLiteral("Build"));
        AT_Bud->setMaster(DS_Reg, QStringLiteral("RegionId"), QStringLiteral("RegionID"));
        DS_Bud = new data::DataSource(AT_Bud, this);
        DBLC_Reg = newLookup(this, QStringLiteral("DBLC_Reg"), DS_Reg, QStringLiteral("RegionId"),
                             QStringLiteral("RegionName"));
        DBLC_Build = newLookup(this, QStringLiteral("DBLC_Build"), DS_Bud, QStringLiteral("BuildId"),
                               QStringLiteral("BuildName"));
        CheckBox1 = named(new QCheckBox(QStringLiteral("全部"), this), "CheckBox1");
        CheckBox2 = named(new QCheckBox(QStringLiteral("全部"), this), "CheckBox2");
        ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_RegCloseUp(); });
        ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_BuildCloseUp(); });
        ui::connectHandler(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
        ui::connectHandler(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
        grid->addWidget(new QLabel(QStringLiteral("小区名称"), this), row, 0);
        grid->addWidget(DBLC_Reg, row, 1);
        grid->addWidget(CheckBox1, row++, 2);
        grid->addWidget(new QLabel(QStringLiteral("楼宇名称"), this), row, 0);
        grid->addWidget(DBLC_Build, row, 1);
        grid->addWidget(CheckBox2, row++, 2);
    }
    if (def.itemPicker) {
        AT_FeeType = new data::Table(session::connection(), this);
        AT_FeeType->setTableName(QStringLiteral("FeeType1"));
        DS_FeeType = new data::DataSource(AT_FeeType, this);
        DBLC_Fee = newLookup(this, QStringLiteral("DBLC_Fee"), DS_FeeType, QStringLiteral("FeeId"),
                             QStringLiteral("FeeName"));
        ui::connectHandler(DBLC_Fee, &ui::DBLookupComboBox::closedUp, this, [this] { DBLC_FeeCloseUp(); });
        grid->addWidget(new QLabel(QStringLiteral("费用名称"), this), row, 0);
        grid->addWidget(DBLC_Fee, row++, 1, 1, 2);
    }
    if (def.monthPickers > 0) {
        DTP_Date = monthPicker("DTP_Date", this);
        grid->addWidget(new QLabel(QStringLiteral("统计日期"), this), row, 0);
        grid->addWidget(DTP_Date, row++, 1, 1, 2);
        if (def.monthPickers > 1) {
            DTP_Date1 = monthPicker("DTP_Date1", this);
            grid->addWidget(new QLabel(QStringLiteral("至"), this), row, 0, Qt::AlignRight);
            grid->addWidget(DTP_Date1, row++, 1, 1, 2);
        }
    }
    if (def.priceAndMonths) {
        E_1 = named(new QLineEdit(this), "E_1");
        E_1->setMaxLength(8);
        E_2 = named(new QLineEdit(this), "E_2");
        grid->addWidget(new QLabel(QStringLiteral("计算单价"), this), row, 0);
        grid->addWidget(E_1, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("元/m²"), this), row++, 2);
        grid->addWidget(new QLabel(QStringLiteral("统计月数"), this), row, 0);
        grid->addWidget(E_2, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("个月"), this), row++, 2);
        grid->addWidget(new QLabel(QStringLiteral("注：单价是以建筑面积为基数"), this), row++, 0, 1, 3);
    }
    if (def.variants.size() == 2) {
        RB_1 = named(new QRadioButton(def.variants[0], this), "RB_1");
        RB_2 = named(new QRadioButton(def.variants[1], this), "RB_2");
        RB_1->setChecked(true);
        grid->addWidget(RB_1, row++, 0, 1, 3);
        grid->addWidget(RB_2, row++, 0, 1, 3);
    }
    if (def.todayLabel) {
        Label1 = named(new QLabel(QStringLiteral("统计时间："), this), "Label1");
        Label2 = named(new QLabel(this), "Label2");
        grid->addWidget(Label1, row, 0);
        grid->addWidget(Label2, row++, 1, 1, 2);
    }
    grid->setColumnStretch(1, 1);

    BitBtn1 = named(new QPushButton(QStringLiteral("打印"), this), "BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = named(new QPushButton(def.cancelCaption, this), "BitBtn2");
    ui::connectHandler(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::connectHandler(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* root = new QVBoxLayout(this);
    root->addLayout(grid);
    root->addStretch(1);
    root->addLayout(buttons);
}

void ReportDialog::reopen(data::Table* table, data::DataSource* source)
{
    if (!table)
        return;
    source->setEnabled(false);
    table->close();
    table->open();
    source->setEnabled(true);
}

void ReportDialog::formCreate()
{
    reopen(AT_Reg, DS_Reg);
    reopen(AT_Bud, DS_Bud);
    reopen(AT_FeeType, DS_FeeType);
    if (Label2)
        Label2->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    setFormSize(m_size.width(), m_size.height());
}

void ReportDialog::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void ReportDialog::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the default button, Escape the cancel button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtn1->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        BitBtn2->click();
        return;
    }
    ui::Form::keyPressEvent(e);
}

bool ReportDialog::districtShown() const
{
    return DBLC_Reg && !DBLC_Reg->keyValue().isNull();
}

bool ReportDialog::buildingShown() const
{
    return DBLC_Build && !DBLC_Build->keyValue().isNull();
}

void ReportDialog::DBLC_RegCloseUp()
{
    if (!districtShown()) {
        ui::Msg::information(QStringLiteral("小区名称不能为空！"));
        return;
    }
    const QVariant key = DBLC_Reg->keyValue();
    const QString chosen = trimmedKey(key);
    // The building list now holds another district's buildings: a building
    // remembered from before would pair one district with another's building.
    if (chosen != m_regionKey) {
        m_buildKey.clear();
        m_buildName.clear();
        DBLC_Build->setKeyValue(QVariant());
    }
    m_regionKey = chosen;
    m_regionName = DBLC_Reg->text().trimmed();
    AT_Reg->locate(QStringLiteral("RegionId"), key);
}

void ReportDialog::DBLC_BuildCloseUp()
{
    if (!buildingShown()) {
        ui::Msg::information(QStringLiteral("请选择楼宇！"));
        return;
    }
    m_buildKey = trimmedKey(DBLC_Build->keyValue());
    m_buildName = DBLC_Build->text().trimmed();
}

void ReportDialog::DBLC_FeeCloseUp()
{
    if (DBLC_Fee->keyValue().isNull())
        return;
    m_feeKey = trimmedKey(DBLC_Fee->keyValue());
    m_feeName = DBLC_Fee->text().trimmed();
}

void ReportDialog::CheckBox1Click()
{
    const bool all = CheckBox1->isChecked();
    CheckBox2->setEnabled(!all);
    DBLC_Build->setEnabled(!all && !CheckBox2->isChecked());
    if (!districtShown())
        ui::Msg::information(QStringLiteral("请选择小区！"));
}

void ReportDialog::CheckBox2Click()
{
    DBLC_Build->setEnabled(!CheckBox2->isChecked());
}

bool ReportDialog::allBuildings() const
{
    return (CheckBox1 && CheckBox1->isChecked()) || (CheckBox2 && CheckBox2->isChecked());
}

ReportScope ReportDialog::scope() const
{
    ReportScope s;
    s.regionId = m_regionKey;
    if (!allBuildings())
        s.buildId = m_buildKey;
    return s;
}

QString ReportDialog::period(const QDateEdit* picker)
{
    return picker->date().toString(QStringLiteral("yyyyMM"));
}

PageHead ReportDialog::pageHead()
{
    return {ReportHeading(), QDate::currentDate()};
}

void ReportDialog::BitBtn1Click()
{
    if (!gather())
        return;
    RvSystem->SetTitle(windowTitle());
    RvSystem->Execute();
}

void ReportDialog::BitBtn2Click()
{
    close();
}

}  // namespace fees
