#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QUrl>
#include <atomic>
#include <functional>
#include <optional>

// Inspects a list of files on several threads and hands the results to `deliver`
// strictly in list order, on the calling thread. At most `window` results wait
// ahead of delivery, so memory stays flat however long the list is. Stops early
// (without delivering the rest) once `cancelled` becomes true.
class OrderedInspector
{
public:
    // Returns the record for one file, or nothing when there is nothing to import.
    using Inspect = std::function<std::optional<MediaItem>(const QUrl &url, qint64 sortIndex)>;
    struct Job
    {
        QUrl url;
        qint64 sortIndex = 0;
        qsizetype position = 0; // position in the ordered batch
    };
    using Deliver = std::function<void(const Job &job, std::optional<MediaItem> item)>;

    static void run(const QList<Job> &jobs, const Inspect &inspect, const Deliver &deliver,
                    const std::atomic<bool> &cancelled, int threads, qsizetype window = 64);
};
