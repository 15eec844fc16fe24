#include "fees/FeeLock.h"

#include "platform/data/TableLock.h"

namespace fees {

void lockFees(data::Connection& c)
{
    data::lockTable(c, QStringLiteral("Fee"), QStringLiteral("另一台电脑正在生成或收取费用，请稍后再试。"));
}

}  // namespace fees
