#include "app/Login.h"
#include "app/Main.h"
#include "app/Main1.h"
#include "app/Openers.h"
#include "platform/data/DataSet.h"
#include "platform/ui/ControlLabel.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <QToolBar>
#include <QToolButton>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

// A window for the frame tests: counts its creation handler and whether the
// program's variable already referred to it then.
class TfrmProbe;
TfrmProbe* frmProbe = nullptr;
int probeCreated = 0;
bool variableSetBeforeCreate = false;
class TfrmProbe : public ui::Form {
public:
    explicit TfrmProbe(QWidget* parent = nullptr) : ui::Form(parent) { setMdiChild(true); }

protected:
    void formCreate() override
    {
        ++probeCreated;
        variableSetBeforeCreate = frmProbe == this;
    }
};

void dumpMenu(const QList<QAction*>& actions, int depth, QStringList& out)
{
    for (QAction* a : actions) {
        const QString pad(depth * 2, u' ');
        if (a->isSeparator()) {
            out << pad + "-";
            continue;
        }
        QString line = pad + (a->isVisible() ? a->text() : "[" + a->text() + "]");
        out << line;
        if (a->menu())
            dumpMenu(a->menu()->actions(), depth + 1, out);
    }
}

QString dump(QMenuBar* bar)
{
    QStringList out;
    dumpMenu(bar->actions(), 0, out);
    return out.join('\n');
}

QString toolDump(QToolBar* bar)
{
    QStringList out;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            out << "|";
            continue;
        }
        auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        out << (b ? b->text() : a->text());
    }
    return out.join(' ');
}

const QString kJump = "  房产管理\n  业主管理\n  收费管理\n  人员管理\n  文件管理\n  库存管理\n  设备管理\n  事务管理\n"
                      "  安全保洁\n  数据管理\n  系统管理";
const QString kClose = "关闭(&C)\n  返回\n  -\n  退出(&E)";
const QString kWindow = "窗口(&W)\n  层叠窗口(&C)\n  水平平铺\n  垂直平铺\n  -\n  最小化所有窗口";

// The modules' own menus, as the office's menu layout gives them.
const QStringList kOwnMenus = {
    "房产信息\n  小区信息\n  楼宇信息\n  -\n  房产资源生成",
    "业主信息\n  业主登记",
    "收费管理\n  生成收费表\n  码表登记\n  应收款管理\n  收款管理\n辅助信息\n  收费标准\n  项目设置\n  财务收费设置\n"
    "综合报表\n  财务报表\n    应收款\n    已收款\n    综合类\n      空房管理费清单\n      分项费用回收月统计表\n"
    "      月收费汇总表\n  房产资源\n  企业上报",
    "员工管理\n  员工信息\n  员工奖罚记录",
    "文件管理\n  收文管理\n  发文管理\n  -\n  合同管理",
    "物品管理\n  入库登记\n  出库登记\n库存信息\n  库存查询\n  出入库查询",
    "人员工具\n  常用工具\n  工程人员\n设备备件\n  设备明细\n  备件明细\n工作记录\n  设备维修记录\n  设备保养记录",
    "客户服务\n  投诉\n普通事务\n  计划\n  -\n  培训\n  活动\n  会议\n  -\n  工程\n辅助信息\n  工程类别\n  -\n"
    "  会议类别\n  活动类别\n  培训类别",
    "保安管理\n  保安用品\n  保安人员\n  -\n  岗位设置\n  人员派工\n  -\n  巡检记录\n  突发事件\n  [访客出入登记]\n"
    "  [物品出入登记]\n环卫管理\n  环卫用品\n  环卫人员\n  -\n  环卫区划分\n  人员派工\n  -\n  保洁记录\n消防管理\n"
    "  消防设施\n  检查记录\n车辆管理\n  车辆登记\n  车位登记\n  [车位使用情况]",
    "数据维护\n  常规数据\n    学历维护\n    职称维护\n    政治面貌\n    证件类型\n    民族\n    家庭关系\n  专用数据\n"
    "    房产业主信息\n      户型类别\n      使用类别\n    [收费信息]\n      费用类别\n      计费公式\n      参数表\n"
    "    文件信息\n      文件类型\n    物资信息\n      物资类别\n      [品名表]\n    设备信息\n      系统类别\n"
    "      设备类别\n  -\n  数据总清\n  -\n  数据备份\n  数据恢复",
    "系统设置\n  用户设置\n  公司信息",
};

