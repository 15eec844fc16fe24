#include "operations/documents/DocumentRegisters.h"

#include "operations/RegisterWindows.h"
#include "operations/documents/DocumentSearches.h"
#include "templates/ConfiguredWindow.h"

namespace {

using K = RegisterControl;

// A paper's text: at most 800 characters, on its own page.
const RegisterControl kDetails = RegisterControl(K::Memo, "DBR_Details", "Details", "", 1).limitedTo(800);

// What the three share: the typed number is the one required field and
// stays editable when modifying; a number taken by another paper is refused;
// Delete asks first.
RegisterConfig paper(const char* windowClass, const char* caption, const char* stem, const char* table,
                     const char* keyField, const char* keyTitle, const char* emptyMessage)
{
    const QByteArray at = "AT_" + QByteArray(stem), ds = "DS_" + QByteArray(stem);
    RegisterConfig r = registerRow(windowClass, caption, stem, at.constData(), ds.constData(), table, keyField);
    RecordEditorConfig& c = r.record;
    c.emptyMessage = QString::fromUtf8(emptyMessage);
    c.existsOnSave = c.existsOnExit = QStringLiteral("该单号记录已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("确定要删除该记录吗?");
    c.gridColumns = {{QLatin1String(keyField), QString::fromUtf8(keyTitle), 90}};
    c.pages = {QStringLiteral("基本"), QStringLiteral("内容")};
    c.size = QSize(815, 588);
    c.maximized = true;
    return r;
}

RegisterConfig received()
{
    RegisterConfig r = paper("TfrmAccept", "公文收文管理", "Accept", "AcceptFile", "FileId", "编号", "公文编号不能为空！");
    r.record.addDefaults = {{QStringLiteral("FWDate"), AddDefault::TodayText, {}},
                            {QStringLiteral("SWDate"), AddDefault::TodayText, {}}};
    r.controls = {
        {K::Edit, "DBE_FileId", "FileId", "编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_FWDept", "FWDept", "发文机关：", 0},
        {K::Edit, "DBE_Title", "FileTitle", "标题：", 0},
        {K::Edit, "DBE_ZiH", "ZiH", "公文字号：", 0},
        {K::Edit, "DBE_Type", "FileType", "公文种类：", 0},
        {K::TextDate, "DBE_FWDate", "FWDate", "发文日期：", 0},
        {K::TextDate, "DBE_SWDate", "SWDate", "收文日期：", 0},
        {K::Edit, "DBE_Addressee", "Addressee", "收件人：", 0},
        {K::Edit, "DBE_Posit", "Posit", "存放位置：", 0},
        kDetails,
    };
    opensSearch(r, frmAccFind);
    return r;
}

RegisterConfig sent()
{
    RegisterConfig r = paper("TfrmSend", "公文发文管理", "Send", "SendFile", "FileID", "编号", "公文编号不能为空！");
    r.record.addDefaults = {{QStringLiteral("FWDate"), AddDefault::TodayText, {}}};
    r.controls = {
        {K::Edit, "DBE_FileId", "FileID", "编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_FWDept", "FWDept", "发文机关：", 0},
        {K::Edit, "DBE_Title", "FileTitle", "标题：", 0},
        {K::Edit, "DBE_ZiH", "ZiH", "公文字号：", 0},
        {K::Edit, "DBE_Type", "FileType", "公文种类：", 0},
        {K::Edit, "DBE_MakeMan", "MakeMan", "拟稿人：", 0},
        {K::Edit, "DBE_Taster", "Taster", "最终审批人：", 0},
        {K::Edit, "DBE_Press", "Press", "缮印部门：", 0},
        {K::Edit, "DBE_Piece", "Piece", "印刷份数：", 0},
        {K::TextDate, "DBE_FWDate", "FWDate", "发文日期：", 0},
        {K::Edit, "DBE_FJDept", "FJDept", "发件部门：", 0},
        {K::Edit, "DBE_ZSDept", "ZSDept", "主送机关：", 0},
        {K::Edit, "DBE_CBDept", "CBDept", "抄报机关：", 0},
        {K::Edit, "DBE_CSDept", "CSDept", "抄送机关：", 0},
        {K::Edit, "DBE_CFDept", "CFDept", "抄发机关：", 0},
        {K::Edit, "DBE_Addressee", "Addressee", "收件人：", 0},
        {K::Edit, "DBE_Posit", "Posit", "存放位置：", 0},
        kDetails,
    };
    opensSearch(r, frmSenFind);
    return r;
}

// Contracts: no defaults; the amount is whole yuan.
RegisterConfig contracts()
{
    RegisterConfig r = paper("TfrmPact", "合同信息管理", "Pact", "Pact", "PactId", "合同编号", "合同编号不能为空！");
    r.controls = {
        {K::Edit, "DBE_PactId", "PactId", "合同编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_Type", "PactType", "合同类型：", 0},
        {K::Edit, "DBE_PactName", "PactName", "名称：", 0},
        {K::Edit, "DBE_JiaF", "JiaF", "甲方：", 0},
        {K::Edit, "DBE_JFMan", "JFMan", "甲方代表：", 0},
        {K::Edit, "DBE_YiF", "YiF", "乙方：", 0},
        {K::Edit, "DBE_YFMan", "YFMan", "乙方代表：", 0},
        {K::Edit, "DBE_JinE", "JinE", "合同金额：", 0},
        {K::Edit, "DBE_DiD", "DiD", "签约地点：", 0},
        {K::TextDate, "DBE_QDDate", "QDDate", "签定日期：", 0},
        {K::TextDate, "DBE_SXDate", "SXDate", "生效日期：", 0},
        {K::TextDate, "DBE_ZZDate", "ZZDate", "终止日期：", 0},
        {K::Edit, "DBE_Posit", "Posit", "存放位置：", 0},
        kDetails,
    };
    opensSearch(r, frmPactFind);
    return r;
}

}  // namespace

QVector<RegisterConfig> documentRegisters()
{
    return {received(), sent(), contracts()};
}

CONFIGURED_WINDOW(Accept, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Send, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Pact, RegisterEditor, ::registerConfig)
