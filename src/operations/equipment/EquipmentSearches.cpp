#include "operations/equipment/EquipmentSearches.h"

#include "operations/SearchWindows.h"
#include "templates/ConfiguredWindow.h"

QVector<QPair<QString, SearchConfig>> equipmentSearches()
{
    QVector<QPair<QString, SearchConfig>> t;
    // Only the installation date is turned into a date when typed; the
    // start-up date is compared as typed.
    t.append({QStringLiteral("TfrmFixFind"),
              searchRow(QStringLiteral("Fixing"),
                        {{"设备编号", "FixID"},
                         {"系统类别", "FixSysName"},
                         {"设备类别", "fixName"},
                         {"设备名称", "FixtureName"},
                         {"设备型号", "FixtureNum"},
                         {"安装日期", "SetUpdate"},
                         {"启用日期", "runDate"}},
                        fourOperators(), {QStringLiteral("安装日期")},
                        {{"fixId", "设备编号", 50},
                         {"fixSysName", "系统类别", 60},
                         {"fixName", "设备类别", 60},
                         {"fixtureName", "设备名称", 160},
                         {"fixtureNum", "设备型号", 80},
                         {"setupDate", "安装日期", 60},
                         {"longevity", "使用年限", 50},
                         {"begetter", "生产商", 153},
                         {"provider", "供应商", 157}})});
    t.append({QStringLiteral("TfrmMendFind"),
              searchRow(QStringLiteral("mend"),
                        {{"维修单号", "MendID"},
                         {"设备名称", "FixName"},
                         {"下单员", "XiadMan"},
                         {"维修员", "mender"},
                         {"鉴定员", "Judge"},
                         {"鉴定结果", "result"},
                         {"下单日期", "XiadDate"}},
                        fourOperators(), {QStringLiteral("下单日期")},
                        {{"MendId", "维修单号", 50},
                         {"Fixname", "设备名称", 60},
                         {"XiadMan", "下单员", 50},
                         {"mender", "维修员", 50},
                         {"XiadDate", "下单日期", 60},
                         {"hitchDate", "故障日期", 60},
                         {"judge", "鉴定人", 50},
                         {"result", "鉴定结果", 70},
                         {"hitchTale", "故障描述", 157}})});
    t.append({QStringLiteral("TfrmEgisFind"),
              searchRow(QStringLiteral("Egis"),
                        {{"保养单号", "EgisID"},
                         {"设备名称", "FixName"},
                         {"下单员", "XiadMan"},
                         {"保养人员", "EgisMan"},
                         {"鉴定员", "Judge"},
                         {"鉴定结果", "result"},
                         {"下单日期", "XiadDate"}},
                        fourOperators(), {QStringLiteral("下单日期")},
                        {{"EgisId", "保养单号", 50},
                         {"fixName", "设备名称", 60},
                         {"XiadMan", "下单员", 50},
                         {"EgisMan", "保养人员", 54},
                         {"XiadDate", "下单日期", 60},
                         {"PlanDate", "计划日期", 60},
                         {"Judge", "鉴定人", 50},
                         {"Result", "鉴定结果", 70},
                         {"EgisJudge", "保养鉴定", 157}})});
    return t;
}

CONFIGURED_WINDOW(FixFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(MendFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(EgisFind, SearchForm, searchConfig)
