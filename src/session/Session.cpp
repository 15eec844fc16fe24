#include "session/Session.h"

#include "platform/data/Field.h"
#include "session/DMRegion.h"

namespace session {

namespace {
const QString* g_popedom = nullptr;
QString* g_moduleKey = nullptr;
}  // namespace

void setLevelSource(const QString* popedom)
{
    g_popedom = popedom;
}

void setModuleKeySource(QString* key)
{
    g_moduleKey = key;
}

int level()
{
    return g_popedom ? g_popedom->trimmed().toInt() : 0;
}

bool browseOnly()
{
    return level() == 2;
}

data::Connection* connection()
{
    return DM ? DM->connection() : nullptr;
}

data::DataSet* dataSet(const QString& name)
{
    return DM ? DM->dataSet(name) : nullptr;
}

QString companyName()
{
    if (!DM || !DM->AT_IncI)
        return {};
    data::Table& inc = *DM->AT_IncI;
    if (!inc.isActive() || inc.isEmpty())
        return {};
    // While a new first row is being typed there is no stored name yet.
    if (inc.state() == data::DataSetState::Insert)
        return {};
    const QVariant name = inc.fieldByName(QStringLiteral("IncName"))->oldValue();
    return name.isNull() ? QString() : name.toString();
}

QString moduleKey()
{
    return g_moduleKey ? *g_moduleKey : QString();
}

void clearModuleKey()
{
    if (g_moduleKey)
        g_moduleKey->clear();
}

}  // namespace session
