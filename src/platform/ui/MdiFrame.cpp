#include "platform/ui/MdiFrame.h"

#include "platform/ui/MdiArea.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/OpenChildForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace ui {

MdiFrame::MdiFrame(QWidget* parent) : QMainWindow(parent)
{
    auto* area = new MdiArea(this);
    m_area = area;
    setCentralWidget(area);
    if (!mdiHost())
        setMdiHost(area);

    m_cascade = new QAction(QStringLiteral("层叠窗口(&C)"), this);
    m_tileH = new QAction(QStringLiteral("水平平铺"), this);
    m_tileV = new QAction(QStringLiteral("垂直平铺"), this);
    m_minAll = new QAction(QStringLiteral("最小化所有窗口"), this);
    connect(m_cascade, &QAction::triggered, this, &MdiFrame::cascade);
    connect(m_tileH, &QAction::triggered, this, &MdiFrame::tileHorizontally);
    connect(m_tileV, &QAction::triggered, this, &MdiFrame::tileVertically);
    connect(m_minAll, &QAction::triggered, this, &MdiFrame::minimizeAll);

    statusBar()->setSizeGripEnabled(false);
    // An empty menu bar holds the place until a module installs its own.
    installMenuBar(newMenuBar(QStringLiteral("emptyMenu")));
}

MdiFrame::~MdiFrame()
{
    if (mdiHost() == m_area)
        setMdiHost(nullptr);
}

// --- menus and tool bars -----------------------------------------------------

QMenuBar* MdiFrame::newMenuBar(const QString& name)
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(name);
    bar->hide();
    return bar;
}

void MdiFrame::installMenuBar(QMenuBar* bar)
{
    QWidget* old = layout()->menuBar();
    if (old == bar)
        return;
    // Taken out of the layout first: QMainWindow deletes a menu bar it replaces.
    layout()->setMenuBar(nullptr);
    if (old)
        old->hide();
    if (bar) {
        setMenuBar(bar);
        bar->show();
    }
}

QMenuBar* MdiFrame::installedMenuBar() const
{
    return qobject_cast<QMenuBar*>(layout()->menuBar());
}

QToolBar* MdiFrame::newToolBar(const QString& name)
{
    auto* tb = new QToolBar(name, this);
    tb->setObjectName(name);
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, tb);
    tb->hide();
    m_toolBars.push_back(tb);
    return tb;
}

void MdiFrame::showToolBar(QToolBar* bar)
{
    for (QToolBar* tb : m_toolBars)
        if (tb != bar)
            tb->hide();
    if (bar)
        bar->show();
}

QToolBar* MdiFrame::shownToolBar() const
{
    for (QToolBar* tb : m_toolBars)
        if (!tb->isHidden())
            return tb;
    return nullptr;
}

// --- window actions ----------------------------------------------------------

void MdiFrame::cascade()
{
    m_area->cascadeSubWindows();
}

void MdiFrame::tileHorizontally()
{
    const QList<QMdiSubWindow*> list = static_cast<MdiArea*>(m_area)->arrangeable();
    if (list.isEmpty())
        return;
    const QRect r = m_area->viewport()->rect();
    const int h = r.height() / int(list.size());
    for (int i = 0; i < list.size(); ++i) {
        list[i]->showNormal();
        list[i]->setGeometry(0, i * h, r.width(), h);
    }
}

void MdiFrame::tileVertically()
{
    const QList<QMdiSubWindow*> list = static_cast<MdiArea*>(m_area)->arrangeable();
    if (list.isEmpty())
        return;
    const QRect r = m_area->viewport()->rect();
    const int w = r.width() / int(list.size());
    for (int i = 0; i < list.size(); ++i) {
        list[i]->showNormal();
        list[i]->setGeometry(i * w, 0, w, r.height());
    }
}

void MdiFrame::minimizeAll()
{
    for (QMdiSubWindow* sw : m_area->subWindowList())
        if (sw->isVisible())
            sw->showMinimized();
}

// --- status bar --------------------------------------------------------------

void MdiFrame::setPanelCount(int count)
{
    while (m_panels.size() > count)
        delete m_panels.takeLast();
    while (m_panels.size() < count) {
        auto* l = new QLabel(statusBar());
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(l);
        m_panels.push_back(l);
    }
}

void MdiFrame::setPanelText(int index, const QString& text)
{
    if (index >= m_panels.size())
        setPanelCount(index + 1);
    m_panels[index]->setText(text);
}

QString MdiFrame::panelText(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels[index]->text() : QString();
}

void MdiFrame::setPanelWidth(int index, int width)
{
    if (index >= m_panels.size())
        setPanelCount(index + 1);
    m_panels[index]->setFixedWidth(width);
}

// --- background --------------------------------------------------------------

void MdiFrame::setBackgroundPicture(const QPixmap& picture)
{
    static_cast<MdiArea*>(m_area)->setPicture(picture);
}

QLabel* MdiFrame::addBackgroundLabel(const QString& text, const QPoint& pos, bool bold)
{
    auto* l = new QLabel(text, m_area->viewport());
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->adjustSize();
    l->move(pos);
    l->hide();
    return l;
}

void MdiFrame::showLabelNow(QLabel* label)
{
    label->adjustSize();
    label->show();
    label->raise();
    label->repaint();
}

void MdiFrame::closeEvent(QCloseEvent* e)
{
    e->accept();
    terminate();
}

}  // namespace ui
