#include "platform/ui/MdiArea.h"

#include <QMdiSubWindow>
#include <QPainter>

namespace ui {

MdiArea::MdiArea(QWidget* parent) : QMdiArea(parent)
{
    setBackground(palette().brush(QPalette::Dark));
}

void MdiArea::setPicture(const QPixmap& p)
{
    m_picture = p;
    viewport()->update();
}

QList<QMdiSubWindow*> MdiArea::arrangeable() const
{
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* sw : subWindowList(QMdiArea::CreationOrder))
        if (sw->isVisible() && !sw->isMinimized())
            out << sw;
    return out;
}

void MdiArea::paintEvent(QPaintEvent* e)
{
    QMdiArea::paintEvent(e);
    if (m_picture.isNull())
        return;
    QPainter p(viewport());
    const QRect r = viewport()->rect();
    p.drawPixmap(r.x() + (r.width() - m_picture.width()) / 2, r.y() + (r.height() - m_picture.height()) / 2,
                 m_picture);
}

}  // namespace ui
