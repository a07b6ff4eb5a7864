#include "YouTubeService.h"

#include "BackgroundTask.h"
#include "Preferences.h"
#include "YouTubeLog.h"
#include "YtDlpDownload.h"
#include "YtDlpInvocation.h"
#include "YtDlpRun.h"
#include "util/RTLSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// How long the login shell may take to answer "which yt-dlp" before it is given up.
constexpr int kShellTimeoutMs = 15000;

// The outcome of asking the login shell: a path, or why the shell could not start.
struct ShellAnswer
{
    QString path;
    QString launchError;
};

// Runs on the thread pool: blocking there keeps the main thread free.
ShellAnswer askLoginShell(const QString &shell)
{
    QProcess process;
    process.setProgram(shell);
    process.setArguments({u"-l"_s, u"-c"_s, u"which yt-dlp"_s});
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted())
        return {{}, process.errorString()};
    if (!process.waitForFinished(kShellTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(process.readAllStandardOutput());
    if (decoder.hasError())
        return {};
    const QString path = text.trimmed();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    return {path, {}};
}

// The visible files of `dir`, newest first; files whose date cannot be read last,
// ties in listing order.
QFileInfoList newestFirst(const QString &dir)
{
    QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    std::stable_sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    return entries;
}

} // namespace

YouTubeService::YouTubeService(QObject *parent)
    : YouTubeService(YouTubeToolPaths::standard(), parent)
{
}

YouTubeService::YouTubeService(YouTubeToolPaths paths, QObject *parent)
    : QObject(parent), m_paths(std::move(paths)), m_privateDir(m_paths.tempParent)
{
    findYtDlp();
}

YouTubeService::~YouTubeService()
{
    // Runs and downloads are children: deleting them now, while this object is still
    // whole, kills and reaps their processes and removes their files.
    const auto children = findChildren<QObject *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
}

void YouTubeService::findYtDlp()
{
    for (const QString &dir : std::as_const(m_paths.ffmpegDirectories)) {
        if (QFileInfo(dir + u"/ffmpeg"_s).isFile()) {
            m_ffmpegDir = dir;
            qCInfo(lcYouTube, "Found ffmpeg in: %s", qUtf8Printable(dir));
            break;
        }
    }

    for (const QString &path : std::as_const(m_paths.ytDlpPaths)) {
        if (QFileInfo(path).isFile()) {
            setYtDlpFound(path);
            qCInfo(lcYouTube, "Found yt-dlp at: %s", qUtf8Printable(path));
            return;
        }
    }

    runInBackground(
        this, [shell = m_paths.loginShell] { return askLoginShell(shell); },
        [guard = QPointer(this)](const ShellAnswer &answer) {
            if (!answer.launchError.isEmpty()) {
                qCCritical(lcYouTube, "yt-dlp not found: %s", qUtf8Printable(answer.launchError));
                return;
            }
            if (answer.path.isEmpty() || !guard)
                return;
            guard->setYtDlpFound(answer.path);
            qCInfo(lcYouTube, "Found yt-dlp via which: %s", qUtf8Printable(answer.path));
        });
}

void YouTubeService::setYtDlpFound(const QString &path)
{
    if (m_ytDlpPath != path) {
        m_ytDlpPath = path;
        Q_EMIT ytDlpPathChanged();
    }
    if (!m_isYtDlpInstalled) {
        m_isYtDlpInstalled = true;
        Q_EMIT isYtDlpInstalledChanged();
    }
}

QProcessEnvironment YouTubeService::runnerEnvironment(const QProcessEnvironment &inherited)
{
    QProcessEnvironment environment = inherited;
    const QString oldPath = inherited.contains(u"PATH"_s) ? inherited.value(u"PATH"_s)
                                                           : u"/usr/bin:/bin"_s;
    environment.insert(u"PATH"_s, u"/opt/homebrew/bin:/usr/local/bin:"_s + oldPath);
    return environment;
}

QString YouTubeService::escapeForTemplate(const QString &path)
{
    QString escaped = path;
    return escaped.replace(u"%"_s, u"%%"_s);
}

QString YouTubeService::privateDirectory()
{
    return m_privateDir.path();
}

QString YouTubeService::streamingDirectory()
{
    const QString base = privateDirectory();
    return base.isEmpty() ? QString() : base + u"/LyraboxStream"_s;
}

