#pragma once

#include "FakePlayerBackend.h"
#include "FakeYtDlp.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

// Real managers for the Qt Quick tests of the views: a library whose records come from
// file names, a player over a scripted back end, online videos and downloads over a
// scripted yt-dlp.
class UiFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *player READ player NOTIFY managersChanged)
    Q_PROPERTY(QObject *library READ library NOTIFY managersChanged)
    Q_PROPERTY(QObject *youtube READ youtube NOTIFY managersChanged)
    Q_PROPERTY(QObject *downloads READ downloads NOTIFY managersChanged)

public:
    UiFixture() { reset(); }

    QObject *player() const { return m->player.get(); }
    QObject *library() const { return m->library.get(); }
    QObject *youtube() const { return m->youtube.get(); }
    QObject *downloads() const { return m->downloads.get(); }

    // Fresh managers (views made before keep the old ones); `ytDlpFound` false: no yt-dlp.
    Q_INVOKABLE void reset(bool ytDlpFound = true);
    // Plays items described by `descriptions` ({title, artist, duration, chapters: count,
    // video: bool}) from `start`; the length and track loads complete at once.
    Q_INVOKABLE void play(const QVariantList &descriptions, int start);
    // The back end reports the playing position; the seeks it was asked for.
    Q_INVOKABLE void reportTime(double seconds) { m_backend->reportTime(seconds); }
    Q_INVOKABLE int seekCount() const { return int(m_state.seeks.size()); }
    Q_INVOKABLE QStringList queueTitles() const;
    // Imports empty files with these names (records from the names; ".mp4" is video).
    Q_INVOKABLE void importFiles(const QStringList &names);
    // Queues `count` downloads that run until finishDownloads(), `completed` that end at once.
    Q_INVOKABLE void queueDownloads(int count, int completed);
    Q_INVOKABLE void finishDownloads() { m_ytDlp.open(QStringLiteral("finish") + QString::number(m_generation)); }

    // Online views: a scripted address for the fake yt-dlp (shell code run with yt-dlp's
    // arguments as "$@", see FakeYtDlp); `name` may hold "/" ("youtube.com/watch").
    Q_INVOKABLE QString scenario(const QString &name, const QString &shellCode) const
    {
        return m_ytDlp.scenario(name, shellCode);
    }
    // Opens a gate scenarios wait for (`while [ ! -e "$here/NAME" ]`).
    Q_INVOKABLE void openGate(const QString &name) const { m_ytDlp.open(name); }
    // The arguments of the fake's last run.
    Q_INVOKABLE QStringList lastToolArguments() const { return m_ytDlp.lastArguments(); }
    // Puts the fake where a reset(false) service looks for it, as an install would.
    Q_INVOKABLE void installYtDlp() const;
    // True while the process whose id a scenario wrote to "$here/NAME.pid" exists.
    Q_INVOKABLE bool toolRunning(const QString &name) const;
    Q_INVOKABLE void setClipboardText(const QString &text) const { QGuiApplication::clipboard()->setText(text); }
    Q_INVOKABLE QString clipboardText() const { return QGuiApplication::clipboard()->text(); }
    // The files in the download folder, sorted; a file or folder there by name.
    Q_INVOKABLE QStringList downloadFolderFiles() const;
    Q_INVOKABLE QUrl makeFile(const QString &name) const;
    Q_INVOKABLE bool removeFile(const QString &name) const;

Q_SIGNALS:
    void managersChanged();

private:
    QTemporaryDir m_dir;
    FakeYtDlp m_ytDlp;
    QString downloadFolder() const { return m_dir.path() + QStringLiteral("/downloads") + QString::number(m_generation); }
    // Where a service made by reset(false) looks for yt-dlp.
    QString laterToolPath() const { return m_ytDlp.root() + QStringLiteral("/later/bin/yt-dlp"); }
    int m_downloadNumber = 0;
    int m_generation = 0;
    FakePlayerBackend::State m_state;
    FakePlayerBackend *m_backend = nullptr;
    struct Managers
    {
        std::unique_ptr<LibraryManager> library;
        std::unique_ptr<MediaPlayerManager> player;
        std::unique_ptr<YouTubeService> youtube;
        std::unique_ptr<DownloadManager> downloads;
    };
    std::unique_ptr<Managers> m;
    // Managers replaced by reset() stay alive until the fixture goes: views of earlier
    // tests may still be bound to them.
    std::vector<std::unique_ptr<Managers>> m_retired;
};
