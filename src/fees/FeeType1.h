#pragma once
// The fee-item window " 费用设置": table FeeType1 on the record-window
// template. Each item has a code, a name, a unit, a within-quota and an
// over-quota price and its kind: metered ("A", charged from meter readings)
// or non-metered ("F", the box "非计量类").
//
// Its differences from the template:
// - no navigation buttons; the switch enables Add, Delete and Modify;
// - while browsing, the box shows the kind of the item shown;
// - Modify puts the row in edit at once, keeps the code fixed and shows the
//   item's stored kind in the box; Save writes "F" or "A" from the box;
// - the within-quota price is required once the box was clicked so that the
//   price edits are open, within the record being edited;
// - a refused Save keeps everything typed and the mode;
// - Cancel also turns the edit switch off.

#include "templates/RecordEditor.h"

class QCheckBox;
class QGroupBox;
namespace ui {
class DBComboBox;
}

class TfrmFeeType1 : public RecordEditor {
    Q_OBJECT
public:
    explicit TfrmFeeType1(QWidget* parent = nullptr);

    ui::DBComboBox* DBC_FeeD = nullptr;
    ui::DBEdit* DBE_JNFee = nullptr;
    ui::DBEdit* DBE_JWFee = nullptr;
    ui::DBEdit* DBE_DL = nullptr;  // the item's quota: never shown
    QGroupBox* GroupBox1 = nullptr;  // "收费标准"
    QCheckBox* CB_JLFlag = nullptr;  // "非计量类"

    // "F" after a click on the box opened the price edits, "C" after one
    // closed them; empty until the first click on the record being edited.
    QString PriceEditFlag;

    void CheckBoxClick() override;
    void DBGrid1Enter() override;
    void TB_ModiClick() override;
    void TB_SaveClick() override;
    void TB_CancelClick() override;
    void DBE_IDExit() override;
    void CB_JLFlagEnter();
    void CB_JLFlagClick();

    bool IdExists() override;

protected:
    bool validateRecord() override;
    void beforeSave() override;
    void onAdd() override;
    void afterCreate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPriceEditsOpen(bool open);
    // Ticks the box for a non-metered item shown, clears it for a metered one.
    void showStoredKind();
};

extern TfrmFeeType1* frmFeeType1;
