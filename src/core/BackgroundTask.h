#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
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

// The same for work that hands over results as it goes: `work(QPromise<Item> &)` adds
// them with `addResult`; `each(item)` runs on `owner`'s thread for every one, in the
// order added, then `done()` once after the last. Same guarantees: nothing is called
// once `owner` is gone. Results stay in the future's store until `done`.
template <typename Item, typename Work, typename Each, typename Done>
void runInBackground(QObject *owner, Work work, Each each, Done done)
{
    auto *watcher = new QFutureWatcher<Item>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::resultsReadyAt, watcher,
                     [watcher, each = std::move(each)](int begin, int end) mutable {
                         for (int i = begin; i < end; ++i)
                             each(watcher->resultAt(i));
                     });
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, done = std::move(done)]() mutable {
                         done();
                         watcher->deleteLater();
                     });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}
