#include "app/Main.h"

#include "app/FrameMenus.h"
#include "app/Main1.h"
#include "app/Openers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Handler.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/OpenChildForm.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

TmdiForm* mdiForm = nullptr;

namespace {

QHash<QString, TmdiForm::FrameCommand>& commands()
{
    static QHash<QString, TmdiForm::FrameCommand> c;
    return c;
}

QAction* divider(QMenuBar* bar)
{
    QAction* a = bar->addAction(QStringLiteral("||"));
    a->setEnabled(false);
    return a;
}

}  // namespace

TmdiForm::TmdiForm(QWidget* parent) : ui::MdiFrame(parent)
{
    setObjectName(QStringLiteral("mdiForm"));
    mdiForm = this;
    session::setModuleKeySource(&ModuleKey);
    setWindowTitle(QStringLiteral("  物业管理系统"));
    setPanelCount(2);
    const auto& modules = frameModules();
    for (size_t i = 0; i < modules.size(); ++i)
        buildModule(int(i), modules[i]);
    createDataLabels();
    refreshOpeners();
    connect(mdiArea(), &QMdiArea::subWindowActivated, this, &followActiveWindow);
    // The system module's menu is the one in place until a module is chosen.
    installMenuBar(m_menuBars.back());
}

TmdiForm::~TmdiForm()
{
    if (mdiForm == this) {
        mdiForm = nullptr;
        session::setModuleKeySource(nullptr);
    }
}

void TmdiForm::registerCommand(const QString& name, FrameCommand run)
{
    commands().insert(name, std::move(run));
    if (mdiForm)
        mdiForm->refreshOpeners();
}

QAction* TmdiForm::targetAction(const QString& caption, const QString& target, QObject* parent)
{
    auto* a = new QAction(caption, parent);
    if (target.startsWith(u'!')) {
        m_commandActions.insert(target, a);
        ui::connectHandler(a, &QAction::triggered, this, [this, target] {
            const auto it = commands().constFind(target);
            if (it != commands().constEnd())
                it.value()(*this);
        });
    } else if (const OpenerDef* row = findOpener(target)) {
        m_openerActions.insert(target, a);
        ui::connectHandler(a, &QAction::triggered, this, [this, row] { runOpener(*row, this); });
    }
    return a;
}

void TmdiForm::fillMenu(QMenu* menu, const std::vector<MenuLine>& lines, size_t& i, int depth)
{
    while (i < lines.size() && lines[i].depth == depth) {
        const MenuLine& m = lines[i];
        ++i;
        if (m.separator) {
            menu->addSeparator();
            continue;
        }
        if (i < lines.size() && lines[i].depth > depth) {
            QMenu* sub = menu->addMenu(m.caption);
            sub->menuAction()->setVisible(!m.hidden);
            fillMenu(sub, lines, i, depth + 1);
            continue;
        }
        QAction* a = targetAction(m.caption, m.target, menu);
        a->setVisible(!m.hidden);
        menu->addAction(a);
    }
}

void TmdiForm::addFixedMenus(QMenuBar* bar, int index)
{
    const auto& modules = frameModules();
    const bool house = index == 0;
    const bool owner = index == 1;
    auto addBack = [this](QMenu* m) {
        m->addAction(QStringLiteral("返回"), this, [this] { mnuBack2Click(); });
    };
    auto addExit = [this](QMenu* m) {
        m->addAction(QStringLiteral("退出(&E)"), this, [this] { TB_ExitClick(); });
    };
    if (!house) {
        QMenu* close = bar->addMenu(QStringLiteral("关闭(&C)"));
        if (owner) {
            close->addSeparator();
        } else {
            addBack(close);
            close->addSeparator();
        }
        addExit(close);
    }
    QMenu* jump = bar->addMenu(index == 2 ? QStringLiteral("跳转") : QStringLiteral("跳转(&Z)"));
    if (house) {
        addBack(jump);
        jump->addSeparator();
        addExit(jump);
    }
    for (size_t m = 0; m < modules.size(); ++m) {
        QString caption = QString::fromUtf8(modules[m].caption);
        if (index == 3 && m == 7)
            caption = QStringLiteral("  事物管理");
        jump->addAction(caption, this, [this, m] { jumpTo(int(m)); });
    }
    QMenu* win = bar->addMenu(QStringLiteral("窗口(&W)"));
    win->addAction(QStringLiteral("层叠窗口(&C)"), this, [this] { cascade(); });
    win->addAction(QStringLiteral("水平平铺"), this, [this] { tileHorizontally(); });
    win->addAction(QStringLiteral("垂直平铺"), this, [this] { tileVertically(); });
    win->addSeparator();
    win->addAction(QStringLiteral("最小化所有窗口"), this, [this] { minimizeAll(); });
}

void TmdiForm::buildModule(int index, const ModuleDef& def)
{
    QMenuBar* bar = newMenuBar(QString::fromUtf8(def.menuName));
    addFixedMenus(bar, index);
    divider(bar);
    const std::vector<MenuLine> lines = parseMenuOutline(QString::fromUtf8(def.menus));
    size_t i = 0;
    while (i < lines.size()) {
        const MenuLine& top = lines[i];
        ++i;
        QMenu* menu = bar->addMenu(top.caption);
        menu->menuAction()->setVisible(!top.hidden);
        fillMenu(menu, lines, i, 1);
    }
    divider(bar);
    bar->addAction(targetAction(QStringLiteral("帮助(&H)"), QStringLiteral("!help"), bar));
    m_menuBars.push_back(bar);

    QToolBar* tb = newToolBar(QString::fromUtf8(def.toolBarName));
    tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolLine& t : parseToolButtons(QString::fromUtf8(def.toolButtons))) {
        if (t.divider) {
            tb->addSeparator();
            continue;
        }
        auto* b = new ui::ToolButton(t.caption, tb);
        b->setObjectName(t.name);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QAction* a = targetAction(t.caption, t.target, b);
        a->setToolTip(t.hint);
        b->setDefaultAction(a);
        tb->addWidget(b);
        m_buttons.insert(t.name, b);
    }
    ui::ToolButton* exit = nullptr;
    ui::addToolButton(tb, exit, "TB_Exit", QStringLiteral("退出"), this, &TmdiForm::TB_ExitClick);
    m_toolBars.push_back(tb);
}

void TmdiForm::refreshOpeners()
{
    for (auto it = m_openerActions.constBegin(); it != m_openerActions.constEnd(); ++it) {
        const OpenerDef* row = findOpener(it.key());
        it.value()->setEnabled(row && windowRegistered(QString::fromUtf8(row->windowClass)));
    }
    for (auto it = m_commandActions.constBegin(); it != m_commandActions.constEnd(); ++it)
        it.value()->setEnabled(commands().contains(it.key()));
}

void TmdiForm::installModule(int index)
{
    const ModuleDef& def = frameModules().at(size_t(index));
    m_module = index;
    setWindowTitle(QStringLiteral("  物业管理系统-[%1]").arg(QString::fromUtf8(def.caption)));
    installMenuBar(m_menuBars.at(size_t(index)));
    showToolBar(m_toolBars.at(size_t(index)));
}

void TmdiForm::freeChildren()
{
    ui::freeAllMdiChildren(mdiArea());
    // What was typed into the freed windows is dropped, never posted later.
    if (DM)
        DM->cancelAllEdits();
}

void TmdiForm::mnuBack2Click()
{
    freeChildren();
    hide();
}

void TmdiForm::jumpTo(int module)
{
    freeChildren();
    if (frmMain1)
        frmMain1->pressModule(module);
}

void TmdiForm::TB_ExitClick()
{
    ui::terminate();
}
