#pragma once
// The duty dispatch: staff of one work type sent to the shifts of the posts.
//
// On the left the posts; beside them one cell per shift of the current post
// and the staff sent to the selected shift; below, the staff of the work type
// with the Add button. The post, shift and employee that Add and Re-arrange
// work on are always the ones the window shows: the current post, the
// selected shift cell (shift 1 whenever another post is shown) and the
// current employee. Add is offered only while the staff list has the focus
// and all three are there; Delete takes exactly the assignment shown as the
// current one; Re-arrange takes every shift of the post, after asking.
//
// The set-up runs when the window is created and whenever it becomes the
// active window: the staff and the posts are read again and the first post's
// first shift is shown. The staff are read with the window's own query.

#include "platform/ui/Form.h"

#include <QSize>
#include <QString>
#include <optional>

class QTableWidget;
namespace data {
class Command;
class DataSet;
class DataSource;
class Query;
}
namespace ui {
class DBGrid;
class SpeedButton;
class ToolButton;
}

struct DutyDispatchConfig {
    const char* window = {};  // the window class
    QString key = {};         // ModuleKey of its opener
    QString caption = {};
    QString staffType = {};   // Employee.EmpType of the staff it sends
    // The data module's posts table, the assignments of one post and shift,
    // and the commands that add one and clear a post.
    QString posts = {};
    QString postsSource = {};
    QString assignments = {};
    QString assignmentsSource = {};
    QString insert = {};
    QString clearPost = {};
    QString shiftGrid = {};       // object name of the shift cells
    QString noPostsMessage = {};  // the warning when there is no post
    QSize size = {};
    bool shiftLabels = true;        // "班" and "次" beside the shift cells
    bool staffColumnChecks = true;  // moving to another staff column checks the employee too
};

class DutyDispatch : public ui::Form {
    Q_OBJECT
public:
    DutyDispatch(const DutyDispatchConfig& config, QWidget* parent = nullptr);

    ui::ToolButton* TB_ReSet = nullptr;
    ui::ToolButton* TB_Delete = nullptr;
    ui::ToolButton* TB_Exit = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;  // posts
    QTableWidget* SG_Shifts = nullptr;
    ui::DBGrid* DBGrid2 = nullptr;  // staff sent to the shift shown
    ui::DBGrid* DBGrid3 = nullptr;  // staff of the work type
    ui::SpeedButton* SP_Add = nullptr;
    data::Query* AQ_Emp = nullptr;
    data::DataSource* DS_Emp = nullptr;

    // What the window shows: the current post's number, none without a post.
    std::optional<qlonglong> shownPost() const { return m_post; }
    // The selected shift, 0 when none.
    int shownShift() const { return m_shift; }

    // Lists the staff sent to a shift of a post.
    void ShowPaiG(qlonglong post, int shift);
    // Sends an employee to a shift of a post, and lists the shift again.
    void AddPaiG(qlonglong post, int shift, const QString& name, const QString& number);
    // Takes every employee off every shift of a post.
    void ClearPostPaiG(qlonglong post);

    // --- handlers ------------------------------------------------------------
    void DBGrid1Enter();
    void DBGrid1Exit();
    void SG_SelectCell(int column);
    void DBGrid2Enter();
    void DBGrid2Exit();
    void DBGrid3Enter();
    void DBGrid3Exit();
    void DBGrid3CellClick();
    void SP_AddClick();
    void TB_DeleteClick();
    void TB_ReSetClick();

protected:
    void formCreate() override;
    void formActivate() override;

private:
    void setUp();
    // Shows the current post: its shift cells, shift 1 selected and listed.
    void showPost();
    void buildShifts(int count);
    bool employeeComplete() const;
    void offerAdd();

    DutyDispatchConfig m_cfg;
    data::DataSet* m_posts = nullptr;
    data::DataSource* m_postsSource = nullptr;
    data::Query* m_assignments = nullptr;
    data::DataSource* m_assignmentsSource = nullptr;
    data::Command* m_insert = nullptr;
    data::Command* m_clearPost = nullptr;

    std::optional<qlonglong> m_post;
    qint64 m_postRow = 0;   // identity of the post row shown
    int m_shiftCount = 0;   // of the post shown
    int m_shift = 0;
    bool m_staffFocus = false;
    bool m_quiet = false;  // the window itself is moving things
};

class TfrmBoanPaiG : public DutyDispatch {
    Q_OBJECT
public:
    explicit TfrmBoanPaiG(QWidget* parent = nullptr);
    ~TfrmBoanPaiG() override;
};
extern TfrmBoanPaiG* frmBoanPaiG;

class TfrmBojePaiG : public DutyDispatch {
    Q_OBJECT
public:
    explicit TfrmBojePaiG(QWidget* parent = nullptr);
    ~TfrmBojePaiG() override;
};
extern TfrmBojePaiG* frmBojePaiG;

// The configuration of a dispatch class; throws data::Error for another class.
const DutyDispatchConfig& dutyDispatchConfig(const char* windowClass);
