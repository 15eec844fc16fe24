#include "property/Find.h"

TfrmFind* frmFind = nullptr;

SearchConfig ownerSearchConfig()
{
    SearchConfig c;
    c.caption = QStringLiteral("  查找。。。");
    c.statement.head = QStringLiteral("SELECT * FROM Owner WHERE ");
    c.statement.table = QStringLiteral("Owner");
    c.statement.fields = {{QStringLiteral("业主姓名"), QStringLiteral("OwnerName")},
                          {QStringLiteral("性别"), QStringLiteral("Sex")},
                          {QStringLiteral("民族"), QStringLiteral("Folk")},
                          {QStringLiteral("文化程度"), QStringLiteral("xueli")},
                          {QStringLiteral("工作单位"), QStringLiteral("Factory")},
                          {QStringLiteral("联系电话"), QStringLiteral("phone")},
                          {QStringLiteral("政治面貌"), QStringLiteral("Zhz")}};
    c.statement.operators = {QStringLiteral("="), QStringLiteral("<>")};
    c.gridColumns = {{QStringLiteral("ownerId"), QStringLiteral("业主编号"), 80},
                     {QStringLiteral("ownerName"), QStringLiteral("业主姓名"), 80},
                     {QStringLiteral("Sex"), QStringLiteral("性别"), 40},
                     {QStringLiteral("Factory"), QStringLiteral("工作单位"), 120},
                     {QStringLiteral("Phone"), QStringLiteral("联系电话"), 100},
                     {QStringLiteral("BuildName"), QStringLiteral("楼宇名称"), 80},
                     {QStringLiteral("RoomNum"), QStringLiteral("房间号"), 60}};
    return c;
}

TfrmFind::TfrmFind(QWidget* parent) : SearchForm(ownerSearchConfig(), parent) {}

