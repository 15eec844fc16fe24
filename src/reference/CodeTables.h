#pragma once
// The code-table windows. Each is the code-table template configured by its
// row in CodeTables.cpp; the classes exist so that each window has its own
// name, by which the frame opens it and the data module finds its buttons.
// Each global refers to the open window of its class, or is null.

#include "templates/CodeNoteEditor.h"
#include "templates/CodeTableEditor.h"

// The configuration of a window class by name; throws data::Error for a
// class that is not a code-table window.
const CodeTableConfig& codeTableConfig(const char* windowClass);
// Every configuration, the plain windows first, then those with a note.
const QVector<CodeTableConfig>& codeTableConfigs();

class TfrmCulture : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmCulture(QWidget* parent = nullptr);
    ~TfrmCulture() override;
};
extern TfrmCulture* frmCulture;

class TfrmJob : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmJob(QWidget* parent = nullptr);
    ~TfrmJob() override;
};
extern TfrmJob* frmJob;

class TfrmZhZ : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmZhZ(QWidget* parent = nullptr);
    ~TfrmZhZ() override;
};
extern TfrmZhZ* frmZhZ;

class TfrmZhJ : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmZhJ(QWidget* parent = nullptr);
    ~TfrmZhJ() override;
};
extern TfrmZhJ* frmZhJ;

class TfrmFolk : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFolk(QWidget* parent = nullptr);
    ~TfrmFolk() override;
};
extern TfrmFolk* frmFolk;

class TfrmNexus : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmNexus(QWidget* parent = nullptr);
    ~TfrmNexus() override;
};
extern TfrmNexus* frmNexus;

class TfrmRoom : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmRoom(QWidget* parent = nullptr);
    ~TfrmRoom() override;
};
extern TfrmRoom* frmRoom;

class TfrmFeeType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFeeType(QWidget* parent = nullptr);
    ~TfrmFeeType() override;
};
extern TfrmFeeType* frmFeeType;

class TfrmReperType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmReperType(QWidget* parent = nullptr);
    ~TfrmReperType() override;
};
extern TfrmReperType* frmReperType;

class TfrmFixSys : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFixSys(QWidget* parent = nullptr);
    ~TfrmFixSys() override;
};
extern TfrmFixSys* frmFixSys;

class TfrmFixType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFixType(QWidget* parent = nullptr);
    ~TfrmFixType() override;
};
extern TfrmFixType* frmFixType;

class TfrmShPType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmShPType(QWidget* parent = nullptr);
    ~TfrmShPType() override;
};
extern TfrmShPType* frmShPType;

class TfrmFileType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmFileType(QWidget* parent = nullptr);
    ~TfrmFileType() override;
};
extern TfrmFileType* frmFileType;

class TfrmUseType : public CodeTableEditor {
    Q_OBJECT
public:
    explicit TfrmUseType(QWidget* parent = nullptr);
    ~TfrmUseType() override;
};
extern TfrmUseType* frmUseType;

class TfrmPrjType : public CodeNoteEditor {
    Q_OBJECT
public:
    explicit TfrmPrjType(QWidget* parent = nullptr);
    ~TfrmPrjType() override;
};
extern TfrmPrjType* frmPrjType;

class TfrmPeixType : public CodeNoteEditor {
    Q_OBJECT
public:
    explicit TfrmPeixType(QWidget* parent = nullptr);
    ~TfrmPeixType() override;
};
extern TfrmPeixType* frmPeixType;

class TfrmMeetType : public CodeNoteEditor {
    Q_OBJECT
public:
    explicit TfrmMeetType(QWidget* parent = nullptr);
    ~TfrmMeetType() override;
};
extern TfrmMeetType* frmMeetType;

class TfrmHuodType : public CodeNoteEditor {
    Q_OBJECT
public:
    explicit TfrmHuodType(QWidget* parent = nullptr);
    ~TfrmHuodType() override;
};
extern TfrmHuodType* frmHuodType;
