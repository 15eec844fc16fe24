#include "reference/CodeTables.h"

#include "platform/data/Error.h"
#include "templates/ConfiguredWindow.h"

namespace {

// What sets each code-table window apart from the template.
QVector<CodeTableConfig> makeConfigs()
{
    const QString inPlaceMessage = QStringLiteral("各项内容均不能为空！");
    return {
        // --- code and name ---------------------------------------------------
        {.window = "TfrmCulture", .caption = "学历维护", .key = "XL",
         .dataSet = "AT_culture", .dataSource = "DS_Culture", .codeField = "cultureId", .nameField = "cultureName",
         .codeLabel = "类型编号：", .nameLabel = "文化程度：", .codeInput = "DBE_cultureID",
         .nameInput = "DBE_cultureName", .size = {525, 418}, .centred = false},
        {.window = "TfrmJob", .caption = "  职称信息", .key = "Job",
         .dataSet = "AT_Job", .dataSource = "DS_Job", .codeField = "jobId", .nameField = "jobName",
         .codeLabel = "类型编码：", .nameLabel = "职称名称：", .codeInput = "DBE_JobID", .nameInput = "DBE_JobName",
         .size = {500, 400}},
        {.window = "TfrmZhZ", .caption = "政治面貌", .key = "ZHz",
         .dataSet = "AT_ZhZ", .dataSource = "DS_ZhZ", .codeField = "ZhZId", .nameField = "ZhZName",
         .codeLabel = "类型编码：", .nameLabel = "政治面貌：", .codeInput = "DBE_ZhZID", .nameInput = "DBE_ZhZName",
         .size = {525, 376}, .maximizable = false, .cancelEnablesDelete = true},
        {.window = "TfrmZhJ", .caption = "证件类型维护", .key = "ZHj",
         .dataSet = "AT_ZhJ", .dataSource = "DS_ZhJ", .codeField = "ZhJType", .nameField = "ZhJName",
         .codeLabel = "类别编码：", .nameLabel = "证件名称：", .codeInput = "DBE_ZhJID", .nameInput = "DBE_ZhJName",
         .size = {507, 382}, .maximizable = false},
        {.window = "TfrmFolk", .caption = "民族类别", .key = "Folk",
         .dataSet = "AT_Folk", .dataSource = "DS_Folk", .codeField = "folkId", .nameField = "folkName",
         .codeLabel = "类型编码：", .nameLabel = "民族名称：", .codeInput = "DBE_FolkID", .nameInput = "DBE_FolkName",
         .size = {499, 379}, .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmNexus", .caption = "家庭关系设置", .key = "Nexus",
         .dataSet = "AT_Nexus", .dataSource = "DS_Nexus", .codeField = "nexusID", .nameField = "nexusName",
         .codeLabel = "类型编码：", .nameLabel = "关系类型：", .codeInput = "DBE_NexusID",
         .nameInput = "DBE_NexusName", .size = {494, 376}, .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmRoom", .caption = "户型", .key = "RoomT",
         .dataSet = "AT_RoomType", .dataSource = "DS_RoomType", .codeField = "roomId", .nameField = "roomName",
         .codeLabel = "类型编码：", .nameLabel = "户型名称：", .codeInput = "DBE_RoomID", .nameInput = "DBE_RoomName",
         .size = {569, 433}, .grid = GridTrigger::EnterOrCell,
         .extra = {.field = "roomSize", .label = "使用面积：", .unit = "平方米", .input = "DBE_RoomSize",
                   .title = "使用面积", .hidden = true}},
        {.window = "TfrmFeeType", .caption = "费用类型设置", .key = "FeeT",
         .dataSet = "AT_FeeType", .dataSource = "DS_FeeType", .codeField = "feeID", .nameField = "feeName",
         .codeLabel = "类型编码：", .nameLabel = "费用名称：", .codeInput = "DBE_FeeID", .nameInput = "DBE_FeeName",
         .size = {569, 418}, .grid = GridTrigger::None, .editInPlace = true, .emptyMessage = inPlaceMessage,
         .extra = {.field = "feePrice", .label = "单         价：", .unit = "元", .input = "DBE_FeePrice",
                   .title = "单价", .required = true, .currency = true}},
        {.window = "TfrmReperType", .caption = "物资类别", .key = "RpT",
         .dataSet = "AT_ReperType", .dataSource = "DS_ReperType", .codeField = "reperID", .nameField = "reperName",
         .codeLabel = "类型编码：", .nameLabel = "类别名称：", .codeInput = "DBE_ReperID",
         .nameInput = "DBE_ReperName", .size = {497, 375}, .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmFixSys", .caption = "系统类别", .key = "FixS",
         .dataSet = "AT_FixSys", .dataSource = "DS_FixSys", .codeField = "fixsysId", .nameField = "fixsysName",
         .codeLabel = "类型编码：", .nameLabel = "系统名称：", .codeInput = "DBE_FixSysID",
         .nameInput = "DBE_FixSysName", .size = {525, 418}, .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmFixType", .caption = "设备类别设置", .key = "FixT",
         .dataSet = "AT_FixType", .dataSource = "DS_FixType", .codeField = "fixTypeID", .nameField = "fixName",
         .codeLabel = "类型编码：", .nameLabel = "类别名称：", .codeInput = "DBE_FixTypeID",
         .nameInput = "DBE_FixName", .size = {525, 418}, .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmShPType", .caption = "商品明细", .key = "PinM",
         .dataSet = "AT_ShPType", .dataSource = "DS_ShPType", .codeField = "ShPId", .nameField = "ShPName",
         .codeLabel = "类别编码：", .nameLabel = "商品名称： ", .codeInput = "DBE_ShPID", .nameInput = "DBE_ShPName",
         .size = {525, 376}, .grid = GridTrigger::EnterOrCell, .editInPlace = true},
        {.window = "TfrmFileType", .caption = "文件类型设置", .key = "FileT",
         .dataSet = "AT_FileType", .dataSource = "DS_FileType", .codeField = "fileTypeId",
         .nameField = "fileTypeName", .codeLabel = "类型编码：", .nameLabel = "文件类型：",
         .codeInput = "DBE_FileTypeID", .nameInput = "DBE_FileTypeName", .size = {525, 415},
         .grid = GridTrigger::EnterOrCell},
        {.window = "TfrmUseType", .caption = "使用类别", .key = "UseType",
         .dataSet = "AT_UseType", .dataSource = "DS_UseType", .codeField = "useTypeId", .nameField = "useTypeName",
         .codeLabel = "类型编码：", .nameLabel = "类别名称：", .codeInput = "DBE_UseTypeID",
         .nameInput = "DBE_UseTypeName", .size = {525, 376}, .gridEnablesAdd = false},

        // --- code, name and note ---------------------------------------------
        {.window = "TfrmPrjType", .caption = "工程类别设置", .key = "PrjType",
         .dataSet = "AT_PrjType", .dataSource = "DS_PrjType", .codeField = "prjTypeid", .nameField = "prjTname",
         .nameInput = "DBE_Posit", .size = {590, 476}, .grid = GridTrigger::EnterOrCell,
         .noteField = "note", .saveLeavesNoteOpen = true},
        {.window = "TfrmPeixType", .caption = "培训类别设置", .key = "PeixType",
         .dataSet = "AT_PeixType", .dataSource = "DS_PeixType", .codeField = "PeixTID", .nameField = "peixTName",
         .size = {590, 476}, .grid = GridTrigger::EnterOrCell, .noteField = "note", .deleteLeavesInputs = true},
        {.window = "TfrmMeetType", .caption = "会议类别设置", .key = "MeetType",
         .dataSet = "AT_MeetType", .dataSource = "DS_MeetType", .codeField = "meetTid", .nameField = "meetTName",
         .size = {590, 476}, .grid = GridTrigger::EnterOrCell, .noteField = "note"},
        {.window = "TfrmHuodType", .caption = "活动类别设置", .key = "HuodType",
         .dataSet = "AT_HuodType", .dataSource = "DS_HuodType", .codeField = "HuodTId", .nameField = "HuodTName",
         .size = {590, 428}, .grid = GridTrigger::EnterOrCell, .noteField = "note"},
    };
}

}  // namespace

const QVector<CodeTableConfig>& codeTableConfigs()
{
    static const QVector<CodeTableConfig> configs = makeConfigs();
    return configs;
}

const CodeTableConfig& codeTableConfig(const char* windowClass)
{
    for (const CodeTableConfig& c : codeTableConfigs())
        if (qstrcmp(c.window, windowClass) == 0)
            return c;
    throw data::Error(QStringLiteral("%1 不是代码表窗口。").arg(QString::fromLatin1(windowClass)));
}

// Each window class: its global, and its configuration by its own name.
CONFIGURED_WINDOW(Culture, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(Job, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(ZhZ, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(ZhJ, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(Folk, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(Nexus, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(Room, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(FeeType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(ReperType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(FixSys, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(FixType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(ShPType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(FileType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(UseType, CodeTableEditor, codeTableConfig)
CONFIGURED_WINDOW(PrjType, CodeNoteEditor, codeTableConfig)
CONFIGURED_WINDOW(PeixType, CodeNoteEditor, codeTableConfig)
CONFIGURED_WINDOW(MeetType, CodeNoteEditor, codeTableConfig)
CONFIGURED_WINDOW(HuodType, CodeNoteEditor, codeTableConfig)
