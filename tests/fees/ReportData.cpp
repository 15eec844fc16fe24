#include "ReportData.h"

#include "FeeFixture.h"

namespace feetest {

namespace {

void fee(data::Connection& c, const fees::RoomKey& k, const QString& item, const QString& month, const QVariant& byfee,
         const QVariant& wyqk, const QVariant& znj, const QVariant& byhj, bool collected = false)
{
    QVariantMap v{{"BYFee", byfee}, {"WYqk", wyqk}, {"ZNJ", znj}, {"BYHJ", byhj}};
    if (collected)
        v.insert({{"flag", "已收取"}, {"SSJE", byhj}});
    addFee(c, k, item, month, v);
}

void rooms(data::Connection& c, const QString& region, const QString& build, const QString& buildName, int count,
           int occupied)
{
    for (int i = 0; i < count; ++i)
        insertRow(c, "Rooms",
                  {{"RegionID", region}, {"BuildId", build}, {"BuildName", buildName}, {"UnitName", "1"},
                   {"RoomNum", QString("%1%2").arg(build).arg(i + 1, 2, 10, QChar('0'))}, {"LCNum", 1 + i / 4},
                   {"HXName", "两室一厅"}, {"JZm", "80.5"}, {"SS", "暖气、燃气"}, {"UState", i < occupied ? "B" : "A"}});
}

}  // namespace

void reportRegister(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES ('翠苑物业管理有限公司')");
    insertRow(c, "Region", {{"RegionId", "1"}, {"RegionName", "翠苑小区"}});
    insertRow(c, "Region", {{"RegionId", "2"}, {"RegionName", "西湖小区"}});
    insertRow(c, "Build", {{"BuildId", "2"}, {"BuildName", "2号楼"}, {"RegionID", "1"}});
    insertRow(c, "Build", {{"BuildId", "1"}, {"BuildName", "1号楼"}, {"RegionID", "1"}});
    insertRow(c, "Build", {{"BuildId", "1"}, {"BuildName", "1号楼"}, {"RegionID", "2"}});
    insertRow(c, "FeeType1", {{"FeeId", "02"}, {"FeeName", "电费"}});
    insertRow(c, "FeeType1", {{"FeeId", "01"}, {"FeeName", "水费"}});
    insertRow(c, "FeeType1", {{"FeeId", "04"}, {"FeeName", "物业费"}});

    const fees::RoomKey a{"1", "1", "1", "101", "oA", "张三"};
    const fees::RoomKey b{"1", "2", "1", "201", "oB", "李四"};
    const fees::RoomKey z{"1", "1", "1", "102", "oZ", "赵六"};
    fee(c, a, "01", "202312", "1000", "0", "0", "1000");
    fee(c, a, "01", "202401", "10.10", "0", "0", "10.10");
    fee(c, a, "01", "202402", "10.20", "10.10", "0.50", "20.80");
    fee(c, a, "01", "202403", "10", "0", "0", "10", true);
    fee(c, a, "02", "202401", "5", "0", "0", "5");
    fee(c, z, "01", "202401", "30", "0", "0", "30", true);
    fee(c, b, "01", "202401", QVariant(), QVariant(), QVariant(), QVariant());
    fee(c, b, "01", "202402", "7.35", QVariant(), QVariant(), "7.35");
    fee(c, b, "04", "202401", QVariant(), QVariant(), QVariant(), QVariant());
    fee(c, {"2", "1", "1", "101", "oW", "王五"}, "01", "202401", "99", "0", "0", "99");

    rooms(c, "1", "1", "1号楼", 8, 1);
    rooms(c, "1", "2", "2号楼", 8, 3);
    rooms(c, "1", "9", "9号楼", 1, 0);
    rooms(c, "1", "1", "一号楼", 1, 0);
    rooms(c, "2", "1", "1号楼", 2, 1);
}

}  // namespace feetest
