#pragma once
// The district window: table Region on the record-window template. Deleting a
// district deletes its buildings, units and rooms.

#include "templates/RecordEditor.h"

class TfrmRegion : public RecordEditor {
    Q_OBJECT
public:
    explicit TfrmRegion(QWidget* parent = nullptr);

protected:
    void deleteDependants() override;
};

extern TfrmRegion* frmRegion;
