#include "platform/ui/DBLookupComboBox.h"

#include <QKeyEvent>

namespace ui {

namespace {
QString keyText(const QVariant& v)
{
    return data::variantToText(v);
}
}  // namespace

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::chosen);
    m_link.onRefresh = [this] { showField(); };
}

DBLookupComboBox::~DBLookupComboBox()
{
    m_link.onRefresh = nullptr;
}

void DBLookupComboBox::setListSource(data::DataSource* s)
{
    disconnect(m_c1);
    disconnect(m_c2);
    m_list = s;
    if (s) {
        m_c1 = connect(s, &data::DataSource::dataChanged, this, [this](data::Field*) { readList(); });
        m_c2 = connect(s, &data::DataSource::stateChanged, this, [this] { readList(); });
    }
    readList();
}

void DBLookupComboBox::setKeyField(const QString& name)
{
    m_keyField = name;
    readList();
}

void DBLookupComboBox::setListField(const QString& name)
{
    m_listField = name;
    readList();
}

void DBLookupComboBox::readList()
{
    const QVariant shown = bound() ? QVariant() : m_key;
    {
        const QSignalBlocker block(this);
        clear();
        data::DataSet* ds = m_list && m_list->enabled() ? m_list->dataSet() : nullptr;
        if (ds && ds->isActive() && !m_keyField.isEmpty()) {
            data::Field* key = ds->findField(m_keyField);
            data::Field* list = ds->findField(m_listField.isEmpty() ? m_keyField : m_listField);
            if (key && list)
                for (int row = 0; row < ds->recordCount(); ++row)
                    addItem(data::variantToText(ds->valueAt(row, list->index())),
                            ds->valueAt(row, key->index()));
        }
    }
    if (bound())
        showField();
    else
        showKey(shown);
}

void DBLookupComboBox::showKey(const QVariant& key)
{
    const QSignalBlocker block(this);
    int found = -1;
    if (key.isValid() && !key.isNull()) {
        const QString k = keyText(key);
        for (int i = 0; i < count() && found < 0; ++i)
            if (keyText(itemData(i)) == k)
                found = i;
    }
    setCurrentIndex(found);
}

void DBLookupComboBox::showField()
{
    if (!bound())
        return;
    data::Field* f = m_link.field();
    showKey(f ? f->value() : QVariant());
}

QVariant DBLookupComboBox::keyValue() const
{
    if (bound()) {
        data::Field* f = m_link.field();
        return f ? f->value() : QVariant();
    }
    return currentIndex() >= 0 ? itemData(currentIndex()) : QVariant();
}

void DBLookupComboBox::setKeyValue(const QVariant& key)
{
    if (!bound()) {
        m_key = key;
        showKey(key);
        return;
    }
    showKey(key);
    if (m_link.editing()) {
        try {
            m_link.write(key);
        } catch (...) {
            showField();
            throw;
        }
    }
}

void DBLookupComboBox::chosen(int index)
{
    const QVariant key = itemData(index);
    if (!bound()) {
        m_key = key;
        emit keyChosen(key);
        emit closedUp();
        return;
    }
    if (m_link.readOnly() || (!m_link.editing() && !m_link.edit())) {
        showField();
        return;
    }
    try {
        m_link.write(key);
    } catch (...) {
        showField();
        throw;
    }
    showKey(key);
    emit keyChosen(key);
    emit closedUp();
}

void DBLookupComboBox::showPopup()
{
    if (m_link.readOnly())
        return;
    if (count() == 0) {
        // Nothing to drop down: the list closes again at once.
        emit closedUp();
        return;
    }
    QComboBox::showPopup();
}

void DBLookupComboBox::keyPressEvent(QKeyEvent* e)
{
    if (m_link.readOnly()) {
        e->ignore();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void DBLookupComboBox::wheelEvent(QWheelEvent* e)
{
    if (m_link.readOnly()) {
        e->ignore();
        return;
    }
    QComboBox::wheelEvent(e);
}

}  // namespace ui