const QStringList kToolBars = {
    "小区 楼宇 资源 退出",         "业主 退出",         "生成 码表 记费 应收 收款 | 标准 设置 退出",
    "员工 奖惩 退出",               "收文 发文 合同 退出", "入库 出库 查询 退出",
    "设备 备件 维修 保养 退出",     "投诉 计划 培训 会议 工程 退出", "巡检 保洁 车位 退出",
    "数据备份 数据恢复 退出",       "用户 公司 退出",
};

const QStringList kCaptions = {"房产管理", "业主管理", "收费管理", "人员管理", "文件管理", "库存管理",
                               "设备管理", "事务管理", "安全保洁", "数据管理", "系统管理"};

// Opens every window the frame opens, one at a time, and shows each to
// `look`; a window that runs a dialog of its own on opening is answered Cancel.
void everyWindow(const std::function<void(const OpenerDef&)>& look)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (ui::isRunningModal(w))
                ui::endModal(w, ui::mrCancel);
    });
    closer.start(20);
    for (const OpenerDef& o : openerTable()) {
        if (!windowRegistered(QString::fromLatin1(o.windowClass)))
            continue;
        runOpener(o, mdiForm);
        look(o);
        mdiForm->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The dataset in edit state (a new row when it has none); false when it
// cannot be edited.
bool startEditing(data::DataSet* ds)
{
    if (!ds->isEditing())
        ui::guarded([ds] { ds->isEmpty() ? ds->append() : ds->edit(); });
    Msg::clearLog();
    return ds->isEditing();
}

}  // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        probeCreated = 0;
        variableSetBeforeCreate = false;
    }

    void everyModuleInstallsItsMenuAndToolBar()
    {
        AppFixture app("1");
        TfrmMain1 nav;
        for (int m = 0; m < 11; ++m) {
            nav.moduleButton(m)->click();
            QCOMPARE(mdiForm->windowTitle(), "  物业管理系统-[" + kCaptions[m] + "]");
            QCOMPARE(mdiForm->installedMenuBar(), mdiForm->moduleMenuBar(m));
            int visible = 0;
            for (int t = 0; t < 11; ++t)
                visible += mdiForm->moduleToolBar(t)->isVisible();
            QCOMPARE(visible, 1);
            QVERIFY(mdiForm->moduleToolBar(m)->isVisible());
            QVERIFY(mdiForm->isVisible());
            QCOMPARE(toolDump(mdiForm->moduleToolBar(m)), kToolBars[m]);

            QString fixed;
            if (m == 0)
                fixed = "跳转(&Z)\n  返回\n  -\n  退出(&E)\n" + kJump;
            else if (m == 1)
                fixed = "关闭(&C)\n  -\n  退出(&E)\n跳转(&Z)\n" + kJump;
            else if (m == 2)
                fixed = kClose + "\n跳转\n" + kJump;
            else if (m == 3)
                fixed = kClose + "\n跳转(&Z)\n" + QString(kJump).replace("  事务管理", "    事物管理");
            else
                fixed = kClose + "\n跳转(&Z)\n" + kJump;
            const QString expected = fixed + "\n" + kWindow + "\n||\n" + kOwnMenus[m] + "\n||\n帮助(&H)";
            QCOMPARE(dump(mdiForm->moduleMenuBar(m)), expected);
        }
        // Pressing a module twice still leaves one tool bar shown.
        nav.moduleButton(2)->click();
        nav.moduleButton(2)->click();
        int visible = 0;
        for (int t = 0; t < 11; ++t)
            visible += mdiForm->moduleToolBar(t)->isVisible();
        QCOMPARE(visible, 1);
        testsupport::saveScreenshot(mdiForm, "frame-fee-module");
    }

    void openersOfUnbuiltWindowsAreDisabled()
    {
        AppFixture app;
        const bool built = windowRegistered("TfrmSk");
        for (QAction* a : mdiForm->openerActions("Skgl"))
            QCOMPARE(a->isEnabled(), built);
        QCOMPARE(mdiForm->toolButton("TB_SK")->isEnabled(), built);
        // Eleven fee openers refuse a browse-only user.
        int refused = 0;
        for (const OpenerDef& o : openerTable())
            refused += o.refusedForLevel2;
        QCOMPARE(refused, 11);
    }

    void openerOpensOneWindowPerClass()
    {
        AppFixture app("1");
        registerWindow("TfrmProbe", [](QWidget* frame) { ui::openChildForm(frmProbe, frame); });
        const OpenerDef row{"Probe", "", "TfrmProbe", true};
        runOpener(row, mdiForm);
        QVERIFY(frmProbe);
        QVERIFY(variableSetBeforeCreate);
        QCOMPARE(mdiForm->ModuleKey, QString("Probe"));
        frmProbe->mdiSubWindow()->showMinimized();
        runOpener(row, mdiForm);
        QCOMPARE(probeCreated, 1);
        QVERIFY(!frmProbe->mdiSubWindow()->isMinimized());
        QCOMPARE(mdiForm->mdiArea()->subWindowList().size(), 1);

        // A browse-only user is refused, and ModuleKey changes all the same.
        app.setLevel("2");
        mdiForm->ModuleKey = "Other";
        frmProbe->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmProbe);
        runOpener(row, mdiForm);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"用户权限不足，无法进行该操作！"});
        QVERIFY(!frmProbe);
        QCOMPARE(mdiForm->ModuleKey, QString("Probe"));
        // The staff rows set EmpKind too.
        runOpener(*findOpener("BoanEmp/工程"), mdiForm);
        QCOMPARE(mdiForm->EmpKind, QString("工程"));
        QCOMPARE(mdiForm->ModuleKey, QString("BoanEmp"));
    }

    void backAndJumpFreeTheWindowsAndDropPendingEdits()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '一区')");
        });
        registerWindow("TfrmProbe", [](QWidget* frame) { ui::openChildForm(frmProbe, frame); });
        TfrmMain1 nav;
        nav.moduleButton(0)->click();
        runOpener(OpenerDef{"Probe", "", "TfrmProbe", false}, mdiForm);
        DM->AT_Region->edit();
        DM->AT_Region->fieldByName("RegionName")->setAsString("半截");
        mdiForm->mnuBack2Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmProbe);
        QVERIFY(!mdiForm->isVisible());
        QCOMPARE(DM->AT_Region->state(), data::DataSetState::Browse);
        QCOMPARE(app.db().scalar("SELECT RegionName FROM Region").toString(), QString("一区"));

        // 跳转 to the module already shown still closes its windows.
        nav.moduleButton(0)->click();
        runOpener(OpenerDef{"Probe", "", "TfrmProbe", false}, mdiForm);
        mdiForm->jumpTo(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmProbe);
        QVERIFY(mdiForm->isVisible());
        QCOMPARE(mdiForm->windowTitle(), QString("  物业管理系统-[房产管理]"));
    }

    void exitsEndTheProgram()
    {
        AppFixture app;
        TfrmMain1 nav;
        nav.moduleButton(4)->click();
        mdiForm->toolButton("TB_Accept");  // present on the file tool bar
        auto* exit = mdiForm->moduleToolBar(4)->findChild<QToolButton*>("TB_Exit");
        QVERIFY(exit);
        exit->click();
        QVERIFY(ui::terminated());
        ui::resetTermination();
        nav.SP_Exit->click();
        QVERIFY(ui::terminated());
        ui::resetTermination();
        mdiForm->close();
        QVERIFY(ui::terminated());
    }

    void statusBar()
    {
        AppFixture app;
        TfrmMain1::clock() = [] { return QDateTime(QDate(2024, 3, 5), QTime(9, 7)); };
        TfrmMain1 nav;
        const QStringList texts = {"你的身份为超级管理员", "当前用户可以对数据进行任何操作", "你只能进行数据的浏览查询"};
        for (int level = 0; level < 3; ++level) {
            app.setLevel(QString::number(level));
            nav.moduleButton(2)->click();
            QCOMPARE(mdiForm->panelText(0), texts[level]);
        }
        // Another level leaves the text as it was.
        app.setLevel("5");
        nav.moduleButton(2)->click();
        QCOMPARE(mdiForm->panelText(0), texts[2]);
        QCOMPARE(mdiForm->panelText(1), QString("当前日期：2024-03-05    时间：09:07"));
        // Kept current by the clock as each minute begins.
        TfrmMain1::clock() = [] { return QDateTime(QDate(2024, 3, 6), QTime(0, 1)); };
        QVERIFY(nav.StatusClock->isActive() && nav.StatusClock->interval() <= 60100);
        QTimerEvent minute(nav.StatusClock->timerId());
        QCoreApplication::sendEvent(nav.StatusClock, &minute);
        QCOMPARE(mdiForm->panelText(1), QString("当前日期：2024-03-06    时间：00:01"));
        QCOMPARE(mdiForm->panelText(0), texts[2]);
        TfrmMain1::clock() = [] { return QDateTime::currentDateTime(); };
    }

    void aboutWindowClosesItself()
    {
        AppFixture app;
        TfrmMain1 nav;
        nav.SP_EmailClick();
        nav.SP_EmailClick();
        auto abouts = nav.findChildren<TfrmAbout*>();
        QCOMPARE(abouts.size(), 2);
        QPointer<TfrmAbout> first = abouts[0];
        first->BB_OK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(nav.findChildren<TfrmAbout*>().size(), 1);
    }

    // Every window the frame opens titles its grid columns as its layout says,
    // or leaves a column untitled; no header shows the field behind it.
    void noGridHeaderShowsAFieldName()
    {
        AppFixture app;
        QStringList faults;
        int grids = 0;
        everyWindow([&](const OpenerDef& o) {
            for (QWidget* top : QApplication::topLevelWidgets())
                for (ui::DBGrid* g : top->findChildren<ui::DBGrid*>()) {
                    ++grids;
                    const QVector<ui::GridColumn> cols = g->columns();
                    for (int c = 0; c < cols.size(); ++c) {
                        const QString title = g->model()->headerData(c, Qt::Horizontal).toString();
                        if (!g->isColumnHidden(c) && !cols[c].field.isEmpty()
                            && title.compare(cols[c].field, Qt::CaseInsensitive) == 0)
                            faults << QStringLiteral("%1 %2: %3").arg(o.windowClass, g->objectName(), title);
                    }
                }
        });
        QVERIFY(grids > 10);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // In every window the frame opens, an edit or a grid column of a number
    // or a date refuses what it cannot take naming the field as the screen
    // does (a label beside the edit, the column's title), never by a column
    // name: the message holds no Latin letter at all.
    void refusalsNameTheFieldAsTheScreenDoes()
    {
        AppFixture app;
        QStringList faults;
        int tried = 0;
        // The refusal shown for `what`, which must quote one of `names`
        // (alone or with more words, as an area is named by its row).
        auto check = [&](const OpenerDef& o, const QString& what, const QStringList& names) {
            ++tried;
            const QStringList shown = Msg::texts(MsgKind::Error);
            const QString text = shown.value(0);
            bool named = false;
            for (auto q = QRegularExpression("“([^”]*)”").globalMatch(text); q.hasNext();) {
                const QString quoted = q.next().captured(1);
                for (const QString& n : names)
                    named = named || (!n.isEmpty() && quoted.contains(n));
            }
            if (shown.size() != 1 || !named || text.contains(QRegularExpression("[A-Za-z]")))
                faults << QStringLiteral("%1 %2: %3").arg(o.windowClass, what, shown.join(" / "));
        };
        everyWindow([&](const OpenerDef& o) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                for (ui::DBEdit* e : top->findChildren<ui::DBEdit*>()) {
                    data::Field* f = e->field();
                    if (!f || e->isHidden() || f->type() == data::ColType::String
                        || f->type() == data::ColType::Memo || !startEditing(f->dataSet()))
                        continue;
                    const QString bad = e->inputMask().isEmpty() ? "十二" : "9999-99-99";
                    static_cast<QLineEdit*>(e)->setText(bad);
                    emit e->textEdited(bad);
                    ui::guarded([e] { e->commit(); });
                    QStringList labels;
                    for (QLabel* l : e->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                        labels << ui::captionText(l->text());
                    check(o, e->objectName(), labels);
                    f->dataSet()->cancel();
                }
                for (ui::DBGrid* g : top->findChildren<ui::DBGrid*>()) {
                    const QVector<ui::GridColumn> cols = g->columns();
                    for (int c = 0; c < cols.size(); ++c) {
                        data::Field* f = g->dataModel()->fieldOf(c);
                        const QModelIndex cell = g->model()->index(0, c);
                        if (!f || f->type() == data::ColType::String || f->type() == data::ColType::Memo
                            || g->isColumnHidden(c) || !(g->model()->flags(cell) & Qt::ItemIsEditable)
                            || !startEditing(f->dataSet()))
                            continue;
                        g->model()->setData(g->model()->index(f->dataSet()->recNo() - 1, c), "十二");
                        check(o, g->objectName() + "." + cols[c].field, {ui::captionText(cols[c].title)});
                        f->dataSet()->cancel();
                    }
                }
            }
        });
        QVERIFY(tried > 50);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

WYGL_TEST(TestFrame)
#include "tst_Frame.moc"
