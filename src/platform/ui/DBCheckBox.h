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

    data::DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataSource(data::DataSource* s) { m_link.setDataSource(s); }
    QString dataField() const { return m_link.fieldName(); }
    void setDataField(const QString& name) { m_link.setFieldName(name); }
    data::Field* field() const { return m_link.field(); }

    FieldLink& link() override { return m_link; }
    void setReadOnly(bool on) override { m_link.setReadOnly(on); }
    bool isReadOnly() const { return m_link.readOnly(); }

    void setValueChecked(const QString& v);
    void setValueUnchecked(const QString& v);
    const QString& valueChecked() const { return m_checked; }
    const QString& valueUnchecked() const { return m_unchecked; }

protected:
    void nextCheckState() override;

private:
    void showField();
    void clickedByUser();

    FieldLink m_link;
    QString m_checked = QStringLiteral("True");
    QString m_unchecked = QStringLiteral("False");
};

}  // namespace ui
