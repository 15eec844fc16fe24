#pragma once
// The data-aware combo box: a list of texts to choose from, bound to a text
// field. Editable by default (typing works as in the data-aware edit); as a
// drop-down list (setListOnly(true)) only the items can be chosen, and a
// field value that is not an item shows as empty, unless setShowUnlisted(true):
// then it shows as it is (as an extra item at the end) and stays stored
// until the user chooses another.

#include "platform/ui/FieldLink.h"
#include "platform/ui/LineEditBinding.h"

#include <QComboBox>

namespace ui {

class DBComboBox : public QComboBox, public BoundControl {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget* parent = nullptr);
    DBComboBox(data::DataSource* source, const QString& fieldName, QWidget* parent = nullptr);
    ~DBComboBox() override;

    void setReadOnly(bool on) override;

    void setItems(const QStringList& items);
    QStringList items() const;
    void setListOnly(bool on);
    bool listOnly() const { return !isEditable(); }
    void setShowUnlisted(bool on);

    QString text() const { return currentText(); }
    // Shown, and written into the field while the dataset is editing.
    void setText(const QString& text);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void showField();
    void chosen(int index);

    std::unique_ptr<LineEditBinding> m_binding;
    bool m_showUnlisted = false;
    bool m_hasUnlisted = false;  // the last item is a shown stored value
};

}  // namespace ui
