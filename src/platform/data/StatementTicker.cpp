#include "platform/data/StatementTicker.h"

#include "platform/data/Connection.h"
#include "platform/data/DirectStatement.h"

#include <sqlite3.h>

namespace data {

namespace {
// Engine steps between calls: a few milliseconds of work.
constexpr int kSteps = 200000;
}  // namespace

StatementTicker::StatementTicker(Connection& c, std::function<void()> tick) : m_tick(std::move(tick))
{
    if (!DirectStatement::available(c) || !m_tick)
        return;
    m_db = embeddedHandle(c);
    sqlite3_progress_handler(m_db, kSteps, &StatementTicker::onProgress, this);
}

StatementTicker::~StatementTicker()
{
    if (m_db)
        sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}

int StatementTicker::onProgress(void* self)
{
    // Called from inside the database engine: nothing may be thrown through it.
    try {
        static_cast<StatementTicker*>(self)->m_tick();
        return 0;
    } catch (...) {
        return 1;
    }
}

}  // namespace data
