#include "YtDlpDownload.h"

#include "YouTubeLog.h"
#include "YtDlpProcess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    const QStringList names = QDir(m_folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    m_namesBefore = QSet<QString>(names.cbegin(), names.cend());
    m_process = std::make_unique<YtDlpProcess>(invocation);
    // Downloads run many at a time in the background: the window keeps the processor first.
    m_process->setNiceness(19);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &YtDlpDownload::readOutput);
    connect(m_process.get(), &YtDlpProcess::exited, this, &YtDlpDownload::onExited);
    connect(m_process.get(), &YtDlpProcess::launchFailed, this,
            [this](const QString &message) { complete(YouTubeError::commandFailed(message)); });
    m_process->start();
}

YtDlpDownload::~YtDlpDownload() = default;

void YtDlpDownload::readOutput()
{
    m_parser.feed(m_process->readAllStandardOutput());
    const std::optional<QString> &destination = m_parser.destination();
    if (destination && !destination->isEmpty()
        && (m_destinations.isEmpty() || m_destinations.constLast() != *destination))
        m_destinations.append(*destination);
}

void YtDlpDownload::cancel(const QSet<QString> &keep)
{
    if (m_completed)
        return;
    m_completed = true;
    m_onProgress = nullptr;
    m_done = nullptr;
    // No exit is reported: the child is being stopped on purpose.
    m_process->blockSignals(true);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->killGroup();
        m_process->waitForFinished(5000);
    }
    // A destination announced just before the end is still in the pipe.
    readOutput();
    m_process.reset();
    for (const QString &path : filesWrittenBy(m_folder, m_destinations, m_namesBefore, keep)) {
        if (!QFile::remove(path))
            qCWarning(lcYouTube, "Could not remove the partial download %s", qUtf8Printable(path));
    }
    qCInfo(lcYouTube, "Download stopped in %s", qUtf8Printable(m_folder));
    deleteLater();
}

QStringList YtDlpDownload::filesWrittenBy(const QString &folder, const QStringList &destinations,
                                          const QSet<QString> &before, const QSet<QString> &keep)
{
    const QDir dir(folder);
    QStringList prefixes;
    for (const QString &destination : destinations) {
        const QFileInfo announced(destination);
        // Only files of this folder: a destination elsewhere is not ours to remove.
        if (QDir(announced.absolutePath()) != dir)
            continue;
        QString stem = announced.fileName();
        const qsizetype dot = stem.lastIndexOf(u'.');
        if (dot > 0)
            stem.truncate(dot);
        // A part of a merge, "T.f137": the merged file is "T.mp4".
        static const QRegularExpression formatPart(u"\\.f[0-9]+(-[0-9]+)?$"_s);
        stem.remove(formatPart);
        if (!stem.isEmpty())
            prefixes.append(stem + u'.');
    }
    QStringList written;
    if (prefixes.isEmpty())
        return written;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (before.contains(entry.fileName()) || keep.contains(entry.absoluteFilePath()))
            continue;
        const bool ours = std::any_of(prefixes.cbegin(), prefixes.cend(), [&](const QString &p) {
            return entry.fileName().startsWith(p);
        });
        if (ours)
            written.append(entry.absoluteFilePath());
    }
    return written;
}

void YtDlpDownload::onExited(bool succeeded, int exitCode)
{
    readOutput();
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
