// The owner window's controls and their layout.

#include "property/Man.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "reference/CodeLists.h"
#include "session/DMRegion.h"
#include "templates/PicturePane.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A label and a control in the next free cell pair of a two-column grid.
void place(QGridLayout* g, int index, const QString& label, QWidget* control)
{
    const int row = index / 2;
    const int col = index % 2 * 2;
    g->addWidget(new QLabel(label, control->parentWidget()), row, col, Qt::AlignRight);
    g->addWidget(control, row, col + 1);
}

ui::DBLookupComboBox* lookup(QWidget* parent, const char* name, data::DataSource* list, const char* key,
                             const char* shown)
{
    auto* c = new ui::DBLookupComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setListSource(list);
    c->setKeyField(QString::fromLatin1(key));
    c->setListField(QString::fromLatin1(shown));
    c->setMinimumWidth(110);
    return c;
}

ui::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new ui::SpeedButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setEnabled(false);
    return b;
}

}  // namespace

void TfrmMan::buildToolBar(QVBoxLayout* root)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this, bar](ui::ToolButton*& b, const char* name, const QString& caption, void (TfrmMan::*h)()) {
        ui::addToolButton(bar, b, name, caption, this, h);
        b->setEnabled(false);
    };
    add(TB_Add, "TB_Add", QStringLiteral("添加"), &TfrmMan::TB_AddClick);
    add(TB_Delete, "TB_Delete", QStringLiteral("删除"), &TfrmMan::TB_DeleteClick);
    add(TB_Modi, "TB_Modi", QStringLiteral("修改"), &TfrmMan::TB_ModiClick);
    add(TB_Cancel, "TB_Cancel", QStringLiteral("取消"), &TfrmMan::TB_CancelClick);
    add(TB_Save, "TB_Save", QStringLiteral("保存"), &TfrmMan::TB_SaveClick);
    bar->addSeparator();
    add(TB_First, "TB_First", QStringLiteral("首条"), &TfrmMan::TB_FirstClick);
    add(TB_Prev, "TB_Prev", QStringLiteral("上条"), &TfrmMan::TB_PrevClick);
    add(TB_Next, "TB_Next", QStringLiteral("下条"), &TfrmMan::TB_NextClick);
    add(TB_Last, "TB_Last", QStringLiteral("末条"), &TfrmMan::TB_LastClick);
    add(TB_Refresh, "TB_Refresh", QStringLiteral("刷新"), &TfrmMan::TB_RefreshClick);
    add(TB_Find, "TB_Find", QStringLiteral("查找"), &TfrmMan::TB_FindClick);
    add(TB_Print, "TB_Print", QStringLiteral("打印"), &TfrmMan::TB_PrintClick);
    auto* spacer = new QLabel(bar);
    spacer->setMinimumWidth(16);
    bar->addWidget(spacer);
    add(TB_Close, "TB_Close", QStringLiteral("离开"), &TfrmMan::TB_CloseClick);
    for (ui::ToolButton* b : {TB_Refresh, TB_Find, TB_Close})
        b->setEnabled(true);
    root->addWidget(bar);
}

QWidget* TfrmMan::buildLeftPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(220);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(2, 2, 2, 2);
    DBLC_Reg = lookup(panel, "DBLC_Reg", DM->DS_Regs, "RegionId", "RegionName");
    DBLC_Build = lookup(panel, "DBLC_Build", DM->DS_Bud, "BuildId", "BuildName");
    l->addWidget(new QLabel(QStringLiteral("请选择小区："), panel));
    l->addWidget(DBLC_Reg);
    l->addWidget(new QLabel(QStringLiteral("请选择楼宇："), panel));
    l->addWidget(DBLC_Build);
    DBGrid1 = new ui::DBGrid(DM->DS_Man, panel);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("ownerId"), QStringLiteral("业主编号"), 90},
                         {QStringLiteral("ownerName"), QStringLiteral("业主姓名"), 90}});
    DBGrid1->setRowSelect(true);
    DBGrid1->setReadOnly(true);
    DBGrid1->setEnabled(false);
    l->addWidget(DBGrid1, 1);
    l->addStretch(0);
    return panel;
}

