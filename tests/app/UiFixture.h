#pragma once

#include "FakePlayerBackend.h"
#include "FakeYtDlp.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"

#include <QObject>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

// Real managers for the Qt Quick tests of the views: a library whose records come
// from file names, a player over a scripted back end that the tests drive, and the
// online-video service and download queue over a scripted yt-dlp.
class UiFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *player READ player NOTIFY managersChanged)
    Q_PROPERTY(QObject *library READ library NOTIFY managersChanged)
    Q_PROPERTY(QObject *youtube READ youtube NOTIFY managersChanged)
    Q_PROPERTY(QObject *downloads READ downloads NOTIFY managersChanged)

public:
    explicit UiFixture(QObject *parent = nullptr);
    ~UiFixture() override;

    QObject *player() const;
    QObject *library() const;
    QObject *youtube() const;
    QObject *downloads() const;

    // Fresh managers (views made before keep the old ones). Without `ytDlpFound` the
    // online-video service finds no yt-dlp.
    Q_INVOKABLE void reset(bool ytDlpFound = true);
    // Replaces the queue with items described by `descriptions` ({title, artist, album,
    // duration, chapters: count, video: bool}) and plays the one at `start`; the
    // length and track loads complete at once.
    Q_INVOKABLE void play(const QVariantList &descriptions, int start);
    // The back end reports the playing position.
    Q_INVOKABLE void reportTime(double seconds);
    // Seeks the back end was asked for so far.
    Q_INVOKABLE int seekCount() const;
    // Titles of the player's queue, in order.
    Q_INVOKABLE QStringList queueTitles() const;
    // Imports empty files with these names (records from the names; ".mp4" is video).
    Q_INVOKABLE void importFiles(const QStringList &names);
    Q_INVOKABLE bool importsIdle() const;
    Q_INVOKABLE void createPlaylist(const QString &name, bool isAudiobook);
    // Queues `count` downloads that run until finishDownloads(), and `completed` ones
    // that finish at once.
    Q_INVOKABLE void queueDownloads(int count, int completed);
    Q_INVOKABLE void finishDownloads();

Q_SIGNALS:
    void managersChanged();

private:
    QTemporaryDir m_dir;
    FakeYtDlp m_ytDlp;
    int m_downloadNumber = 0;
    int m_generation = 0;
    FakePlayerBackend::State m_state;
    FakePlayerBackend *m_backend = nullptr;
    std::unique_ptr<LibraryManager> m_library;
    std::unique_ptr<MediaPlayerManager> m_player;
    std::unique_ptr<YouTubeService> m_youtube;
    std::unique_ptr<DownloadManager> m_downloads;
    // Managers replaced by reset() stay alive until the fixture goes: views of earlier
    // tests may still be bound to them.
    std::vector<std::unique_ptr<QObject>> m_retired;
};
