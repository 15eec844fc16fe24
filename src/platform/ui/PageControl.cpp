#include "platform/ui/PageControl.h"

#include <QApplication>
#include <QEvent>
#include <QTabBar>

namespace ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {}

void PageControl::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    if (QWidget* page = widget(index))
        page->installEventFilter(this);
}

bool PageControl::eventFilter(QObject* watched, QEvent* event)
{
    // A page hidden while the control stays visible is a page switch; a page
    // hidden with its window is left alone.
    if (event->type() == QEvent::Hide && isVisible()) {
        auto* page = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (page && focus && page->isAncestorOf(focus))
            tabBar()->setFocus(Qt::OtherFocusReason);
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace ui
