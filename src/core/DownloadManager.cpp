#include "DownloadManager.h"

#include "YouTubeService.h"
#include "YtDlpDownload.h"
#include "util/RTLSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The folder a download saves into, made when missing; false when it cannot hold a new
// file (a plain file, a read-only place, no permission).
bool preparedFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo folder(path);
    if (!folder.exists() && !QDir().mkpath(path))
        return false;
    return QFileInfo(path).isDir() && ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

} // namespace

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent), m_downloadDirectory(defaultDownloadDirectory())
{
    QDir().mkpath(m_downloadDirectory.toLocalFile());
}

QUrl DownloadManager::defaultDownloadDirectory()
{
    QString base = QStandardPaths::standardLocations(QStandardPaths::MusicLocation).value(0);
    if (base.isEmpty())
        base = QStandardPaths::standardLocations(QStandardPaths::DownloadLocation).value(0);
    if (base.isEmpty())
        base = QDir::tempPath();
    return QUrl::fromLocalFile(base + u"/Lyrabox Downloads"_s);
}

void DownloadManager::setDownloadDirectory(const QUrl &folder)
{
    if (m_downloadDirectory == folder)
        return;
    m_downloadDirectory = folder;
    Q_EMIT downloadDirectoryChanged();
}

YouTubeService *DownloadManager::youtubeService() const
{
    return m_youtubeService;
}

void DownloadManager::setYoutubeService(YouTubeService *service)
{
    m_youtubeService = service;
}

void DownloadManager::updateCounts()
{
    const auto count = [this](auto predicate) {
        return int(std::count_if(m_downloads.cbegin(), m_downloads.cend(), predicate));
    };
    const int active = count([](const DownloadTask &t) {
        return t.status == DownloadTask::Status::downloading
               || t.status == DownloadTask::Status::converting;
    });
    const int completed =
        count([](const DownloadTask &t) { return t.status == DownloadTask::Status::completed; });
    if (active != m_activeCount) {
        m_activeCount = active;
        Q_EMIT activeCountChanged();
    }
    if (completed != m_completedCount) {
        m_completedCount = completed;
        Q_EMIT completedCountChanged();
    }
}

void DownloadManager::listChanged()
{
    Q_EMIT downloadsChanged();
    updateCounts();
}

void DownloadManager::entryChanged(const DownloadTask *entry)
{
    Q_EMIT downloadUpdated(int(entry - m_downloads.constData()));
    updateCounts();
}

DownloadTask *DownloadManager::find(const QUuid &id)
{
    const auto it = std::find_if(m_downloads.begin(), m_downloads.end(),
                                 [&id](const DownloadTask &t) { return t.id == id; });
    return it == m_downloads.end() ? nullptr : &*it;
}

void DownloadManager::addDownload(const QString &url, const QString &title, bool audioOnly)
{
    DownloadTask task;
    task.url = url;
    task.title = title;
    task.isAudioOnly = audioOnly;
    m_downloads.append(task);
    listChanged();
    if (m_youtubeService)
        startDownload(task);
}

void DownloadManager::startDownload(const DownloadTask &task)
{
    DownloadTask *entry = find(task.id);
    if (!entry || !m_youtubeService)
        return;
    entry->status = DownloadTask::Status::downloading;
    entry->statusMessage = tr("Starting download...");
    entryChanged(entry);

    const QUuid id = task.id;
    const QString folder = m_downloadDirectory.toLocalFile();
    if (!preparedFolder(folder)) {
        entry->status = DownloadTask::Status::failed;
        entry->statusMessage =
            tr("Download failed: the folder %1 cannot be written to. Choose another folder.")
                .arg(RTLSupport::isolated(QDir::toNativeSeparators(folder)));
        entryChanged(entry);
        return;
    }
    QPointer<DownloadManager> guard(this);
    auto onProgress = [guard, id](double fraction, const QString &message) {
        if (!guard)
            return;
        DownloadTask *current = guard->find(id);
        if (!current)
            return;
        current->progress = fraction;
        current->statusMessage = message;
        if (fraction > 0.9)
            current->status = DownloadTask::Status::converting;
        guard->entryChanged(current);
    };
    auto onDone = [guard, id](const YouTubeResult<QUrl> &result) {
        if (!guard)
            return;
        guard->m_runs.remove(id);
        DownloadTask *current = guard->find(id);
        if (!current)
            return;
        if (result.ok()) {
            current->status = DownloadTask::Status::completed;
            current->progress = 1.0;
            current->outputURL = result.value();
            current->statusMessage = tr("Completed");
        } else {
            current->status = DownloadTask::Status::failed;
            current->statusMessage = result.error().description();
        }
        guard->entryChanged(current);
    };
    YtDlpDownload *run = m_youtubeService->startDownload(
        task.url, m_downloadDirectory, task.isAudioOnly, std::move(onProgress), std::move(onDone));
    if (run)
        m_runs.insert(id, run);
}

void DownloadManager::retryFailed(const DownloadTask &task)
{
    DownloadTask *entry = find(task.id);
    if (!entry)
        return;
    // A run still going for this entry would report into it alongside the new one.
    stopRun(task.id);
    entry->status = DownloadTask::Status::waiting;
    entry->progress = 0;
    entry->statusMessage = tr("Retrying...");
    entryChanged(entry);
    if (m_youtubeService)
        startDownload(*entry);
}

void DownloadManager::retryFailed(const QString &taskId)
{
    const QUuid id = QUuid::fromString(taskId);
    if (id.isNull())
        return;
    DownloadTask key;
    key.id = id;
    retryFailed(key);
}

void DownloadManager::removeDownload(const QString &taskId)
{
    const QUuid id = QUuid::fromString(taskId);
    if (!id.isNull())
        removeDownload(id);
}

void DownloadManager::clearCompleted()
{
    const qsizetype removed = m_downloads.removeIf(
        [](const DownloadTask &t) { return t.status == DownloadTask::Status::completed; });
    if (removed > 0)
        listChanged();
}

void DownloadManager::stopRun(const QUuid &id)
{
    const QPointer<YtDlpDownload> run = m_runs.take(id);
    if (!run)
        return;
    QSet<QString> finished;
    for (const DownloadTask &task : std::as_const(m_downloads)) {
        if (task.outputURL)
            finished.insert(QFileInfo(task.outputURL->toLocalFile()).absoluteFilePath());
    }
    run->cancel(finished);
}

void DownloadManager::removeDownload(const QUuid &id)
{
    stopRun(id);
    const qsizetype removed =
        m_downloads.removeIf([&id](const DownloadTask &t) { return t.id == id; });
    if (removed > 0)
        listChanged();
}
