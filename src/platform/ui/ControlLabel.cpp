#include "platform/ui/ControlLabel.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>

namespace ui {

QString captionText(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (c != u'&' && !c.isSpace())
            out += c;
    while (out.endsWith(u'：') || out.endsWith(u':'))
        out.chop(1);
    return out;
}

namespace {

QString labelText(QLayoutItem* item)
{
    const auto* l = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return l ? captionText(l->text()) : QString();
}

// The caption that the layout `in` puts before its item `index`.
QString captionBefore(const QLayout* in, int index)
{
    if (const auto* form = qobject_cast<const QFormLayout*>(in)) {
        int row = 0;
        QFormLayout::ItemRole role{};
        form->getItemPosition(index, &row, &role);
        return role == QFormLayout::FieldRole ? labelText(form->itemAt(row, QFormLayout::LabelRole)) : QString();
    }
    if (const auto* grid = qobject_cast<const QGridLayout*>(in)) {
        int row = 0, col = 0, rows = 0, cols = 0;
        grid->getItemPosition(index, &row, &col, &rows, &cols);
        for (int c = col - 1; c >= 0; --c)
            if (QLayoutItem* item = grid->itemAtPosition(row, c); item && item != in->itemAt(index))
                return labelText(item);
        return QString();
    }
    if (qobject_cast<const QBoxLayout*>(in)) {
        for (int i = index - 1; i >= 0; --i)
            if (QLayoutItem* item = in->itemAt(i); item && !item->spacerItem())
                return labelText(item);
    }
    return QString();
}

// Looks for `target` (a widget or a layout) inside `in`; on the way back out
// each layout holding it is asked for the caption before it.
bool find(const QLayout* in, const QObject* target, QString& caption)
{
    for (int i = 0; i < in->count(); ++i) {
        QLayoutItem* item = in->itemAt(i);
        const bool here = item->widget() == target || item->layout() == target;
        if (!here && !(item->layout() && find(item->layout(), target, caption)))
            continue;
        if (caption.isEmpty())
            caption = captionBefore(in, i);
        return true;
    }
    return false;
}

// The nearest label of the same parent that ends left of the control on one
// of its lines.
QString captionToTheLeft(const QWidget* control)
{
    const QRect at = control->geometry();
    const QLabel* best = nullptr;
    for (const QLabel* l : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = l->geometry();
        if (g.right() > at.left() || g.center().y() < at.top() || g.center().y() > at.bottom()
            || captionText(l->text()).isEmpty())
            continue;
        if (!best || g.right() > best->geometry().right())
            best = l;
    }
    return best ? captionText(best->text()) : QString();
}

}  // namespace

QString controlLabel(const QWidget* control)
{
    if (!control || !control->parentWidget())
        return QString();
    for (const QLabel* l : control->window()->findChildren<QLabel*>())
        if (l->buddy() == control)
            return captionText(l->text());
    QString caption;
    if (const QLayout* layout = control->parentWidget()->layout())
        find(layout, control, caption);
    return caption.isEmpty() ? captionToTheLeft(control) : caption;
}

}  // namespace ui
