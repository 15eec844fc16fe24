#include "operations/lists/ListWindows.h"

#include "platform/data/Error.h"
#include "templates/ConfiguredWindow.h"

namespace {

// A list of things: code, name, model, quantity and unit of measure. The
// inputs are named after the window (DBE_BoanUseID ... DBE_BoanUseD).
CodeTableConfig things(const char* window, const char* caption, const char* key, const char* dataSet,
                       const char* dataSource, const QStringList& columns, const QStringList& labels,
                       const QString& inputs, QSize size)
{
    const QString prefix = QStringLiteral("DBE_") + inputs;
    CodeTableConfig c{.window = window, .caption = QString::fromUtf8(caption), .key = QString::fromUtf8(key),
                      .dataSet = QString::fromUtf8(dataSet), .dataSource = QString::fromUtf8(dataSource),
                      .codeField = columns[0], .nameField = columns[1], .codeLabel = labels[0],
                      .nameLabel = labels[1], .codeInput = prefix + "ID", .nameInput = prefix + "Name",
                      .size = size, .centred = false, .grid = GridTrigger::EnterOrCell};
    c.more = {{.field = columns[2], .label = labels[2], .input = prefix + "Type"},
              {.field = columns[3], .label = labels[3], .input = prefix + "S", .wholeNumber = true},
              {.field = columns[4], .label = labels[4], .input = prefix + "D"}};
    return c;
}

const QStringList kSupplyLabels{"用品编码：", "用品名称：", "用品型号：", "数量：", "计量单位："};

// A place staff are sent to: code, name, location, number of shifts (the
// shift columns of the duty dispatch) and person in charge.
CodeTableConfig post(const char* window, const char* caption, const char* key, const char* dataSet,
                     const char* dataSource, QSize size)
{
    CodeTableConfig c{.window = window, .caption = QString::fromUtf8(caption), .key = QString::fromUtf8(key),
                      .dataSet = QString::fromUtf8(dataSet), .dataSource = QString::fromUtf8(dataSource),
                      .codeField = "BPostId", .nameField = "BPName", .codeLabel = "岗位编号：",
                      .nameLabel = "岗位名称：", .codeInput = "DBE_BPId", .nameInput = "DBE_BPName", .size = size,
                      .centred = false, .grid = GridTrigger::EnterOrCell, .gridEnablesAdd = false,
                      .emptyMessage = "编号、名称和班数均不能为空！"};
    c.more = {{.field = "BPPosition", .label = "位置：", .input = "DBE_BPPostion"},
              {.field = "BPBanshu", .label = "班数：", .input = "DBE_BPBanshu", .title = "班数", .required = true,
               .gridHidden = true, .wholeNumber = true, .minimum = 1, .maximum = 10,
               .rangeMessage = "班数必须是 1 到 10 之间的整数！"},
              {.field = "BPHead", .label = "负责人：", .input = "DBE_BPHead"}};
    c.modify = true;
    // The post's staff assignments of the duty dispatch go with it.
    c.deleteQuestion = QStringLiteral("删除该岗位，其人员派工记录也将被删除！");
    return c;
}

// What sets each window apart from the template.
QVector<CodeTableConfig> makeConfigs()
{
    CodeTableConfig boanUse = things("TfrmBoanUse", " 保安用品", "BoanUse", "AT_BoanUse", "DS_BoanUse",
                                     {"BoanUId", "BoanUName", "BoanUType", "BoanUS", "BoanUD"}, kSupplyLabels,
                                     "BoanUse", {590, 437});
    boanUse.saveOffersAddFirst = true;

    CodeTableConfig bojeUse = things("TfrmBojeUse", "保洁用品", "BojeUse", "AT_BojeUse", "DS_BojeUse",
                                     {"BojeUID", "BojeUName", "BojeUType", "BojeUS", "BojeUD"}, kSupplyLabels,
                                     "BojeUse", {590, 420});

    CodeTableConfig firUse = things("TfrmFirUse", "消防设施", "FirUse", "AT_FirUse", "DS_FirUse",
                                    {"FResId", "FRName", "FRType", "FRSum", "FRDwei"}, kSupplyLabels, "FirUse",
                                    {590, 418});
    firUse.centred = true;
    firUse.detailsInPlace = true;
    firUse.gridEnablesAdd = false;

    CodeTableConfig tools = things("TfrmTools", "常用工具", "Tools", "AT_Tools", "DS_Tools",
                                   {"ToolId", "ToolName", "ToolType", "ToolS", "ToolD"},
                                   {"工具编码：", "工具名称：", "工具型号：", "数量：", "计量单位："}, "Tools",
                                   {590, 418});
    tools.centred = true;
    tools.deleteClosesDetails = true;

    CodeTableConfig spare = things("TfrmSpare", "设备备件", "Spare", "AT_Spare", "DS_Spare",
                                   {"spareId", "spareName", "spareType", "sparesum", "spareD"},
                                   {"备件序号：", "备件名称：", "备件型号：", "数量：", "计量单位："}, "Spare",
                                   {590, 418});
    spare.centred = true;
    spare.emptyMessage = QStringLiteral("序号和名称均不能为空！");
    spare.typedCode = true;
    spare.duplicateMessage = QStringLiteral("编号值唯一，不能重复！");

    const CodeTableConfig carPosit{
        .window = "TfrmCarPosit", .caption = "车位信息", .key = "CarPosit", .dataSet = "AT_CarPosit",
        .dataSource = "DS_CarPosit", .codeField = "CarPositId", .nameField = "CarPosit", .codeLabel = "编号：",
        .nameLabel = "位置：", .nameInput = "DBE_Posit", .codeTitle = "车位编号", .nameTitle = "位置",
        .size = {590, 432}, .centred = false, .grid = GridTrigger::EnterOrCell, .noteField = "Note",
        .deleteLeavesInputs = true};

    return {boanUse,
            bojeUse,
            firUse,
            tools,
            spare,
            post("TfrmBoanPost", "保安岗位设置", "BoanPost", "AT_BoanPost", "DS_BoanPost", {590, 420}),
            post("TfrmBojePost", "保洁岗位设置", "BojePost", "AT_BojePost", "DS_BojePost", {590, 408}),
            carPosit};
}

}  // namespace

const QVector<CodeTableConfig>& listWindowConfigs()
{
    static const QVector<CodeTableConfig> configs = makeConfigs();
    return configs;
}

const CodeTableConfig& listWindowConfig(const char* windowClass)
{
    for (const CodeTableConfig& c : listWindowConfigs())
        if (qstrcmp(c.window, windowClass) == 0)
            return c;
    throw data::Error(QStringLiteral("%1 不是清单窗口。").arg(QString::fromLatin1(windowClass)));
}

CONFIGURED_WINDOW(BoanUse, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(BojeUse, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(FirUse, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(Tools, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(Spare, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(BoanPost, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(BojePost, CodeTableEditor, listWindowConfig)
CONFIGURED_WINDOW(CarPosit, CodeNoteEditor, listWindowConfig)
