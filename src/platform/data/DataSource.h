#pragma once
// A data source joins a dataset to the controls and handlers that show it.
//
// While disabled it passes nothing on: bound controls show nothing and follow
// nothing, and its handlers do not run. Enabling it sends a state change and
// then one data change, so everything bound catches up at once. A detail
// dataset follows its master only while the master's data source is enabled.
//
// With automatic edit on, typing into a bound control puts the dataset into
// edit state (or insert state on an empty dataset).

#include "platform/data/DataSet.h"

#include <QObject>
#include <functional>

namespace data {

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(DataSet* ds = nullptr, QObject* parent = nullptr);
    ~DataSource() override;

    DataSet* dataSet() const { return m_ds; }
    void setDataSet(DataSet* ds);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);

    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool on) { m_autoEdit = on; }

    // The dataset's state as bound controls see it (inactive while disabled).
    DataSetState state() const;
    // Puts the dataset into edit state for a bound control that is about to
    // write; returns false when it may not (no automatic edit, inactive).
    bool edit();

    // The data module's handlers.
    std::function<void(DataSource&)> onStateChange;
    std::function<void(DataSource&, Field*)> onDataChange;

    // Internal: called by the dataset.
    void stateEvent();
    void dataEvent(Field* f);
    void updateRecordEvent();

signals:
    void stateChanged();
    void dataChanged(data::Field* field);
    // The dataset is about to post (or to check browse mode): bound controls
    // write the text typed into them and not yet stored; a control whose text
    // is not a valid value throws, which stops the post.
    void updateRecord();
    void enabledChanged(bool enabled);

private:
    DataSet* m_ds = nullptr;
    bool m_enabled = true;
    bool m_autoEdit = true;
};

}  // namespace data
