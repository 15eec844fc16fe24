#include "operations/dispatch/DutyDispatch.h"

#include "platform/data/DataSource.h"
#include "platform/data/Error.h"
#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"
#include "session/Session.h"
#include "templates/ConfiguredWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A post has 1 to 10 shifts; the cells never outgrow that, whatever is stored.
constexpr int kMostShifts = 10;

const QVector<DutyDispatchConfig>& configs()
{
    static const QVector<DutyDispatchConfig> table = {
        {.window = "TfrmBoanPaiG", .key = "BoanPaiG", .caption = "保安人员派工", .staffType = "保安",
         .posts = "AT_BoanPost1", .postsSource = "DS_BoanPost1", .assignments = "AQ_BoanPaiG",
         .assignmentsSource = "DS_BoanPaiG", .insert = "AC_BoanPaiG", .clearPost = "AC_BoanPaiG1",
         .shiftGrid = "SG_Boan", .noPostsMessage = "尚无保安员工可供安排,请先设置保安岗位！", .size = {676, 420}},
        {.window = "TfrmBojePaiG", .key = "BojePaiG", .caption = "保洁人员排工", .staffType = "保洁",
         .posts = "AT_BojePost1", .postsSource = "DS_BojePost1", .assignments = "AQ_BojePaiG",
         .assignmentsSource = "DS_BojePaiG", .insert = "AC_BojePaiG", .clearPost = "AC_BojePaiG1",
         .shiftGrid = "SG_Boje", .noPostsMessage = "尚无保洁员工可供安排,请先设置保洁岗位！", .size = {676, 485},
         .shiftLabels = false, .staffColumnChecks = false},
    };
    return table;
}

template <typename T>
T* required(T* found, const QString& name)
{
    if (!found)
        throw data::Error(QStringLiteral("数据模块中没有 %1。").arg(name));
    return found;
}

bool present(const data::DataSet* ds, const QString& field)
{
    return !ds->fieldByName(field)->asString().trimmed().isEmpty();
}

}  // namespace

const DutyDispatchConfig& dutyDispatchConfig(const char* windowClass)
{
    for (const DutyDispatchConfig& c : configs())
        if (qstrcmp(c.window, windowClass) == 0)
            return c;
    throw data::Error(QStringLiteral("%1 不是派工窗口。").arg(QLatin1String(windowClass)));
}

