#pragma once

#include "models/DownloadTask.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QUuid>

class YouTubeService;
class YtDlpDownload;

// The download queue: every entry added starts at once (no limit) through
// YouTubeService::download and shows its progress, status and result. Lives on the
// main thread; all changes to `downloads` and `downloadDirectory` happen there, in
// the order the updates arrive. Entries are looked up by id on every update, so an
// entry removed meanwhile simply stops receiving them. Removing an entry whose
// download runs stops that download and removes the files it was writing. Nothing is
// saved between runs.
class DownloadManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<DownloadTask> downloads READ downloads NOTIFY downloadsChanged)
    Q_PROPERTY(QUrl downloadDirectory READ downloadDirectory WRITE setDownloadDirectory NOTIFY
                   downloadDirectoryChanged)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY activeCountChanged)
    Q_PROPERTY(int completedCount READ completedCount NOTIFY completedCountChanged)

public:
    using DownloadTask = ::DownloadTask;

    // Chooses the default folder and creates it.
    explicit DownloadManager(QObject *parent = nullptr);

    // "Lyrabox Downloads" in the user's Music folder, else in the Downloads folder,
    // else in the temporary directory.
    static QUrl defaultDownloadDirectory();

    const QList<DownloadTask> &downloads() const { return m_downloads; }
    QUrl downloadDirectory() const { return m_downloadDirectory; }
    // The folder later downloads go to (the download view's folder choice). It is
    // not created or checked; a running download keeps the folder it started with.
    void setDownloadDirectory(const QUrl &folder);

    // Out of line: the service's type is incomplete here.
    YouTubeService *youtubeService() const;
    void setYoutubeService(YouTubeService *service);

    // Entries downloading or converting.
    int activeCount() const { return m_activeCount; }
    int completedCount() const { return m_completedCount; }

    // Appends an entry and starts it when the service is set; otherwise it waits.
    Q_INVOKABLE void addDownload(const QString &url, const QString &title, bool audioOnly);
    // Starts the entry with the task's id again, keeping its place and id.
    void retryFailed(const DownloadTask &task);
    // The same by the entry's id (QUuid text, braces optional).
    Q_INVOKABLE void retryFailed(const QString &taskId);
    // Removes every completed entry; the others keep their order.
    Q_INVOKABLE void clearCompleted();
    // Removes one entry. A download still running is stopped (yt-dlp and its helpers)
    // and the files it wrote are removed; a finished file is never removed.
    void removeDownload(const QUuid &id);
    Q_INVOKABLE void removeDownload(const QString &taskId);

Q_SIGNALS:
    // Entries were added or removed (the list itself changed).
    void downloadsChanged();
    // The entry at `index` of `downloads` changed its progress, status or message;
    // `downloadsChanged` is not emitted for that.
    void downloadUpdated(int index);
    void downloadDirectoryChanged();
    void activeCountChanged();
    void completedCountChanged();

private:
    void startDownload(const DownloadTask &task);
    // Stops the entry's running download, if any, keeping every finished file.
    void stopRun(const QUuid &id);
    DownloadTask *find(const QUuid &id);
    // Tells views about a change of the entry `entry` points to.
    void entryChanged(const DownloadTask *entry);
    void listChanged();
    void updateCounts();

    QList<DownloadTask> m_downloads;
    QUrl m_downloadDirectory;
    QPointer<YouTubeService> m_youtubeService;
    // The runs of entries that are downloading or converting; a run deletes itself when
    // it ends.
    QHash<QUuid, QPointer<YtDlpDownload>> m_runs;
    int m_activeCount = 0;
    int m_completedCount = 0;
};
