#pragma once
// The owner search "  查找。。。": the search window over all owners, opened
// from the owner window and freed with it.

#include "templates/SearchForm.h"

class TfrmFind : public SearchForm {
    Q_OBJECT
public:
    explicit TfrmFind(QWidget* parent = nullptr);
};

extern TfrmFind* frmFind;

// What the owner search searches and shows.
SearchConfig ownerSearchConfig();