YtDlpInvocation YouTubeService::invocation(YtDlpInvocation::Action action, const QString &address,
                                           bool audioOnly, const QString &outputTemplate) const
{
    YtDlpInvocation invocation;
    invocation.program = m_ytDlpPath;
    invocation.ffmpegDir = m_ffmpegDir;
    invocation.environment = runnerEnvironment(QProcessEnvironment::systemEnvironment());
    invocation.action = action;
    invocation.audioOnly = audioOnly;
    invocation.outputTemplate = outputTemplate;
    invocation.address = address;
    return invocation;
}

void YouTubeService::runYtDlp(const YtDlpInvocation &invocation, Completion<QByteArray> done)
{
    const QString tempDir = privateDirectory();
    if (tempDir.isEmpty()) {
        const YouTubeError error = YouTubeError::systemError(m_privateDir.errorString());
        QMetaObject::invokeMethod(this, [done, error] { done(error); }, Qt::QueuedConnection);
        return;
    }
    new YtDlpRun(invocation, tempDir, std::move(done), this);
}

bool YouTubeService::isYouTubeURL(const QString &text)
{
    return text.contains("youtube.com/watch"_L1) || text.contains("youtu.be/"_L1)
           || text.contains("youtube.com/playlist"_L1) || text.contains("youtube.com/shorts"_L1)
           || text.contains("music.youtube.com"_L1);
}

void YouTubeService::fetchVideoInfo(const QString &url)
{
    if (!m_isYtDlpInstalled) {
        setErrorMessage(tr("yt-dlp is not installed. Install it with: sudo apt install yt-dlp"));
        return;
    }
    const quint64 generation = ++m_infoGeneration;
    setLoadingInfo(true);
    setErrorMessage(std::nullopt);
    setVideoInfo(std::nullopt);

    auto fail = [this, generation](const YouTubeError &error) {
        if (generation != m_infoGeneration)
            return;
        setErrorMessage(tr("Failed to fetch video info: ") + error.description());
        setLoadingInfo(false);
    };
    runYtDlp(
        invocation(YtDlpInvocation::Action::Info, url),
        [this, url, generation, fail](const YouTubeResult<QByteArray> &run) {
            if (!run.ok()) {
                fail(run.error());
                return;
            }
            runInBackground(
                this,
                [output = run.value(), url] { return YouTubeVideoInfo::fromJson(output, url); },
                [this, generation, fail](const YouTubeResult<YouTubeVideoInfo> &parsed) {
                    if (!parsed.ok()) {
                        fail(parsed.error());
                        return;
                    }
                    if (generation != m_infoGeneration)
                        return;
                    setVideoInfo(parsed.value());
                    setLoadingInfo(false);
                });
        });
}

void YouTubeService::streamToTempFile(const QString &url, bool audioOnly, Completion<QUrl> done)
{
    if (!m_isYtDlpInstalled) {
        QMetaObject::invokeMethod(
            this, [done] { done(YouTubeError::ytDlpNotInstalled()); }, Qt::QueuedConnection);
        return;
    }
    setStreaming(true);
    setStreamingStatus(audioOnly ? tr("Preparing audio...") : tr("Preparing video..."));

    const QString dir = streamingDirectory();
    QString dirError = m_privateDir.errorString();
    if (dir.isEmpty() || !PrivateTempDir::ensureSubdirectory(dir, &dirError)) {
        QMetaObject::invokeMethod(
            this, [done, dirError] { done(YouTubeError::systemError(dirError)); },
            Qt::QueuedConnection);
        return;
    }
    PrivateTempDir::clearContents(dir);

    const QString outputTemplate = escapeForTemplate(dir) + u"/%(title).60s.%(ext)s"_s;
    setStreamingStatus(audioOnly ? tr("Downloading audio...") : tr("Downloading video..."));
    runYtDlp(invocation(YtDlpInvocation::Action::Stream, url, audioOnly, outputTemplate),
             [this, dir, done](const YouTubeResult<QByteArray> &run) {
                 if (!run.ok()) {
                     done(run.error());
                     return;
                 }
                 setStreaming(false);
                 setStreamingStatus(QString());
                 if (!QFileInfo(dir).isDir()) {
                     done(
                         YouTubeError::systemError(tr("The folder %1 could not be read").arg(RTLSupport::isolated(dir))));
                     return;
                 }
                 const QFileInfoList files = newestFirst(dir);
                 if (files.isEmpty()) {
                     done(YouTubeError::fileNotFound());
                     return;
                 }
                 done(QUrl::fromLocalFile(files.first().absoluteFilePath()));
             });
}

