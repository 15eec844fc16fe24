#include "platform/data/WorkBeside.h"

#include <chrono>
#include <future>
#include <thread>

namespace data {

namespace {
// How often the calling thread is called back while it waits.
constexpr std::chrono::milliseconds kTick(50);
}  // namespace

void runBeside(const std::function<void()>& work, const std::function<void()>& tick,
               const std::function<void()>& stop)
{
    if (!tick) {
        work();
        return;
    }
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    try {
        while (done.wait_for(kTick) != std::future_status::ready)
            tick();
    } catch (...) {
        if (stop)
            stop();
        worker.join();
        throw;
    }
    worker.join();
    done.get();
}

}  // namespace data
