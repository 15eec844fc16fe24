#include "ChargeWindows.h"

#include "FeeFixture.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"

#include <QtTest>

namespace chargetest {

void seedDistrict(data::Connection& c)
{
    using feetest::insertRow;
    insertRow(c, "Region", {{"RegionId", "1"}, {"RegionName", "翠苑"}});
    insertRow(c, "Build", {{"RegionID", "1"}, {"BuildId", "2"}, {"BuildName", "2号楼"}});
    insertRow(c, "Build", {{"RegionID", "1"}, {"BuildId", "3"}, {"BuildName", "3号楼"}});
    const char* areas[] = {"80.00", "80.10", "90.00"};
    for (int i = 0; i < 3; ++i)
        insertRow(c, "Rooms", {{"RegionID", "1"}, {"BuildId", "2"}, {"UnitName", "1"},
                               {"RoomNum", QString::number(101 + i)}, {"JZm", areas[i]}, {"SYm", "60.00"},
                               {"UState", "B"}});
    const struct {
        const char *id, *name, *within, *over, *kind;
    } items[] = {{"01", "水费", "2", "3", "A"},
                 {"02", "电费", "1.07", "2", "A"},
                 {"04", "物业费", "0", "0", "F"},
                 {"05", "卫生费", "0", "0", "F"}};
    for (const auto& it : items)
        insertRow(c, "FeeType1", {{"FeeId", it.id}, {"FeeName", QString::fromUtf8(it.name)},
                                  {"JNPrice", it.within}, {"JWPrice", it.over}, {"JLFlag", it.kind}});
}

void choose(ui::DBLookupComboBox* lookup, const QString& key)
{
    const int i = lookup->findData(key);
    QVERIFY2(i >= 0, qPrintable(lookup->objectName() + " has no entry " + key));
    lookup->setCurrentIndex(i);
    emit lookup->activated(i);
}

int column(ui::DBGrid* grid, const QString& field)
{
    const auto cols = grid->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString cell(ui::DBGrid* grid, int row, const QString& field)
{
    return grid->model()->index(row, column(grid, field)).data().toString();
}

void typeCell(ui::DBGrid* grid, int row, const QString& field, const QString& text)
{
    const QModelIndex at = grid->model()->index(row, column(grid, field));
    grid->setCurrentIndex(at);
    QVERIFY2(grid->model()->flags(at) & Qt::ItemIsEditable, qPrintable(field + " cannot be typed into"));
    grid->model()->setData(at, text);
}

}  // namespace chargetest
