#pragma once
// The whole-building copy "楼宇复制" of the property generator: the current
// building with all its units and rooms under a new id and name, in the same
// district, as one transaction.

#include "property/GeneratorDialog.h"
#include "property/PropertyKeys.h"

class QLineEdit;
class QPlainTextEdit;

class TfrmLouCopy : public GeneratorDialog {
    Q_OBJECT
public:
    explicit TfrmLouCopy(QWidget* parent = nullptr);

    QLineEdit *E_ID = nullptr, *E_Name = nullptr, *E_reg = nullptr;
    QPlainTextEdit* M_note = nullptr;
    QPushButton *BB_Ok = nullptr, *BB_Cancel = nullptr;

    // Before the dialog opens: the building copied and its floors as shown.
    void setSource(const property::BuildingKey& building, const QString& floors);

    void BB_OkClick();
    void BB_CancelClick();

signals:
    // Buildings, units or rooms were written (or a copy failed part-way).
    void treeChanged();

protected:
    void formCreate() override;

private:
    // The building copied, as it was when the dialog opened.
    property::BuildingKey m_source;
    QString m_floors;
};

extern TfrmLouCopy* frmLouCopy;
