#include "platform/ui/FieldLink.h"

#include "platform/ui/ControlLabel.h"

#include <QWidget>

namespace ui {

FieldLink::FieldLink(QObject* parent) : QObject(parent) {}

void FieldLink::setDataSource(data::DataSource* s)
{
    if (m_source == s)
        return;
    disconnect(m_c1);
    disconnect(m_c2);
    disconnect(m_c3);
    m_source = s;
    if (s) {
        m_c1 = connect(s, &data::DataSource::dataChanged, this, &FieldLink::dataChanged);
        m_c2 = connect(s, &data::DataSource::stateChanged, this, [this] {
            // Opening, closing, enabling and disabling change what is shown;
            // entering edit state does not, and must not undo the typing
            // that caused it.
            if (!active())
                refresh();
        });
        m_c3 = connect(s, &data::DataSource::updateRecord, this, [this] {
            if (onUpdateRecord && active())
                onUpdateRecord();
        });
    }
    refresh();
}

void FieldLink::setFieldName(const QString& name)
{
    m_fieldName = name;
    refresh();
}

data::Field* FieldLink::field() const
{
    if (!m_source || !m_source->enabled() || m_fieldName.isEmpty())
        return nullptr;
    data::DataSet* ds = m_source->dataSet();
    if (!ds || !ds->isActive())
        return nullptr;
    return ds->findField(m_fieldName);
}

bool FieldLink::editing() const
{
    return active() && m_source->dataSet()->isEditing();
}

bool FieldLink::edit()
{
    if (m_readOnly || !active())
        return false;
    return m_source->edit();
}

data::Field* FieldLink::namedField()
{
    data::Field* f = field();
    if (!f)
        return nullptr;
    // The caption is looked up once the window has placed its labels.
    if (m_caption.isEmpty() && caption)
        m_caption = caption();
    if (!m_caption.isEmpty())
        f->setDisplayLabel(m_caption);
    return f;
}

void FieldLink::write(const QVariant& value)
{
    data::Field* f = namedField();
    if (!f)
        return;
    const QVariant v = f->normalize(value);
    m_writing = true;
    try {
        f->setValue(v);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void FieldLink::refresh()
{
    if (onRefresh)
        onRefresh();
}

void FieldLink::dataChanged(data::Field* f)
{
    if (f == nullptr || (!m_writing && f == field()))
        refresh();
}

BoundControl::BoundControl()
{
    m_link.caption = [this] { return controlLabel(dynamic_cast<const QWidget*>(this)); };
}

void setBoundControlsReadOnly(QWidget* root, bool readOnly)
{
    if (!root)
        return;
    if (auto* bc = dynamic_cast<BoundControl*>(root))
        bc->setReadOnly(readOnly);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (auto* bc = dynamic_cast<BoundControl*>(w))
            bc->setReadOnly(readOnly);
}

}  // namespace ui