QWidget* TfrmMan::buildOwnerPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_Owner"));
    auto* g = new QGridLayout(page);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    data::DataSource* s = DM->DS_Man;
    auto edit = [&](ui::DBEdit*& e, const char* name, const char* field) {
        e = new ui::DBEdit(s, QString::fromLatin1(field), page);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto combo = [&](ui::DBComboBox*& c, const char* name, const char* field) {
        c = new ui::DBComboBox(s, QString::fromLatin1(field), page);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    DBE_Birth = new ui::DBMaskDateEdit(s, QStringLiteral("Birth"), QStringLiteral("!9999/99/99;1"), page);
    DBE_Birth->setObjectName(QStringLiteral("DBE_Birth"));
    const std::vector<std::pair<QString, QWidget*>> cells = {
        {QStringLiteral("业主编号："), edit(DBE_OwnerId, "DBE_OwnerId", "ownerId")},
        {QStringLiteral("业主姓名："), edit(DBE_OwnerName, "DBE_OwnerName", "ownerName")},
        {QStringLiteral("性别："), combo(DBC_Sex, "DBC_Sex", "Sex")},
        {QStringLiteral("生日："), DBE_Birth},
        {QStringLiteral("民族："), combo(DBC_Folk, "DBC_Folk", "Folk")},
        {QStringLiteral("文化程度："), combo(DBC_Xueli, "DBC_Xueli", "xueli")},
        {QStringLiteral("政治面貌："), combo(DBC_ZhZ, "DBC_ZhZ", "Zhz")},
        {QStringLiteral("籍贯："), edit(DBE_Native, "DBE_Native", "Native")},
        {QStringLiteral("工作单位："), edit(DBE_Factory, "DBE_Factory", "Factory")},
        {QStringLiteral("联系电话："), edit(DBE_Phone, "DBE_Phone", "Phone")},
        {QStringLiteral("证件类型："), combo(DBC_ZhjType, "DBC_ZhjType", "ZhjType")},
        {QStringLiteral("证件号码："), edit(DBE_ZhjNum, "DBE_ZhjNum", "ZhjNum")},
        {QStringLiteral("使用类型："), combo(DBC_UseType, "DBC_UseType", "useType")},
        {QStringLiteral("入住日期："), edit(DBE_JoinDate, "DBE_JoinDate", "JoinDate")},
        {QStringLiteral("认购书号："), edit(DBE_RGNum, "DBE_RGNum", "RGNum")},
        {QStringLiteral("购房合同号："), edit(DBE_GFNum, "DBE_GFNum", "GFNum")},
        {QStringLiteral("房产证号："), edit(DBE_FCNum, "DBE_FCNum", "FCNum")},
    };
    for (size_t i = 0; i < cells.size(); ++i) {
        place(g, int(i), cells[i].first, cells[i].second);
        cells[i].second->setEnabled(false);
        m_ownerEdits << cells[i].second;
    }
    DBE_JoinDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DBC_Sex->setItems({QStringLiteral("男"), QStringLiteral("女")});

    GB_In = new QGroupBox(QStringLiteral("入住房间"), page);
    GB_In->setObjectName(QStringLiteral("GB_In"));
    auto* in = new QGridLayout(GB_In);
    DBLC_UnitNum = lookup(GB_In, "DBLC_UnitNum", DM->DS_Unites, "UnitName", "UnitName");
    DBLC_RoomNum = lookup(GB_In, "DBLC_RoomNum", DM->DS_Rooms, "RoomNum", "RoomNum");
    in->addWidget(new QLabel(QStringLiteral("单元名："), GB_In), 0, 0, Qt::AlignRight);
    in->addWidget(DBLC_UnitNum, 0, 1);
    in->addWidget(new QLabel(QStringLiteral("房间号："), GB_In), 1, 0, Qt::AlignRight);
    in->addWidget(DBLC_RoomNum, 1, 1);

    GB_Out = new QGroupBox(QStringLiteral("退房"), page);
    GB_Out->setObjectName(QStringLiteral("GB_Out"));
    auto* out = new QGridLayout(GB_Out);
    DBLC_UnitNum1 = lookup(GB_Out, "DBLC_UnitNum1", DS_TUnits, "UnitName", "UnitName");
    DBLC_RoomNum1 = lookup(GB_Out, "DBLC_RoomNum1", DS_TRoom, "RoomNum", "RoomNum");
    BB_Out = speedButton(GB_Out, "BB_Out", QStringLiteral("      退  房"));
    out->addWidget(new QLabel(QStringLiteral("单元名："), GB_Out), 0, 0, Qt::AlignRight);
    out->addWidget(DBLC_UnitNum1, 0, 1);
    out->addWidget(new QLabel(QStringLiteral("房间号："), GB_Out), 1, 0, Qt::AlignRight);
    out->addWidget(DBLC_RoomNum1, 1, 1);
    out->addWidget(BB_Out, 0, 2, 2, 1);

    const int row = g->rowCount();
    g->addWidget(GB_In, row, 0, 1, 2);
    g->addWidget(GB_Out, row, 2, 1, 2);
    g->setRowStretch(row + 1, 1);
    return page;
}

QWidget* TfrmMan::buildMemberPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_member"));
    auto* l = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    SB_Add = speedButton(page, "SB_Add", QStringLiteral("添加"));
    SB_Delete = speedButton(page, "SB_Delete", QStringLiteral("删除"));
    SB_Modi = speedButton(page, "SB_Modi", QStringLiteral("修改"));
    SB_Cancel = speedButton(page, "SB_Cancel", QStringLiteral("取消"));
    SB_Save = speedButton(page, "SB_Save", QStringLiteral("保存"));
    for (ui::SpeedButton* b : {SB_Add, SB_Delete, SB_Modi, SB_Cancel, SB_Save})
        buttons->addWidget(b);
    buttons->addStretch(1);
    l->addLayout(buttons);

    auto* g = new QGridLayout;
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    data::DataSource* s = DM->DS_Member;
    auto edit = [&](ui::DBEdit*& e, const char* name, const char* field) {
        e = new ui::DBEdit(s, QString::fromLatin1(field), page);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto combo = [&](ui::DBComboBox*& c, const char* name, const char* field) {
        c = new ui::DBComboBox(s, QString::fromLatin1(field), page);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    // The members' owner is the current owner: its id is shown, never typed
    // (a new member takes it from the owner row).
    DBE_MOwnerId = new ui::DBEdit(page);
    DBE_MOwnerId->setObjectName(QStringLiteral("DBE_MOwnerId"));
    DBE_MOwnerId->setReadOnly(true);
    DBE_MOwnerId->setEnabled(false);
    place(g, 0, QStringLiteral("业主编号："), DBE_MOwnerId);
    const std::vector<std::pair<QString, QWidget*>> cells = {
        {QStringLiteral("成员编号："), edit(DBE_MemberId, "DBE_MemberId", "memberID")},
        {QStringLiteral("成员姓名："), edit(DBE_MName, "DBE_MName", "mbName")},
        {QStringLiteral("性别："), combo(DBC_MSex, "DBC_MSex", "sex")},
        {QStringLiteral("与业主关系："), combo(DBC_nexus, "DBC_nexus", "nexus")},
        {QStringLiteral("文化程度："), combo(DBC_MXueli, "DBC_MXueli", "Xueli")},
        {QStringLiteral("身份证号："), edit(DBE_MZhjNum, "DBE_MZhjNum", "ZhjNum")},
        {QStringLiteral("联系电话："), edit(DBE_MPhone, "DBE_MPhone", "Phone")},
        {QStringLiteral("工作单位："), edit(DBE_MFactory, "DBE_MFactory", "mbFactory")},
    };
    for (size_t i = 0; i < cells.size(); ++i) {
        place(g, int(i) + 1, cells[i].first, cells[i].second);
        cells[i].second->setEnabled(false);
        m_memberEdits << cells[i].second;
    }
    DBC_MSex->setItems({QStringLiteral("男"), QStringLiteral("女")});
    l->addLayout(g);

    DBGrid2 = new ui::DBGrid(DM->DS_Member, page);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setColumns({{QStringLiteral("OwnerId"), QStringLiteral("业主编号"), 80},
                         {QStringLiteral("mbName"), QStringLiteral("成员姓名"), 80},
                         {QStringLiteral("sex"), QStringLiteral("性别"), 50},
                         {QStringLiteral("Phone"), QStringLiteral("联系电话"), 100},
                         {QStringLiteral("nexus"), QStringLiteral("与业主的关系"), 90},
                         {QStringLiteral("mbFactory"), QStringLiteral("工作单位"), 140}});
    DBGrid2->setRowSelect(true);
    DBGrid2->setReadOnly(true);
    l->addWidget(DBGrid2, 1);
    return page;
}

QWidget* TfrmMan::buildPicturePage()
{
    TS_PicPane = new PicturePane;
    TS_PicPane->setObjectName(QStringLiteral("TS_Pic"));
    Img = TS_PicPane->Img;
    lblImg = TS_PicPane->lblImg;
    SB_ImgIn = TS_PicPane->SB_ImgIn;
    SB_ImgOut = TS_PicPane->SB_ImgOut;
    return TS_PicPane;
}

void TfrmMan::fillCodeLists()
{
    // Each list is read afresh from its code table, unless another window is
    // editing that table: then its rows are read as they stand.
    const struct {
        ui::DBComboBox* combo;
        data::DataSet* table;
        const char* field;
    } lists[] = {
        {DBC_ZhZ, DM->AT_ZhZ, "ZhzName"},         {DBC_Folk, DM->AT_Folk, "FolkName"},
        {DBC_ZhjType, DM->AT_ZhJ, "ZhjName"},     {DBC_Xueli, DM->AT_culture, "cultureName"},
        {DBC_MXueli, DM->AT_culture, "cultureName"}, {DBC_UseType, DM->AT_UseType, "UseTypeName"},
        {DBC_nexus, DM->AT_Nexus, "NexusName"},
    };
    for (const auto& l : lists) {
        if (!l.table->isEditing()) {
            l.table->close();
            l.table->open();
        }
        fillCodeList(l.combo, l.table, QString::fromLatin1(l.field));
    }
}
