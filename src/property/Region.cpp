#include "property/Region.h"

#include "platform/ui/DBEdit.h"
#include "platform/ui/ExitCheck.h"
#include "platform/ui/Msg.h"
#include "property/TreeReferences.h"
#include "session/DMRegion.h"

TfrmRegion* frmRegion = nullptr;

namespace {

RecordEditorConfig regionConfig()
{
    RecordEditorConfig c;
    c.caption = QStringLiteral(" 小区信息");
    c.key = QStringLiteral("Region");
    c.dataSet = QStringLiteral("AT_Region");
    c.dataSource = QStringLiteral("DS_Region");
    c.table = QStringLiteral("Region");
    c.keyFields = {QStringLiteral("RegionId")};
    c.nameField = QStringLiteral("RegionName");
    c.emptyMessage = QStringLiteral("编号和名称均不能为空！");
    c.existsOnSave = QStringLiteral("该小区编号记录已存在！重新输入。");
    c.existsOnExit = QStringLiteral("该小区编号已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("删除该记录与其关联的数据也将被删除！");
    c.gridColumns = {{QStringLiteral("RegionId"), QStringLiteral("编号"), 50},
                     {QStringLiteral("RegionName"), QStringLiteral("名称"), 90}};
    c.pages = {QStringLiteral("基本"), QStringLiteral("其他")};
    c.size = QSize(525, 418);
    return c;
}

}  // namespace

TfrmRegion::TfrmRegion(QWidget* parent) : RecordEditor(regionConfig(), parent)
{
    DBE_ID = addEdit(0, QStringLiteral("编号："), QStringLiteral("RegionId"), QStringLiteral("DBE_ID"));
    addNote(0, QStringLiteral("编号唯一不能重复"));
    DBE_Name = addEdit(0, QStringLiteral("名称："), QStringLiteral("RegionName"), QStringLiteral("DBE_Name"));
    addEdit(0, QStringLiteral("地址："), QStringLiteral("Address"), QStringLiteral("DBE_Address"));
    addEdit(0, QStringLiteral("联系电话："), QStringLiteral("Phone"), QStringLiteral("DBE_Phone"));
    addEdit(0, QStringLiteral("负责人："), QStringLiteral("Header"), QStringLiteral("DBE_Header"));
    addEdit(1, QStringLiteral("占地面积："), QStringLiteral("ZDm"));
    addEdit(1, QStringLiteral("建筑面积："), QStringLiteral("JZm"));
    addEdit(1, QStringLiteral("住宅面积："), QStringLiteral("ZZm"));
    addEdit(1, QStringLiteral("绿地面积："), QStringLiteral("LDm"));
    addEdit(1, QStringLiteral("总栋数："), QStringLiteral("ZDSum"));
    addEdit(1, QStringLiteral("总套数："), QStringLiteral("ZTSum"));
    addEdit(1, QStringLiteral("住户数："), QStringLiteral("ZHSum"));
    // The owners' copy of a new name stands or falls with the district.
    dataSet()->setPostInTransaction(true);
}

bool TfrmRegion::validateRecord()
{
    if (!RecordEditor::validateRecord())
        return false;
    const QString stored = storedKey().value(0);
    if (dataSet()->state() == data::DataSetState::Edit && keyChanged()
        && property::districtHasChildren(*DM->connection(), stored)) {
        ui::Msg::warning(QStringLiteral("该小区已有楼宇，不能修改编号！"));
        DBE_ID->setText(stored);
        DBE_ID->setFocus();
        return false;
    }
    return true;
}

void TfrmRegion::beforeSave()
{
    if (dataSet()->state() != data::DataSetState::Edit)
        return;
    const data::Field* name = dataSet()->fieldByName(QStringLiteral("RegionName"));
    property::renameDistrict(*DM->connection(), data::variantToText(name->oldValue()), name->asString());
}
