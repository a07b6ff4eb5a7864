#include "OrderedInspector.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

void OrderedInspector::run(const QList<Job> &jobs, const Inspect &inspect, const Deliver &deliver,
                           const std::atomic<bool> &cancelled, int threads, qsizetype window)
{
    const qsizetype n = jobs.size();
    if (n == 0)
        return;
    threads = std::max(1, std::min<int>(threads, int(n)));
    window = std::max<qsizetype>(window, threads);

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<std::optional<MediaItem>>> slots(n);
    qsizetype nextToClaim = 0;
    qsizetype delivered = 0;
    bool stop = false;

    auto worker = [&] {
        for (;;) {
            qsizetype k;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] {
                    return stop || nextToClaim >= n || nextToClaim < delivered + window;
                });
                if (stop || nextToClaim >= n)
                    return;
                k = nextToClaim++;
            }
            std::optional<MediaItem> item;
            if (!cancelled.load(std::memory_order_relaxed))
                item = inspect(jobs[k].url, jobs[k].sortIndex);
            {
                std::lock_guard lock(mutex);
                slots[k].emplace(std::move(item));
            }
            changed.notify_all();
        }
    };

    std::vector<std::jthread> pool;
    pool.reserve(threads);
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(worker);

    for (qsizetype k = 0; k < n; ++k) {
        std::optional<MediaItem> item;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slots[k].has_value(); });
            item = std::move(*slots[k]);
            slots[k].reset();
            delivered = k + 1;
        }
        changed.notify_all();
        if (cancelled.load(std::memory_order_relaxed))
            break;
        deliver(jobs[k], std::move(item));
    }

    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    changed.notify_all();
    // The jthreads join here; a worker in the middle of a file finishes that file.
}
