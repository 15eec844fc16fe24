#pragma once
// The staff browsers: read-only pages through the staff of one work type, one
// employee at a time, with the four navigation buttons and Close.
//
// Each window reads the staff with a query of its own, so that two browsers
// (or a browser beside a dispatch window) side by side each show their own
// staff. The set-up (the query re-run, the caption, the buttons) runs when
// the window is created and again whenever it becomes the active window, so
// it shows the staff as they stand and starts again at the first employee.
// The shared browser lists security or engineering staff: it keeps the kind
// it was last opened or brought forward as.

#include "platform/ui/Form.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QVector>
#include <utility>

namespace data {
class DataSource;
class Query;
}
namespace ui {
class DBEdit;
class ToolButton;
}

struct StaffBrowserConfig {
    const char* window = {};  // the window class
    QString key = {};         // ModuleKey of its openers
    // The work types it can list, each with its caption; the first is listed
    // until another is asked for, and a kind asked for that is none of them
    // counts as the last.
    QVector<std::pair<QString, QString>> kinds = {};
    QSize size = {};  // the size the set-up gives the window (none: kept)
};

class StaffBrowser : public ui::Form {
    Q_OBJECT
public:
    StaffBrowser(const StaffBrowserConfig& config, QWidget* parent = nullptr);

    // Lists this kind of staff from now on: from the creation on when asked
    // before it, else set up again at once when the kind changes.
    void setKind(const QString& kind);
    const QString& kind() const { return m_kind; }

    data::Query* AQ_Emp = nullptr;
    data::DataSource* DS_Emp = nullptr;
    ui::ToolButton* TB_First = nullptr;
    ui::ToolButton* TB_Prev = nullptr;
    ui::ToolButton* TB_Next = nullptr;
    ui::ToolButton* TB_Last = nullptr;
    ui::ToolButton* TB_Close = nullptr;
    QList<ui::DBEdit*> edits;  // one per column shown, never enabled

    void TB_FirstClick();
    void TB_PrevClick();
    void TB_NextClick();
    void TB_LastClick();

protected:
    void formCreate() override;
    void formActivate() override;

private:
    void setUp();
    // At the start First and Previous are off and Next and Last on; at the
    // end the other way round.
    void showEnd(bool atEnd);

    StaffBrowserConfig m_cfg;
    QString m_kind;
    bool m_created = false;
};

// Security staff ("保安") or engineering staff ("工程").
class TfrmBoanEmp : public StaffBrowser {
    Q_OBJECT
public:
    explicit TfrmBoanEmp(QWidget* parent = nullptr);
    ~TfrmBoanEmp() override;
};
extern TfrmBoanEmp* frmBoanEmp;

// Cleaning staff ("保洁").
class TfrmBojeEmp : public StaffBrowser {
    Q_OBJECT
public:
    explicit TfrmBojeEmp(QWidget* parent = nullptr);
    ~TfrmBojeEmp() override;
};
extern TfrmBojeEmp* frmBojeEmp;

// The configuration of a browser class; throws data::Error for another class.
const StaffBrowserConfig& staffBrowserConfig(const char* windowClass);
