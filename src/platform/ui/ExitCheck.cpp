#include "platform/ui/ExitCheck.h"

#include "platform/ui/ErrorBox.h"
#include "platform/ui/Form.h"

#include <QApplication>
#include <QFocusEvent>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

bool g_running = false;
const char* const kExempt = "ui_exitExempt";

class ExitWatcher : public QObject {
public:
    explicit ExitWatcher(QWidget* control) : QObject(control), m_control(control)
    {
        setObjectName(QStringLiteral("ui_exitWatcher"));
        control->installEventFilter(this);
    }

    void add(std::function<void()> check, const void* owner) { m_checks.push_back({std::move(check), owner}); }
    void clear(const void* owner)
    {
        m_checks.erase(std::remove_if(m_checks.begin(), m_checks.end(),
                                      [owner](const Check& c) { return c.owner == owner; }),
                       m_checks.end());
    }

    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (obj == m_control && e->type() == QEvent::FocusOut)
            focusLeft(static_cast<QFocusEvent*>(e));
        return false;
    }

private:
    void focusLeft(QFocusEvent* e)
    {
        if (g_running)
            return;
        if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
            return;
        QWidget* next = QApplication::focusWidget();
        if (!next || next == m_control || m_control->isAncestorOf(next))
            return;
        if (isExitExempt(next) || formOf(next) != formOf(m_control))
            return;
        g_running = true;
        const auto checks = m_checks;
        guarded([&checks] {
            for (const Check& c : checks)
                c.run();
        });
        g_running = false;
    }

    struct Check {
        std::function<void()> run;
        const void* owner;
    };
    QWidget* m_control;
    std::vector<Check> m_checks;
};

}  // namespace

void onExit(QWidget* control, std::function<void()> check, const void* owner)
{
    auto* w = control->findChild<ExitWatcher*>(QStringLiteral("ui_exitWatcher"), Qt::FindDirectChildrenOnly);
    if (!w)
        w = new ExitWatcher(control);
    w->add(std::move(check), owner);
}

void clearExitChecks(QWidget* control, const void* owner)
{
    if (auto* w = control->findChild<ExitWatcher*>(QStringLiteral("ui_exitWatcher"), Qt::FindDirectChildrenOnly))
        w->clear(owner);
}

void setExitExempt(QWidget* w, bool exempt)
{
    w->setProperty(kExempt, exempt);
}

bool isExitExempt(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->property(kExempt).toBool())
            return true;
        if (p->isWindow())
            break;
    }
    return false;
}

bool exitCheckRunning()
{
    return g_running;
}

}  // namespace ui
