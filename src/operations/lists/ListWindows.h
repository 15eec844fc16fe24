#pragma once
// The lists of things and places the office keeps in code-table windows:
// security and cleaning supplies, fire equipment, tools, spare parts, the
// security posts and cleaning areas, and the parking positions. Each is the
// code-table template configured by its row in ListWindows.cpp; the classes
// exist so that each window has its own name, by which the frame opens it and
// the data module finds its buttons. Each global refers to the open window of
// its class, or is null.

#include "templates/CodeNoteEditor.h"
#include "templates/CodeTableEditor.h"

// The row of a window class; throws data::Error for a class that has none.
const CodeTableConfig& listWindowConfig(const char* windowClass);
// Every row, in the table's order.
const QVector<CodeTableConfig>& listWindowConfigs();

class TfrmBoanUse : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmBoanUse(QWidget* parent = nullptr);
    ~TfrmBoanUse() override;
};
extern TfrmBoanUse* frmBoanUse;

class TfrmBojeUse : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmBojeUse(QWidget* parent = nullptr);
    ~TfrmBojeUse() override;
};
extern TfrmBojeUse* frmBojeUse;

class TfrmFirUse : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFirUse(QWidget* parent = nullptr);
    ~TfrmFirUse() override;
};
extern TfrmFirUse* frmFirUse;

class TfrmTools : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmTools(QWidget* parent = nullptr);
    ~TfrmTools() override;
};
extern TfrmTools* frmTools;

class TfrmSpare : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmSpare(QWidget* parent = nullptr);
    ~TfrmSpare() override;
};
extern TfrmSpare* frmSpare;

class TfrmBoanPost : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmBoanPost(QWidget* parent = nullptr);
    ~TfrmBoanPost() override;
};
extern TfrmBoanPost* frmBoanPost;

class TfrmBojePost : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmBojePost(QWidget* parent = nullptr);
    ~TfrmBojePost() override;
};
extern TfrmBojePost* frmBojePost;

class TfrmCarPosit : public CodeNoteEditor {
    Q_OBJECT
public:
    explicit TfrmCarPosit(QWidget* parent = nullptr);
    ~TfrmCarPosit() override;
};
extern TfrmCarPosit* frmCarPosit;
