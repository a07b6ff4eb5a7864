#include "YtDlpDownload.h"

#include "YouTubeLog.h"
#include "YtDlpProcess.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

YtDlpDownload::YtDlpDownload(const YtDlpInvocation &invocation, const QString &folder,
                             ProgressCallback onProgress, Completion done, QObject *parent)
    : QObject(parent),
      m_parser([this](double fraction, const QString &message) {
          if (!m_completed && m_onProgress)
              m_onProgress(fraction, message);
      }),
      m_folder(folder),
      m_candidateExtensions(invocation.candidateExtensions()),
      m_onProgress(std::move(onProgress)),
      m_done(std::move(done))
{
    m_process = std::make_unique<YtDlpProcess>(invocation);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            [this] { m_parser.feed(m_process->readAllStandardOutput()); });
    connect(m_process.get(), &YtDlpProcess::exited, this, &YtDlpDownload::onExited);
    connect(m_process.get(), &YtDlpProcess::launchFailed, this,
            [this](const QString &message) { complete(YouTubeError::commandFailed(message)); });
    m_process->start();
}

YtDlpDownload::~YtDlpDownload() = default;

void YtDlpDownload::onExited(bool succeeded, int exitCode)
{
    m_parser.feed(m_process->readAllStandardOutput());
    m_parser.finish();
    if (!succeeded) {
        const QString errorText = YtDlpProcess::errorText(m_process->readAllStandardError());
        qCCritical(lcYouTube, "yt-dlp download failed (exit %d): %s", exitCode,
                   qUtf8Printable(errorText));
        complete(YouTubeError::downloadFailed(errorText));
        return;
    }
    complete(locateProducedFile(m_parser.destination(), m_candidateExtensions, m_folder,
                                m_startedAt));
}

YouTubeResult<QUrl> YtDlpDownload::locateProducedFile(const std::optional<QString> &destination,
                                                      const QStringList &candidateExtensions,
                                                      const QString &folder,
                                                      const QDateTime &startedAt)
{
    if (destination && !destination->isEmpty()) {
        const QFileInfo announced(*destination);
        const QString stem = announced.suffix().isEmpty()
                                 ? *destination
                                 : destination->chopped(announced.suffix().size() + 1);
        for (const QString &extension : candidateExtensions) {
            const QFileInfo candidate(stem + u'.' + extension);
            if (candidate.isFile())
                return QUrl::fromLocalFile(candidate.absoluteFilePath());
        }
        if (announced.isFile())
            return QUrl::fromLocalFile(announced.absoluteFilePath());
    }

    // The destination was a part of a merge, or none was announced: the newest file.
    const QDir dir(folder);
    if (!dir.exists())
        return YouTubeError::fileNotFound();
    QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    // yt-dlp dates its files by the server's Last-Modified header, so the modification
    // time cannot tell a new file from an old one; the status-change time can (the tool
    // cannot set it). A second of slack covers file systems with coarse timestamps.
    const QDateTime notBefore = startedAt.addSecs(-1);
    entries.removeIf([&notBefore](const QFileInfo &entry) {
        return entry.metadataChangeTime() < notBefore;
    });
    std::stable_sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    if (entries.isEmpty())
        return YouTubeError::fileNotFound();
    return QUrl::fromLocalFile(entries.first().absoluteFilePath());
}

void YtDlpDownload::complete(YouTubeResult<QUrl> result)
{
    if (m_completed)
        return;
    m_completed = true;
    QMetaObject::invokeMethod(
        this,
        [this, result = std::move(result)] {
            Completion done = std::move(m_done);
            deleteLater();
            if (done)
                done(result);
        },
        Qt::QueuedConnection);
}
