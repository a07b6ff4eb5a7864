#pragma once

#include "models/DownloadTask.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QUuid>

class YouTubeService;

// The download queue: every entry added starts at once (no limit) through
// YouTubeService::download and shows its progress, status and result. Lives on the
// main thread; all changes to `downloads` and `downloadDirectory` happen there, in
// the order the updates arrive. Entries are looked up by id on every update, so an
// entry removed meanwhile simply stops receiving them (its download runs on and its
// file is kept). Nothing is saved between runs.
class DownloadManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<DownloadTask> downloads READ downloads NOTIFY downloadsChanged)
    Q_PROPERTY(QUrl downloadDirectory READ downloadDirectory WRITE setDownloadDirectory NOTIFY
                   downloadDirectoryChanged)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY downloadsChanged)
    Q_PROPERTY(int completedCount READ completedCount NOTIFY downloadsChanged)

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

    YouTubeService *youtubeService() const { return m_youtubeService; }
    void setYoutubeService(YouTubeService *service) { m_youtubeService = service; }

    int activeCount() const;
    int completedCount() const;

    // Appends an entry and starts it when the service is set; otherwise it waits.
    Q_INVOKABLE void addDownload(const QString &url, const QString &title, bool audioOnly);
    // Starts the entry with the task's id again, keeping its place and id.
    Q_INVOKABLE void retryFailed(const DownloadTask &task);
    // Removes every completed entry; the others keep their order.
    Q_INVOKABLE void clearCompleted();
    // Removes one entry; a download still running goes on unseen.
    Q_INVOKABLE void removeDownload(const QUuid &id);

Q_SIGNALS:
    void downloadsChanged();
    void downloadDirectoryChanged();

private:
    void startDownload(const DownloadTask &task);
    DownloadTask *find(const QUuid &id);

    QList<DownloadTask> m_downloads;
    QUrl m_downloadDirectory;
    QPointer<YouTubeService> m_youtubeService;
};
