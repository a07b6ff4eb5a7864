#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>
#include <type_traits>
#include <utility>

// Runs `work` on the global thread pool and then `apply(result)` on `owner`'s thread.
// `work` must not touch `owner`. If `owner` is destroyed first, its watcher goes with
// it and `apply` is never called: the result is dropped, the owner never touched.
template <typename Work, typename Apply>
void runInBackground(QObject *owner, Work work, Apply apply)
{
    using Result = std::invoke_result_t<Work>;
    auto *watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, apply = std::move(apply)]() mutable {
                         apply(watcher->result());
                         watcher->deleteLater();
                     });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}
