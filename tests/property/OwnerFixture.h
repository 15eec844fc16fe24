#pragma once
// The owner window's tests: a small property register and the steps a user
// takes through the window.
//
//
// District D01 "阳光小区": building B2 "二号楼" with units 1, 2 and 3 (3
// without rooms), and
// building B3 "三号楼" without units. District D02 "月亮小区": a building
// with the same id and name, B2 "二号楼", with unit 1.
// Rooms of D01/B2: unit 1 rooms 101 and 102 vacant, 302 held by 张三; unit 2
// room 201 vacant. D02/B2 unit 1: room 101 vacant, room 102 also listing
// 张三's id (to see that only the chosen building's rooms are touched).
// Owners of D01/B2: 张三 (D01-B2-001, unit 1 room 302, one member) and 李四
// (D01-B2-002, no room).

#include "app/Main.h"
#include "app/Openers.h"
#include "platform/data/Connection.h"
#include "platform/ui/DBLookupComboBox.h"
#include "property/Man.h"

#include <QCheckBox>
#include <QtTest>

namespace testsupport {

inline void seedOwners(data::Connection& c)
{
    c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('D01', '阳光小区'), ('D02', '月亮小区')");
    c.exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES ('D01', 'B2', '二号楼'), "
           "('D01', 'B3', '三号楼'), ('D02', 'B2', '二号楼')");
    c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName) VALUES ('D01', 'B2', '二号楼', '1'), "
           "('D01', 'B2', '二号楼', '2'), ('D01', 'B2', '二号楼', '3'), ('D02', 'B2', '二号楼', '1')");
    const char* room = "INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, UserId, Users, UState, "
                       "inDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
    const QVariant none;
    c.exec(room, {"D01", "B2", "二号楼", "1", "101", none, none, "A", none});
    c.exec(room, {"D01", "B2", "二号楼", "1", "102", none, none, "A", none});
    c.exec(room, {"D01", "B2", "二号楼", "1", "302", "D01-B2-001", "张三", "B", "20235"});
    c.exec(room, {"D01", "B2", "二号楼", "2", "201", none, none, "A", none});
    c.exec(room, {"D02", "B2", "二号楼", "1", "101", none, none, "A", none});
    c.exec(room, {"D02", "B2", "二号楼", "1", "102", "D01-B2-001", "张三", "B", "20235"});
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName, UnitName, RoomNum, Sex) VALUES "
           "('D01-B2-001', '张三', '阳光小区', '二号楼', '1', '302', '男'), "
           "('D01-B2-002', '李四', '阳光小区', '二号楼', '', '', '女')");
    c.exec("INSERT INTO Member (memberID, OwnerId, mbName, sex) VALUES ('m1', 'D01-B2-001', '张小三', '男')");
    c.exec("INSERT INTO folkType (folkId, folkName) VALUES (1, '汉族'), (2, '回族')");
    c.exec("INSERT INTO cultureType (cultureId, cultureName) VALUES (1, '大学')");
    c.exec("INSERT INTO nexusType (nexusId, nexusName) VALUES (1, '父子')");
}

// Opens the owner window through its opener, as the menu does.
inline TfrmMan* openMan()
{
    runOpener(*findOpener("Man"), mdiForm);
    return frmMan;
}

// Chooses an entry of a drop-down list by its text, as the user does.
inline void choose(ui::DBLookupComboBox* list, const QString& text)
{
    const int i = list->findText(text);
    QVERIFY2(i >= 0, qPrintable(QString("%1 has no entry %2").arg(list->objectName(), text)));
    list->setCurrentIndex(i);
    emit list->activated(i);
}

// District and building chosen, the edit switch on.
inline void openBuilding(TfrmMan* w, const QString& district = "阳光小区", const QString& building = "二号楼")
{
    choose(w->DBLC_Reg, district);
    choose(w->DBLC_Build, building);
    if (w->CheckBox->isEnabled() && !w->CheckBox->isChecked())
        w->CheckBox->click();
}

}  // namespace testsupport
