#pragma once
// The lookup combo box: its list is the rows of a list data source, showing
// the list field and standing for the key field. Bound to a field, choosing
// an entry writes its key into that field, and the entry whose key the field
// holds is shown. Unbound, it is a plain lookup list with a current key.
//
// The list follows the list source: it is read again whenever the list
// dataset changes, and is empty while the list source is disabled. Reading
// the list does not move the list dataset's cursor.
//
// closedUp() tells a window that the user is done with the list: it follows
// every choice (after keyChosen), and comes at once when the user drops down
// a list that has no entries, as an empty drop-down opens and closes.

#include "platform/ui/FieldLink.h"

#include <QComboBox>
#include <QPointer>

namespace ui {

class DBLookupComboBox : public QComboBox, public BoundControl {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);
    ~DBLookupComboBox() override;

    // The bound field (optional).

    // The list.
    void setListSource(data::DataSource* s);
    data::DataSource* listSource() const { return m_list; }
    void setKeyField(const QString& name);
    void setListField(const QString& name);
    const QString& keyField() const { return m_keyField; }
    const QString& listField() const { return m_listField; }

    // The key of the entry shown (null when none).
    QVariant keyValue() const;
    // Shows the entry with that key (none when no entry has it); bound, the
    // key is also written into the field while the dataset is editing.
    void setKeyValue(const QVariant& key);
    QString text() const { return currentText(); }

    void setReadOnly(bool on) override { m_link.setReadOnly(on); }

    void showPopup() override;

signals:
    // The user chose an entry (after the field was written, when bound).
    void keyChosen(const QVariant& key);
    // The user finished with the list (see above).
    void closedUp();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void readList();
    void showKey(const QVariant& key);
    void showField();
    void chosen(int index);
    bool bound() const { return m_link.dataSource() && !m_link.fieldName().isEmpty(); }

    QPointer<data::DataSource> m_list;
    QString m_keyField;
    QString m_listField;
    QVariant m_key;  // unbound: the current key
    QMetaObject::Connection m_c1, m_c2;
};

}  // namespace ui
