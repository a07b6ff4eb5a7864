#include "YtDlpDownload.h"

#include "ToolProcess.h"
#include "YouTubeLog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

YtDlpDownload::YtDlpDownload(const QString &program, const QStringList &arguments,
                             const QString &folder, QStringList candidateExtensions,
                             ProgressCallback onProgress, Completion done, QObject *parent)
    : QObject(parent),
      m_parser([this](double fraction, const QString &message) {
          if (!m_completed && m_onProgress)
              m_onProgress(fraction, message);
      }),
      m_folder(folder),
      m_candidateExtensions(std::move(candidateExtensions)),
      m_onProgress(std::move(onProgress)),
      m_done(std::move(done))
{
    m_process = std::make_unique<ToolProcess>();
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setStandardInputFile(QProcess::nullDevice());
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            [this] { m_parser.feed(m_process->readAllStandardOutput()); });
    connect(m_process.get(), &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                onFinished(exitCode, status == QProcess::CrashExit);
            });
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCCritical(lcYouTube, "Failed to launch yt-dlp: %s",
                   qUtf8Printable(m_process->errorString()));
        complete(YouTubeError::commandFailed(m_process->errorString()));
    });
    m_process->start();
}

YtDlpDownload::~YtDlpDownload() = default;

void YtDlpDownload::onFinished(int exitCode, bool crashed)
{
    m_parser.feed(m_process->readAllStandardOutput());
    m_parser.finish();
    if (crashed || exitCode != 0) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString errorText = decoder.decode(m_process->readAllStandardError());
        if (decoder.hasError())
            errorText = u"Unknown error"_s;
        qCCritical(lcYouTube, "yt-dlp download failed (exit %d): %s", crashed ? -1 : exitCode,
                   qUtf8Printable(errorText));
        complete(YouTubeError::downloadFailed(errorText));
        return;
    }
    complete(locateProducedFile(m_parser.destination(), m_candidateExtensions, m_folder));
}

YouTubeResult<QUrl> YtDlpDownload::locateProducedFile(const std::optional<QString> &destination,
                                                      const QStringList &candidateExtensions,
                                                      const QString &folder)
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
