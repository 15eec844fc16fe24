#include "app/ClearData.h"

#include "app/SoleSession.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/StatementTicker.h"

namespace app {

const QStringList& clearedTables()
{
    static const QStringList tables{
        "AcceptFile", "Appeal",    "Award",     "BoanAffair", "BoanPaiG", "BoanPost", "BoanUse",   "BojePaiG",
        "BojePost",   "BojeUse",   "BojeWork",  "Build",      "campaign", "CarMessage", "CarPosit", "cultureType",
        "Egis",       "Employee",  "Fee",       "FeeSet",     "feeSum",   "feeType",  "FeeType1",  "fileType",
        "FirCheck",   "FirRes",    "fixing",    "fixSys",     "fixtype",  "folkType", "HuodType",  "inputs",
        "jobType",    "meeting",   "meetType",  "Member",     "Mend",     "NZBB",     "nexusType", "outputs",
        "Owner",      "Pact",      "paramType", "patrol",     "PeixType", "PeiXun",   "plans",     "prjType",
        "project",    "Region",    "repertory", "reperType",  "Rooms",    "roomType", "SendFile",  "SFSet",
        "SFSJ",       "ShPType",   "spare",     "Tools",      "Units",    "UseType",  "ZhJType",   "ZhZType",
    };
    return tables;
}

void clearAllData(data::Connection& c, const DataProgress& progress)
{
    data::StatementTicker ticker(c, tickOf(progress));
    data::Transaction tx(c);
    refuseOtherSessions(c);
    for (const QString& sql : c.dialect().emptyTablesSql(clearedTables())) {
        ticker.run(sql);
        if (progress)
            progress(QString());
    }
    ticker.commit(tx);
    ticker.settle();
}

}  // namespace app
