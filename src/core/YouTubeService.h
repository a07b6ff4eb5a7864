#pragma once

#include "YouTubeToolPaths.h"
#include "YtDlpInvocation.h"
#include "models/MediaItem.h"
#include "models/YouTubeError.h"
#include "models/YouTubeVideoInfo.h"
#include "util/PrivateTempDir.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QUrl>
#include <QVariant>
#include <functional>
#include <optional>

class YtDlpDownload;

// The online-video service: finds yt-dlp and ffmpeg, asks yt-dlp about a video,
// fetches a video (or its audio) for playing, and downloads into a folder.
//
// Lives on the main thread; every published property is written there. Children
// are driven by QProcess signals and nothing waits for them on the main thread;
// large JSON is parsed on the thread pool. Every address reaches yt-dlp after "--",
// so text pasted as an address is never read as an option. Tool output and streamed
// files live in a private per-user directory. Destroying the service kills and reaps
// its running children and removes their temporary files; their callers are not
// called back.
class YouTubeService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ytDlpPath READ ytDlpPath NOTIFY ytDlpPathChanged)
    Q_PROPERTY(bool isYtDlpInstalled READ isYtDlpInstalled NOTIFY isYtDlpInstalledChanged)
    Q_PROPERTY(QString urlInput READ urlInput WRITE setUrlInput NOTIFY urlInputChanged)
    // A YouTubeVideoInfo, or null when there is none.
    Q_PROPERTY(QVariant videoInfo READ videoInfoValue NOTIFY videoInfoChanged)
    Q_PROPERTY(bool isLoadingInfo READ isLoadingInfo NOTIFY isLoadingInfoChanged)
    // Empty when there is no error to show; the window clears it after showing it.
    Q_PROPERTY(QString errorMessage READ errorMessageText WRITE setErrorMessageText NOTIFY
                   errorMessageChanged)
    Q_PROPERTY(bool isStreaming READ isStreaming WRITE setStreaming NOTIFY isStreamingChanged)
    Q_PROPERTY(QString streamingStatus READ streamingStatus WRITE setStreamingStatus NOTIFY
                   streamingStatusChanged)

public:
    using YouTubeError = ::YouTubeError;
    using ProgressCallback = std::function<void(double fraction, const QString &message)>;
    template <typename T>
    using Completion = std::function<void(const YouTubeResult<T> &)>;

    // Searches for the tools at once (findYtDlp).
    explicit YouTubeService(QObject *parent = nullptr);
    explicit YouTubeService(YouTubeToolPaths paths, QObject *parent = nullptr);
    ~YouTubeService() override;

    QString ytDlpPath() const { return m_ytDlpPath; }
    bool isYtDlpInstalled() const { return m_isYtDlpInstalled; }
    // The directory holding ffmpeg; empty when none was found.
    QString ffmpegDir() const { return m_ffmpegDir; }

    QString urlInput() const { return m_urlInput; }
    void setUrlInput(const QString &text);
    const std::optional<YouTubeVideoInfo> &videoInfo() const { return m_videoInfo; }
    QVariant videoInfoValue() const;
    bool isLoadingInfo() const { return m_isLoadingInfo; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    void setErrorMessage(std::optional<QString> message);
    QString errorMessageText() const { return m_errorMessage.value_or(QString()); }
    void setErrorMessageText(const QString &message);
    Q_INVOKABLE void clearErrorMessage() { setErrorMessage(std::nullopt); }
    bool isStreaming() const { return m_isStreaming; }
    void setStreaming(bool streaming);
    QString streamingStatus() const { return m_streamingStatus; }
    void setStreamingStatus(const QString &status);

    // Looks for ffmpeg and yt-dlp in the fixed places, then asks the login shell
    // (off the main thread) for yt-dlp. Never forgets a tool it has found.
    Q_INVOKABLE void findYtDlp();

    // Asks yt-dlp about the video at `url`; the outcome goes to videoInfo or
    // errorMessage. A newer call supersedes an older one still running: only the
    // latest call's outcome is shown.
    Q_INVOKABLE void fetchVideoInfo(const QString &url);

    // True for addresses of watch pages, playlists and shorts on youtube.com, short
    // links on youtu.be, and anything on music.youtube.com.
    Q_INVOKABLE static bool isYouTubeURL(const QString &text);

    // Fetches the video (or only its audio, as m4a) into the streaming directory,
    // replacing the previous stream's files, and reports the finished file.
    void streamToTempFile(const QString &url, bool audioOnly, Completion<QUrl> done);

    // The stream action of the online video view: streams the video on show and, on
    // success, emits streamedItemReady with the item to play; on failure, ends the
    // streaming state and shows the error.
    Q_INVOKABLE void streamCurrentVideo(bool audioOnly);

    // The one-item entry that plays a streamed file.
    static MediaItem makeStreamedItem(const QUrl &file, const YouTubeVideoInfo &info,
                                      bool audioOnly);

    // Downloads the video at `url` (or its audio, converted to m4a) into `folder`,
    // reporting progress on the main thread while yt-dlp runs; completes with the
    // saved file. `onProgress` is never called after `done`.
    void download(const QString &url, const QUrl &folder, bool audioOnly,
                  ProgressCallback onProgress, Completion<QUrl> done);

    // download(), handing back the run it started so that it can be stopped
    // (YtDlpDownload::cancel); null when none started (the tool is missing). The run
    // belongs to the service and deletes itself when it ends: keep it in a QPointer.
    YtDlpDownload *startDownload(const QString &url, const QUrl &folder, bool audioOnly,
                                 ProgressCallback onProgress, Completion<QUrl> done);

    // The private directory that holds tool output and the streaming directory; empty
    // when it cannot be made.
    QString privateDirectory();
    // Where streamed files are kept: the private directory + "/LyraboxStream".
    QString streamingDirectory();

    // The environment of a runner child: ours, with "/opt/homebrew/bin" and
    // "/usr/local/bin" put before the inherited search path ("/usr/bin:/bin" when
    // there is none).
    static QProcessEnvironment runnerEnvironment(const QProcessEnvironment &inherited);

    // yt-dlp reads "%" in an output template as a field: a literal one is doubled.
    static QString escapeForTemplate(const QString &path);

Q_SIGNALS:
    void ytDlpPathChanged();
    void isYtDlpInstalledChanged();
    void urlInputChanged();
    void videoInfoChanged();
    void isLoadingInfoChanged();
    void errorMessageChanged();
    void isStreamingChanged();
    void streamingStatusChanged();
    void streamedItemReady(const MediaItem &item);

private:
    // A call of the yt-dlp found, given the ffmpeg found, in the runner environment.
    YtDlpInvocation invocation(YtDlpInvocation::Action action, const QString &address,
                               bool audioOnly = false, const QString &outputTemplate = {}) const;
    // Completes with the whole standard output.
    void runYtDlp(const YtDlpInvocation &invocation, Completion<QByteArray> done);
    void setYtDlpFound(const QString &path);
    void setVideoInfo(std::optional<YouTubeVideoInfo> info);
    void setLoadingInfo(bool loading);

    YouTubeToolPaths m_paths;
    PrivateTempDir m_privateDir;
    QString m_ytDlpPath;
    bool m_isYtDlpInstalled = false;
    QString m_ffmpegDir;
    QString m_urlInput;
    std::optional<YouTubeVideoInfo> m_videoInfo;
    bool m_isLoadingInfo = false;
    std::optional<QString> m_errorMessage;
    bool m_isStreaming = false;
    QString m_streamingStatus;
    quint64 m_infoGeneration = 0;
};
