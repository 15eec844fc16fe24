#include "property/Build.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "property/TreeReferences.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCheckBox>

TfrmBuild* frmBuild = nullptr;

namespace {

RecordEditorConfig buildConfig()
{
    RecordEditorConfig c;
    c.caption = QStringLiteral("楼宇信息");
    c.key = QStringLiteral("Build");
    c.dataSet = QStringLiteral("AT_Build");
    c.dataSource = QStringLiteral("DS_Build");
    c.table = QStringLiteral("Build");
    c.keyFields = {QStringLiteral("RegionID"), QStringLiteral("BuildId")};
    c.nameField = QStringLiteral("BuildName");
    c.emptyMessage = QStringLiteral("小区编号和名称均不能为空！");
    c.existsOnSave = QStringLiteral("该楼宇编号已存在！重新输入。");
    c.existsOnExit = QStringLiteral("该楼宇编号已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("删除该记录与其关联的数据也将被删除！");
    c.gridColumns = {{QStringLiteral("RegionID"), QStringLiteral("小区编号"), 50},
                     {QStringLiteral("BuildId"), QStringLiteral("楼宇编号"), 52},
                     {QStringLiteral("BuildName"), QStringLiteral("楼宇名称"), 80}};
    c.pages = {QStringLiteral("基本"), QStringLiteral("备注")};
    c.size = QSize(628, 400);
    c.hasModify = false;
    return c;
}

}  // namespace

TfrmBuild::TfrmBuild(QWidget* parent) : RecordEditor(buildConfig(), parent)
{
    DBC_RegId = new ui::DBComboBox(dataSource(), QStringLiteral("RegionID"));
    DBC_RegId->setObjectName(QStringLiteral("DBC_RegId"));
    addControl(0, QStringLiteral("小区编号："), DBC_RegId);
    DBE_ID = addEdit(0, QStringLiteral("楼宇编号："), QStringLiteral("BuildId"), QStringLiteral("DBE_ID"));
    DBE_Name = addEdit(0, QStringLiteral("楼宇名称："), QStringLiteral("BuildName"), QStringLiteral("DBE_Name"));
    addEdit(0, QStringLiteral("开发商："), QStringLiteral("KFShang"), QStringLiteral("DBE_KFS"));
    addEdit(0, QStringLiteral("占地面积："), QStringLiteral("ZDm"), QStringLiteral("DBE_ZDm"));
    addEdit(0, QStringLiteral("层数："), QStringLiteral("Csum"), QStringLiteral("DBE_CSum"));
    DBM_Note = new ui::DBMemo(dataSource(), QStringLiteral("note"));
    DBM_Note->setObjectName(QStringLiteral("DBM_Note"));
    addControl(1, QString(), DBM_Note);

    // Entering the grid and clicking a cell both leave the record and offer
    // Add and Delete again.
    ui::connectHandler(DBGrid1, &ui::DBGrid::entered, this, [this] { DBGrid1CellClick(); });
    ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1CellClick(); });
    // A new name's copies in units, rooms and owners stand or fall with the building.
    dataSet()->setPostInTransaction(true);
}

void TfrmBuild::afterCreate()
{
    if (session::level() == 2)
        TB_Modi->setEnabled(false);
    // The district ids as they are now; districts added later appear when
    // the window is opened again.
    data::Query q(DM->connection());
    q.setObjectName(QStringLiteral("AQ_sle"));
    q.sql() << QStringLiteral("select * from Region ");
    q.open();
    QStringList ids;
    for (q.first(); !q.eof(); q.next())
        ids << q.fieldByName(QStringLiteral("RegionId"))->asString();
    DBC_RegId->setItems(ids);
}

QStringList TfrmBuild::typedKey() const
{
    return {DBC_RegId->text().trimmed(), DBE_ID->text()};
}

bool TfrmBuild::validateRecord()
{
    // The district typed or chosen goes into the record whatever follows.
    data::DataSet* ds = dataSet();
    if (ds->isEditing()) {
        data::Field* f = ds->fieldByName(QStringLiteral("RegionID"));
        const QString typed = DBC_RegId->text().trimmed();
        if (f->asString() != typed)
            f->setAsString(typed);
    }
    if (!RecordEditor::validateRecord())
        return false;
    const property::BuildingKey stored = storedBuilding();
    if (ds->state() == data::DataSetState::Edit && keyChanged()
        && property::buildingHasChildren(*DM->connection(), stored)) {
        ui::Msg::warning(QStringLiteral("该楼宇已有房间，不能修改编号！"));
        DBC_RegId->setText(stored.regionId);
        DBE_ID->setText(stored.buildId);
        DBE_ID->setFocus();
        return false;
    }
    return true;
}

property::BuildingKey TfrmBuild::storedBuilding() const
{
    auto stored = [this](const char* f) {
        return data::variantToText(dataSet()->fieldByName(QString::fromLatin1(f))->oldValue());
    };
    return {stored("RegionID"), stored("BuildId"), stored("BuildName")};
}

void TfrmBuild::beforeSave()
{
    if (dataSet()->state() == data::DataSetState::Edit)
        property::renameBuilding(*DM->connection(), storedBuilding(),
                                 dataSet()->fieldByName(QStringLiteral("BuildName"))->asString());
}

void TfrmBuild::DBGrid1CellClick()
{
    DBGrid1Enter();
    if (CheckBox->isChecked())
        TB_Add->setEnabled(true);
}