DutyDispatch::DutyDispatch(const DutyDispatchConfig& config, QWidget* parent) : ui::Form(parent), m_cfg(config)
{
    setMdiChild(true);
    setFormKey(m_cfg.key);
    setWindowTitle(m_cfg.caption);
    m_posts = required(DM->dataSet(m_cfg.posts), m_cfg.posts);
    m_postsSource = required(DM->dataSource(m_cfg.postsSource), m_cfg.postsSource);
    m_assignments = required(qobject_cast<data::Query*>(DM->dataSet(m_cfg.assignments)), m_cfg.assignments);
    m_assignmentsSource = required(DM->dataSource(m_cfg.assignmentsSource), m_cfg.assignmentsSource);
    m_insert = required(DM->command(m_cfg.insert), m_cfg.insert);
    m_clearPost = required(DM->command(m_cfg.clearPost), m_cfg.clearPost);

    AQ_Emp = new data::Query(session::connection(), this);
    AQ_Emp->setObjectName(QStringLiteral("AQ_Emp"));
    AQ_Emp->setSql(QStringLiteral("select * from Employee where EmpType=:EmpType"));
    DS_Emp = new data::DataSource(AQ_Emp, this);
    DS_Emp->setObjectName(QStringLiteral("DS_Emp"));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui::addToolButton(bar, TB_ReSet, "TB_ReSet", QStringLiteral("重排 "), this, &DutyDispatch::TB_ReSetClick);
    ui::addToolButton(bar, TB_Delete, "TB_Delete", QStringLiteral("删除"), this, &DutyDispatch::TB_DeleteClick);
    ui::addToolButton(bar, TB_Exit, "TB_Exit", QStringLiteral("退出"), this, [this] { close(); });
    TB_ReSet->setToolTip(QStringLiteral("重排所选的岗位"));
    TB_Delete->setToolTip(QStringLiteral("删除所选的班次记录"));
    TB_ReSet->setEnabled(false);
    TB_Delete->setEnabled(false);

    auto grid = [this](const char* name, data::DataSource* source, const QVector<ui::GridColumn>& cols) {
        auto* g = new ui::DBGrid(source, this);
        g->setObjectName(QString::fromLatin1(name));
        g->setColumns(cols);
        g->setReadOnly(true);
        g->setRowSelect(true);
        return g;
    };
    DBGrid1 = grid("DBGrid1", m_postsSource,
                   {{QStringLiteral("BPostId"), QStringLiteral("岗位编号"), 60},
                    {QStringLiteral("BPName"), QStringLiteral("岗位名称"), 100},
                    {QStringLiteral("BPBanshu"), QStringLiteral("班数"), 40, false}});
    DBGrid2 = grid("DBGrid2", m_assignmentsSource,
                   {{QStringLiteral("EmpId"), QStringLiteral("员工编号"), 90},
                    {QStringLiteral("EmpName"), QStringLiteral("员工姓名"), 120}});
    DBGrid3 = grid("DBGrid3", DS_Emp,
                   {{QStringLiteral("EmpID"), QStringLiteral("工号"), 70},
                    {QStringLiteral("EmpType"), QStringLiteral("工种"), 50},
                    {QStringLiteral("ETName"), QStringLiteral("姓名"), 80},
                    {QStringLiteral("ETSex"), QStringLiteral("性别"), 40},
                    {QStringLiteral("ETPhone"), QStringLiteral("联系电话"), 100}});

    SG_Shifts = new QTableWidget(1, 1, this);
    SG_Shifts->setObjectName(m_cfg.shiftGrid);
    SG_Shifts->horizontalHeader()->hide();
    SG_Shifts->verticalHeader()->hide();
    SG_Shifts->horizontalHeader()->setDefaultSectionSize(36);
    SG_Shifts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG_Shifts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG_Shifts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_Shifts->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_Shifts->setFixedHeight(SG_Shifts->rowHeight(0) + 2 * SG_Shifts->frameWidth() + 2);

    SP_Add = new ui::SpeedButton(QStringLiteral("添加"), this);
    SP_Add->setObjectName(QStringLiteral("SP_Add"));
    SP_Add->setToolTip(QStringLiteral("点击此处，可将左边选中的记录添加到上面的员工表中"));
    SP_Add->setEnabled(false);

    ui::connectHandler(DBGrid1, &ui::DBGrid::entered, this, &DutyDispatch::DBGrid1Enter);
    ui::onExit(DBGrid1, [this] { DBGrid1Exit(); }, this);
    ui::connectHandler(m_postsSource, &data::DataSource::dataChanged, this, [this](data::Field* f) {
        // Another post made current (the grid, a re-read): shown at once.
        if (!f && !m_quiet && m_posts->rowId() != m_postRow)
            showPost();
    });
    ui::connectHandler(SG_Shifts, &QTableWidget::currentCellChanged, this, [this](int, int column, int, int) {
        if (!m_quiet && column >= 0)
            SG_SelectCell(column);
    });
    ui::connectHandler(DBGrid2, &ui::DBGrid::entered, this, &DutyDispatch::DBGrid2Enter);
    ui::connectHandler(DBGrid2, &ui::DBGrid::cellClicked, this, &DutyDispatch::DBGrid2Enter);
    ui::onExit(DBGrid2, [this] { DBGrid2Exit(); }, this);
    ui::connectHandler(DBGrid3, &ui::DBGrid::entered, this, &DutyDispatch::DBGrid3Enter);
    ui::onExit(DBGrid3, [this] { DBGrid3Exit(); }, this);
    ui::connectHandler(DBGrid3, &ui::DBGrid::cellClicked, this, &DutyDispatch::DBGrid3CellClick);
    if (m_cfg.staffColumnChecks)
        ui::connectHandler(DBGrid3, &ui::DBGrid::columnEntered, this, &DutyDispatch::DBGrid3CellClick);
    ui::connectHandler(DS_Emp, &data::DataSource::dataChanged, this, [this](data::Field* f) {
        if (!f)
            offerAdd();
    });
    ui::connectHandler(SP_Add, &QPushButton::clicked, this, &DutyDispatch::SP_AddClick);

    auto* shifts = new QHBoxLayout;
    if (m_cfg.shiftLabels)
        shifts->addWidget(new QLabel(QStringLiteral("班"), this));
    shifts->addWidget(SG_Shifts);
    if (m_cfg.shiftLabels)
        shifts->addWidget(new QLabel(QStringLiteral("次"), this));
    shifts->addStretch(1);
    auto* staff = new QHBoxLayout;
    staff->addWidget(DBGrid3, 1);
    staff->addWidget(SP_Add, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addLayout(shifts);
    right->addWidget(DBGrid2, 1);
    right->addLayout(staff, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(DBGrid1, 2);
    body->addLayout(right, 5);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->addWidget(bar);
    root->addLayout(body, 1);
}

// --- set-up --------------------------------------------------------------------

void DutyDispatch::formCreate()
{
    if (QMdiSubWindow* sw = mdiSubWindow())
        sw->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setUp();
}

void DutyDispatch::formActivate()
{
    setUp();
}

void DutyDispatch::setUp()
{
    m_quiet = true;
    AQ_Emp->close();
    AQ_Emp->param(QStringLiteral("EmpType")).setString(m_cfg.staffType, 50);
    AQ_Emp->open();
    m_postsSource->setEnabled(false);
    m_posts->close();
    m_posts->open();
    DS_Emp->setEnabled(true);
    m_postsSource->setEnabled(true);
    m_posts->first();
    m_quiet = false;
    showPost();
    if (m_posts->isEmpty())
        ui::Msg::warning(m_cfg.noPostsMessage);
    else
        setFormSize(m_cfg.size.width(), m_cfg.size.height());
}

void DutyDispatch::showPost()
{
    const bool any = !m_posts->isEmpty() && !m_posts->fieldByName(QStringLiteral("BPostId"))->isNull();
    m_post = any ? std::optional(m_posts->fieldByName(QStringLiteral("BPostId"))->asInteger()) : std::nullopt;
    m_postRow = m_posts->rowId();
    buildShifts(any ? int(m_posts->fieldByName(QStringLiteral("BPBanshu"))->asInteger()) : 0);
    if (m_post && m_shift > 0) {
        ShowPaiG(*m_post, m_shift);
    } else {
        m_assignments->close();
        m_assignmentsSource->setEnabled(true);
    }
    offerAdd();
}

void DutyDispatch::buildShifts(int count)
{
    m_quiet = true;
    m_shiftCount = std::clamp(count, 0, kMostShifts);
    SG_Shifts->clear();
    // Without a shift one empty cell stays.
    SG_Shifts->setColumnCount(std::max(m_shiftCount, 1));
    for (int i = 0; i < m_shiftCount; ++i) {
        auto* cell = new QTableWidgetItem(QString::number(i + 1));
        cell->setTextAlignment(Qt::AlignCenter);
        SG_Shifts->setItem(0, i, cell);
    }
    SG_Shifts->setFixedWidth(SG_Shifts->columnCount() * SG_Shifts->horizontalHeader()->defaultSectionSize()
                             + 2 * SG_Shifts->frameWidth());
    m_shift = m_shiftCount > 0 ? 1 : 0;
    SG_Shifts->setCurrentCell(m_shift > 0 ? 0 : -1, m_shift > 0 ? 0 : -1);
    m_quiet = false;
}

// --- the three operations ----------------------------------------------------

void DutyDispatch::ShowPaiG(qlonglong post, int shift)
{
    m_assignments->close();
    m_assignments->param(QStringLiteral("BPostId")).setInteger(post);
    m_assignments->param(QStringLiteral("Banci")).setInteger(shift);
    m_assignments->open();
    m_assignmentsSource->setEnabled(true);
}

void DutyDispatch::AddPaiG(qlonglong post, int shift, const QString& name, const QString& number)
{
    m_insert->param(QStringLiteral("BPostId")).setInteger(post);
    m_insert->param(QStringLiteral("BanCi")).setInteger(shift);
    m_insert->param(QStringLiteral("EmpNum")).setString(number, 50);
    m_insert->param(QStringLiteral("EmpName")).setString(name, 50);
    m_insert->execute();
    m_assignments->requery();
    m_assignmentsSource->setEnabled(false);
    m_assignmentsSource->setEnabled(true);
}

void DutyDispatch::ClearPostPaiG(qlonglong post)
{
    m_clearPost->param(QStringLiteral("BPostId")).setInteger(post);
    m_clearPost->execute();
    m_assignments->requery();
    m_assignmentsSource->setEnabled(false);
    m_assignmentsSource->setEnabled(true);
}

// --- handlers --------------------------------------------------------------------

void DutyDispatch::DBGrid1Enter()
{
    TB_ReSet->setEnabled(true);
}

void DutyDispatch::DBGrid1Exit()
{
    TB_ReSet->setEnabled(false);
}

void DutyDispatch::SG_SelectCell(int column)
{
    const QTableWidgetItem* cell = SG_Shifts->item(0, column);
    const int shift = cell ? cell->text().toInt() : 0;
    if (!m_post) {
        ui::Msg::error(QStringLiteral("请先选中相应的岗位编号"));
        return;
    }
    if (shift <= 0)
        return;
    m_shift = shift;
    ShowPaiG(*m_post, m_shift);
    offerAdd();
}

void DutyDispatch::DBGrid2Enter()
{
    TB_Delete->setEnabled(true);
}

void DutyDispatch::DBGrid2Exit()
{
    TB_Delete->setEnabled(false);
}

void DutyDispatch::DBGrid3Enter()
{
    m_staffFocus = true;
    offerAdd();
}

void DutyDispatch::DBGrid3Exit()
{
    m_staffFocus = false;
    SP_Add->setEnabled(false);
}

void DutyDispatch::DBGrid3CellClick()
{
    if (AQ_Emp->isEmpty())
        return;
    if (!employeeComplete()) {
        SP_Add->setEnabled(false);
        ui::Msg::error(QStringLiteral("所选记录不完整，请到人员管理页面补充完整。"));
        return;
    }
    offerAdd();
}

bool DutyDispatch::employeeComplete() const
{
    return AQ_Emp->isActive() && !AQ_Emp->isEmpty() && present(AQ_Emp, QStringLiteral("EmpID"))
        && present(AQ_Emp, QStringLiteral("ETName"));
}

void DutyDispatch::offerAdd()
{
    SP_Add->setEnabled(m_staffFocus && m_post && m_shift > 0 && employeeComplete());
}

void DutyDispatch::SP_AddClick()
{
    SP_Add->setEnabled(false);
    // Nothing is written unless a post, a shift and a whole employee are shown.
    if (!m_post || m_shift <= 0 || !employeeComplete())
        return;
    AddPaiG(*m_post, m_shift, AQ_Emp->fieldByName(QStringLiteral("ETName"))->asString(),
            AQ_Emp->fieldByName(QStringLiteral("EmpID"))->asString());
}

void DutyDispatch::TB_DeleteClick()
{
    TB_Delete->setEnabled(false);
    if (!m_assignments->isActive() || m_assignments->isEmpty())
        return;
    if (m_assignments->fieldByName(QStringLiteral("EmpId"))->isNull()
        || m_assignments->fieldByName(QStringLiteral("EmpName"))->isNull())
        return;
    if (!ui::Msg::confirmWarning(QStringLiteral("确实要删除吗，删除后将不能恢复 !!\r确定 ？")))
        return;
    // The row shown, by its identity: of two equal assignments only this one.
    m_assignments->remove();
}

void DutyDispatch::TB_ReSetClick()
{
    TB_ReSet->setEnabled(false);
    if (!m_post) {
        ui::Msg::information(QStringLiteral("未选中要重排的岗位编号"));
        return;
    }
    if (ui::Msg::confirmWarning(QStringLiteral("      %1 号岗位要重排吗，重排后将不能恢复 !!\r确定 ？").arg(*m_post)))
        ClearPostPaiG(*m_post);
}

CONFIGURED_WINDOW(BoanPaiG, DutyDispatch, dutyDispatchConfig)
CONFIGURED_WINDOW(BojePaiG, DutyDispatch, dutyDispatchConfig)
