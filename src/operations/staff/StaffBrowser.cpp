#include "operations/staff/StaffBrowser.h"

#include "platform/data/DataSource.h"
#include "platform/data/Error.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "session/Session.h"
#include "templates/ConfiguredWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The columns shown, with their labels, in reading order.
const std::pair<const char*, const char*> kColumns[] = {
    {"EmpID", "工号："},         {"EmpType", "工种："},       {"ETName", "员工姓名："}, {"ETSex", "性 别："},
    {"ETBirth", "生 日："},      {"ETHeight", "身 高："},     {"ETWeight", "体 重："},  {"ETXueli", "文化程度："},
    {"ETZhz", "政治面貌："},     {"ETMarr", "婚  否："},      {"ETAddress", "家庭住址："}, {"ETBumen", "所在部门："},
    {"ETZhjType", "证件类型："}, {"ETZhjNum", "证件号码："}, {"ETZhC", "职 称："},    {"ETPhone", "联系电话："},
};

const QVector<StaffBrowserConfig>& configs()
{
    static const QVector<StaffBrowserConfig> table = {
        {"TfrmBoanEmp", "BoanEmp", {{"保安", "保安人员信息"}, {"工程", "工程人员信息"}}, QSize(700, 480)},
        {"TfrmBojeEmp", "BojeEmp", {{"保洁", "保洁人员信息"}}},
    };
    return table;
}

}  // namespace

const StaffBrowserConfig& staffBrowserConfig(const char* windowClass)
{
    for (const StaffBrowserConfig& c : configs())
        if (qstrcmp(c.window, windowClass) == 0)
            return c;
    throw data::Error(QStringLiteral("%1 不是人员浏览窗口。").arg(QLatin1String(windowClass)));
}

StaffBrowser::StaffBrowser(const StaffBrowserConfig& config, QWidget* parent)
    : ui::Form(parent), m_cfg(config), m_kind(config.kinds.value(0).first)
{
    setMdiChild(true);
    setFormKey(m_cfg.key);
    setWindowTitle(m_cfg.kinds.value(0).second);

    AQ_Emp = new data::Query(session::connection(), this);
    AQ_Emp->setObjectName(QStringLiteral("AQ_Emp"));
    AQ_Emp->setSql(QStringLiteral("select * from Employee where EmpType=:EmpType"));
    DS_Emp = new data::DataSource(AQ_Emp, this);
    DS_Emp->setObjectName(QStringLiteral("DS_Emp"));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui::addToolButton(bar, TB_First, "TB_First", QStringLiteral("首条"), this, &StaffBrowser::TB_FirstClick);
    ui::addToolButton(bar, TB_Prev, "TB_Prev", QStringLiteral("上条"), this, &StaffBrowser::TB_PrevClick);
    ui::addToolButton(bar, TB_Next, "TB_Next", QStringLiteral("下条"), this, &StaffBrowser::TB_NextClick);
    ui::addToolButton(bar, TB_Last, "TB_Last", QStringLiteral("末条"), this, &StaffBrowser::TB_LastClick);
    bar->addSeparator();
    ui::addToolButton(bar, TB_Close, "TB_Close", QStringLiteral("离开"), this, [this] { close(); });

    auto* page = new QWidget(this);
    auto* g = new QGridLayout(page);
    int i = 0;
    for (const auto& [field, label] : kColumns) {
        auto* e = new ui::DBEdit(DS_Emp, QString::fromLatin1(field), page);
        e->setObjectName(QStringLiteral("DBE_") + QLatin1String(field));
        e->setEnabled(false);
        edits << e;
        const int row = i % 8, col = (i / 8) * 2;
        g->addWidget(new QLabel(QString::fromUtf8(label), page), row, col, Qt::AlignRight);
        g->addWidget(e, row, col + 1);
        ++i;
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(8, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(bar);
    root->addWidget(page, 1);
}

void StaffBrowser::setKind(const QString& kind)
{
    QString known = m_cfg.kinds.constLast().first;
    for (const auto& k : m_cfg.kinds)
        if (k.first == kind)
            known = k.first;
    if (known == m_kind)
        return;
    m_kind = known;
    if (m_created)
        setUp();
}

void StaffBrowser::formCreate()
{
    m_created = true;
    setUp();
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowState(sw->windowState() | Qt::WindowMaximized);
}

void StaffBrowser::formActivate()
{
    setUp();
}

void StaffBrowser::setUp()
{
    AQ_Emp->close();
    AQ_Emp->param(QStringLiteral("EmpType")).setString(m_kind, 50);
    AQ_Emp->open();
    for (const auto& k : m_cfg.kinds)
        if (k.first == m_kind)
            setWindowTitle(k.second);
    if (AQ_Emp->isEmpty()) {
        for (ui::ToolButton* b : {TB_First, TB_Prev, TB_Next, TB_Last})
            b->setEnabled(false);
    } else {
        showEnd(false);
    }
    DS_Emp->setEnabled(false);
    DS_Emp->setEnabled(true);
    QMdiSubWindow* sw = mdiSubWindow();
    if (m_cfg.size.isValid() && !(sw && sw->isMaximized()))
        setFormSize(m_cfg.size.width(), m_cfg.size.height());
}

void StaffBrowser::showEnd(bool atEnd)
{
    TB_First->setEnabled(atEnd);
    TB_Prev->setEnabled(atEnd);
    TB_Next->setEnabled(!atEnd);
    TB_Last->setEnabled(!atEnd);
}

// The buttons change only at an end: after Next from the first employee,
// First and Previous stay off until the end or Last is reached.

void StaffBrowser::TB_FirstClick()
{
    AQ_Emp->first();
    showEnd(false);
}

void StaffBrowser::TB_PrevClick()
{
    AQ_Emp->prior();
    if (AQ_Emp->bof())
        showEnd(false);
}

void StaffBrowser::TB_NextClick()
{
    AQ_Emp->next();
    if (AQ_Emp->eof())
        showEnd(true);
}

void StaffBrowser::TB_LastClick()
{
    AQ_Emp->last();
    showEnd(true);
}

CONFIGURED_WINDOW(BoanEmp, StaffBrowser, staffBrowserConfig)
CONFIGURED_WINDOW(BojeEmp, StaffBrowser, staffBrowserConfig)
