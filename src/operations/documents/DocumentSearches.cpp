#include "operations/documents/DocumentSearches.h"

#include "operations/SearchWindows.h"
#include "templates/ConfiguredWindow.h"

namespace {

// The field lists of the documents sent and the contracts end with an empty
// entry, which adding a condition refuses like a field not chosen.
const SearchField kNoField = {QString(), QString()};

}  // namespace

QVector<QPair<QString, SearchConfig>> documentSearches()
{
    QVector<QPair<QString, SearchConfig>> t;
    t.append({QStringLiteral("TfrmAccFind"),
              searchRow(QStringLiteral("AcceptFile"),
                        {{"文件编号", "FileID"},
                         {"公文字号", "ZiH"},
                         {"文件标题", "FileTitle"},
                         {"发文机关", "FWDept"},
                         {"收件人", "Addressee"},
                         {"发文日期", "FWDate"},
                         {"收件日期", "SWDate"}},
                        fourOperators(), {QStringLiteral("发文日期"), QStringLiteral("收件日期")},
                        {{"FileId", "文件编号", 60},
                         {"ZiH", "公文字号", 80},
                         {"FileTitle", "文件标题", 180},
                         {"FWDept", "发文机关", 100},
                         {"Addressee", "收件人", 60},
                         {"FWDate", "发文日期", 70},
                         {"SWDate", "收件日期", 70}})});
    t.append({QStringLiteral("TfrmSenFind"),
              searchRow(QStringLiteral("SendFile"),
                        {{"文件编号", "FileID"},
                         {"公文字号", "ZiH"},
                         {"文件标题", "FileTitle"},
                         {"发文机关", "FWDept"},
                         {"发件部门", "FJDept"},
                         {"收件人", "Addressee"},
                         {"拟稿人", "MakeMan"},
                         {"审批人", "Taster"},
                         {"主送机关", "ZSDept"},
                         {"发文日期", "FWDate"},
                         kNoField},
                        fourOperators(), {QStringLiteral("发文日期")},
                        {{"FileID", "文件编号", 60},
                         {"ZiH", "公文字号", 80},
                         {"FileTitle", "文件标题", 160},
                         {"FWDept", "发文机关", 90},
                         {"FJDept", "发件部门", 80},
                         {"ZSDept", "主送机关", 80},
                         {"Addressee", "收件人", 60},
                         {"FWDate", "发文日期", 70},
                         {"MakeMan", "拟稿人", 60},
                         {"Taster", "审批人", 60}})});
    // The termination date and the amount are not searched.
    t.append({QStringLiteral("TfrmPactFind"),
              searchRow(QStringLiteral("Pact"),
                        {{"合同编号", "PactID"},
                         {"合同类型", "PactType"},
                         {"合同名称", "PactName"},
                         {"甲方", "JiaF"},
                         {"甲方代表", "JFMan"},
                         {"乙方", "YiF"},
                         {"乙方代表", "YFMan"},
                         {"签定日期", "QDDate"},
                         {"生效日期", "SXDate"},
                         kNoField},
                        fourOperators(), {QStringLiteral("签定日期"), QStringLiteral("生效日期")},
                        {{"PactId", "合同编号", 60},
                         {"PactType", "合同类型", 70},
                         {"PactName", "合同名称", 100},
                         {"JiaF", "甲方", 100},
                         {"JFMan", "甲方代表", 60},
                         {"YiF", "乙方", 100},
                         {"YFMan", "乙方代表", 60},
                         {"QDDate", "签定日期", 70},
                         {"SXDate", "生效日期", 70},
                         {"JinE", "金额", 70}})});
    return t;
}

CONFIGURED_WINDOW(AccFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(SenFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(PactFind, SearchForm, searchConfig)