MediaItem YouTubeService::makeStreamedItem(const QUrl &file, const YouTubeVideoInfo &info,
                                           bool audioOnly)
{
    MediaItem item;
    item.url = file;
    item.title = info.title.isEmpty() ? MediaItem::titleFromURL(file) : info.title;
    item.artist = info.uploader;
    item.duration = info.duration;
    item.isVideo = !audioOnly;
    item.youtubeURL = info.url;
    return item;
}

void YouTubeService::streamCurrentVideo(bool audioOnly)
{
    if (!m_videoInfo)
        return;
    const YouTubeVideoInfo info = *m_videoInfo;
    streamToTempFile(info.url, audioOnly, [this, info, audioOnly](const YouTubeResult<QUrl> &file) {
        if (!file.ok()) {
            setStreaming(false);
            setErrorMessage(file.error().description());
            return;
        }
        Q_EMIT streamedItemReady(makeStreamedItem(file.value(), info, audioOnly));
    });
}

void YouTubeService::download(const QString &url, const QUrl &folder, bool audioOnly,
                              ProgressCallback onProgress, Completion<QUrl> done)
{
    if (!m_isYtDlpInstalled) {
        QMetaObject::invokeMethod(
            this, [done] { done(YouTubeError::ytDlpNotInstalled()); }, Qt::QueuedConnection);
        return;
    }
    QString folderPath = folder.toLocalFile();
    while (folderPath.size() > 1 && folderPath.endsWith(u'/'))
        folderPath.chop(1);
    const QString outputTemplate = escapeForTemplate(folderPath) + u"/%(title)s.%(ext)s"_s;

    YtDlpInvocation call =
        invocation(YtDlpInvocation::Action::Download, url, audioOnly, outputTemplate);
    // The formats stored now, as the settings window last left them.
    const Preferences preferences;
    call.audioFormat = preferences.audioFormatInEffect();
    call.videoFormat = preferences.videoFormatInEffect();
    new YtDlpDownload(call, folderPath, std::move(onProgress), std::move(done), this);
}

YtDlpDownload *YouTubeService::startDownload(const QString &url, const QUrl &folder,
                                             bool audioOnly, ProgressCallback onProgress,
                                             Completion<QUrl> done)
{
    // download() makes its run as the newest child of this service, or none at all.
    const qsizetype before = findChildren<YtDlpDownload *>(Qt::FindDirectChildrenOnly).size();
    download(url, folder, audioOnly, std::move(onProgress), std::move(done));
    const QList<YtDlpDownload *> after = findChildren<YtDlpDownload *>(Qt::FindDirectChildrenOnly);
    return after.size() > before ? after.last() : nullptr;
}

void YouTubeService::setUrlInput(const QString &text)
{
    if (m_urlInput == text)
        return;
    m_urlInput = text;
    Q_EMIT urlInputChanged();
}

QVariant YouTubeService::videoInfoValue() const
{
    return m_videoInfo ? QVariant::fromValue(*m_videoInfo) : QVariant();
}

void YouTubeService::setVideoInfo(std::optional<YouTubeVideoInfo> info)
{
    if (!info && !m_videoInfo)
        return;
    m_videoInfo = std::move(info);
    Q_EMIT videoInfoChanged();
}

void YouTubeService::setLoadingInfo(bool loading)
{
    if (m_isLoadingInfo == loading)
        return;
    m_isLoadingInfo = loading;
    Q_EMIT isLoadingInfoChanged();
}

void YouTubeService::setErrorMessage(std::optional<QString> message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = std::move(message);
    Q_EMIT errorMessageChanged();
}

void YouTubeService::setErrorMessageText(const QString &message)
{
    setErrorMessage(message.isEmpty() ? std::nullopt : std::optional<QString>(message));
}

void YouTubeService::setStreaming(bool streaming)
{
    if (m_isStreaming == streaming)
        return;
    m_isStreaming = streaming;
    Q_EMIT isStreamingChanged();
}

void YouTubeService::setStreamingStatus(const QString &status)
{
    if (m_streamingStatus == status)
        return;
    m_streamingStatus = status;
    Q_EMIT streamingStatusChanged();
}
