#include "app/SoleSession.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

namespace app {

QString otherSessionsText(int count)
{
    return QStringLiteral("还有 %1 个其他连接正在使用该数据库。\n请先让其他工作站退出本系统，再进行该操作。").arg(count);
}

void refuseOtherSessions(data::Connection& c)
{
    const int others = c.dialect().otherClientSessions(c);
    if (others > 0)
        throw data::Error(otherSessionsText(others));
}

}  // namespace app
