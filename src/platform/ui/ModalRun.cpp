#include "platform/ui/ModalRun.h"

#include "platform/data/Error.h"
#include "platform/ui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <algorithm>
#include <set>
#include <vector>

namespace ui {

namespace {

struct Run {
    enum How { Running, ByResult, ByClose, ByDestroy };
    QPointer<QWidget> window;
    QEventLoop* loop = nullptr;
    int result = mrNone;
    bool ended = false;
    How how = Running;
    std::vector<QPointer<QWidget>> blocked;  // windows visible when the run started
};

struct State {
    std::vector<Run*> runs;  // outermost first
    bool terminated = false;
    std::function<void()> hook;
};

State& state()
{
    static State s;
    return s;
}

Run* findRun(const QWidget* w)
{
    for (Run* r : state().runs)
        if (r->window == w)
            return r;
    return nullptr;
}

// True when input to the window is held back by a run: it was visible when a
// run started, and no run nested inside that one is the window's own.
bool isBlocked(QWidget* top)
{
    bool blocked = false;
    for (Run* r : state().runs) {
        if (r->window && r->window->window() == top)
            blocked = false;
        for (const auto& b : r->blocked)
            if (b == top)
                blocked = true;
    }
    return blocked;
}

bool isInputEvent(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Holds back input to blocked windows, and watches the run windows being closed.
class RunFilter : public QObject {
public:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (!obj->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(obj);
        if (e->type() == QEvent::Close) {
            if (Run* r = findRun(w))
                return watchClose(w, r, static_cast<QCloseEvent*>(e));
        }
        if (isInputEvent(e->type()) && (e->type() != QEvent::Close || e->spontaneous())) {
            if (isBlocked(w->window()))
                return true;
        }
        return false;
    }

private:
    // Lets the window decide on its close as usual; an accepted close ends its run.
    static bool watchClose(QWidget* w, Run* r, QCloseEvent* e)
    {
        if (e->spontaneous() && isBlocked(w->window()))
            return true;
        static_cast<QObject*>(w)->event(e);
        if (e->isAccepted() && !r->ended) {
            r->result = mrCancel;
            r->ended = true;
            r->how = Run::ByClose;
            r->loop->exit(0);
        }
        return true;
    }
};

RunFilter* filter()
{
    static RunFilter* f = new RunFilter;
    return f;
}

void updateFilter()
{
    if (!qApp)
        return;
    qApp->removeEventFilter(filter());
    if (!state().runs.empty())
        qApp->installEventFilter(filter());
}

}  // namespace

int runModal(QWidget* window)
{
    if (!window)
        return mrCancel;
    if (findRun(window))
        throw data::Error(QStringLiteral("窗口“%1”已经以模式方式运行。").arg(window->windowTitle()));
    if (state().terminated)
        return mrCancel;

    Run run;
    run.window = window;
    const QWidget* own = window->window();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == own || !top->isVisible())
            continue;
        if (top->windowType() == Qt::Popup || top->windowType() == Qt::ToolTip)
            continue;
        run.blocked.emplace_back(top);
    }
    QEventLoop loop;
    run.loop = &loop;
    state().runs.push_back(&run);
    updateFilter();
    QObject::connect(window, &QObject::destroyed, &loop, [&run, &loop] {
        if (!run.ended) {
            run.result = mrCancel;
            run.ended = true;
            run.how = Run::ByDestroy;
        }
        loop.exit(0);
    });

    window->show();
    window->raise();
    window->activateWindow();
    for (;;) {
        if (!run.ended && !state().terminated)
            loop.exec();
        if (state().terminated) {
            run.result = mrCancel;
            break;
        }
        if (!run.window)
            break;
        // A result set by endModal: the form's close handlers may refuse it.
        if (run.how == Run::ByResult) {
            auto* form = qobject_cast<Form*>(run.window.data());
            if (form && !form->closeForModalResult()) {
                run.result = mrNone;
                run.ended = false;
                run.how = Run::Running;
                continue;
            }
        }
        break;
    }

    state().runs.erase(std::find(state().runs.begin(), state().runs.end(), &run));
    updateFilter();
    if (run.window)
        run.window->hide();
    return run.result;
}

void endModal(QWidget* window, int result)
{
    Run* r = findRun(window);
    if (!r || r->ended)
        return;
    r->result = result == mrNone ? mrCancel : result;
    r->ended = true;
    r->how = Run::ByResult;
    r->loop->exit(0);
}

bool isRunningModal(const QWidget* window)
{
    return findRun(window) != nullptr;
}

int modalDepth()
{
    return int(state().runs.size());
}

void terminate()
{
    state().terminated = true;
    for (Run* r : state().runs) {
        r->ended = true;
        r->result = mrCancel;
        r->loop->exit(0);
    }
    if (state().hook)
        state().hook();
    else
        QCoreApplication::exit(0);
}

bool terminated()
{
    return state().terminated;
}

std::function<void()> setTerminateHook(std::function<void()> hook)
{
    std::function<void()> old = std::move(state().hook);
    state().hook = std::move(hook);
    return old;
}

void resetTermination()
{
    state().terminated = false;
}

int mainLoop()
{
    if (state().terminated)
        return 0;
    return QApplication::exec();
}

}  // namespace ui
