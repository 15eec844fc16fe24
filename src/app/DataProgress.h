#pragma once
// Called between batches of rows of a long whole-database operation (backup,
// restore, clearing), with the table at hand, so the caller can keep the
// window painted. It may throw to stop the operation: nothing is kept then.

#include <QString>
#include <functional>

namespace app {

using DataProgress = std::function<void(const QString& table)>;

// The progress as a call without a table (none when there is no progress).
inline std::function<void()> tickOf(const DataProgress& progress)
{
    if (!progress)
        return {};
    return [progress] { progress(QString()); };
}

}  // namespace app
