#pragma once
// The district window: table Region on the record-window template. Deleting a
// district deletes its buildings, units and rooms (the data module's cascade).
// A district with buildings keeps its id; a new name reaches its owners in
// the same transaction.

#include "templates/RecordEditor.h"

class TfrmRegion : public RecordEditor {
    Q_OBJECT
public:
    explicit TfrmRegion(QWidget* parent = nullptr);

protected:
    bool validateRecord() override;
    void beforeSave() override;
};

extern TfrmRegion* frmRegion;
