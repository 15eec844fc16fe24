#pragma once
// The data-aware check box: checked when the field holds the checked value
// ("True" unless set; for a number field "1"), unchecked otherwise. Clicking
// it puts the dataset into edit state and writes the checked or unchecked
// value.

#include "platform/ui/FieldLink.h"

#include <QCheckBox>

namespace ui {

class DBCheckBox : public QCheckBox, public BoundControl {
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget* parent = nullptr);
    DBCheckBox(data::DataSource* source, const QString& fieldName, const QString& caption = QString(),
               QWidget* parent = nullptr);
    ~DBCheckBox() override;

    void setReadOnly(bool on) override { m_link.setReadOnly(on); }

    void setValueChecked(const QString& v);
    void setValueUnchecked(const QString& v);
    const QString& valueChecked() const { return m_checked; }
    const QString& valueUnchecked() const { return m_unchecked; }

protected:
    void nextCheckState() override;

private:
    void showField();
    void clickedByUser();

    QString m_checked = QStringLiteral("True");
    QString m_unchecked = QStringLiteral("False");
};

}  // namespace ui
