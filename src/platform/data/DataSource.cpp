#include "platform/data/DataSource.h"

namespace data {

DataSource::DataSource(DataSet* ds, QObject* parent) : QObject(parent)
{
    setDataSet(ds);
}

DataSource::~DataSource()
{
    if (m_ds)
        m_ds->detachSource(this);
}

void DataSource::setDataSet(DataSet* ds)
{
    if (m_ds == ds)
        return;
    if (m_ds)
        m_ds->detachSource(this);
    m_ds = ds;
    if (m_ds)
        m_ds->attachSource(this);
    if (m_enabled) {
        stateEvent();
        dataEvent(nullptr);
    }
}

void DataSource::setEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    emit enabledChanged(on);
    if (on) {
        stateEvent();
        dataEvent(nullptr);
    } else {
        // Bound controls clear themselves; handlers do not run.
        emit stateChanged();
        emit dataChanged(nullptr);
    }
    if (m_ds)
        m_ds->sourceEnabledChanged(this);
}

DataSetState DataSource::state() const
{
    if (!m_enabled || !m_ds)
        return DataSetState::Inactive;
    return m_ds->state();
}

bool DataSource::edit()
{
    if (!m_enabled || !m_ds || !m_ds->isActive())
        return false;
    if (m_ds->isEditing())
        return true;
    if (!m_autoEdit)
        return false;
    m_ds->edit();
    return m_ds->isEditing();
}

void DataSource::stateEvent()
{
    if (!m_enabled)
        return;
    if (onStateChange)
        onStateChange(*this);
    emit stateChanged();
}

void DataSource::updateRecordEvent()
{
    if (m_enabled)
        emit updateRecord();
}

void DataSource::dataEvent(Field* f)
{
    if (!m_enabled)
        return;
    if (onDataChange)
        onDataChange(*this, f);
    emit dataChanged(f);
}

}  // namespace data
