#include "YtDlpRun.h"

#include "YouTubeLog.h"
#include "YtDlpProcess.h"

#include <QFile>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

QString newName(const QString &dir, const QString &prefix, const QString &suffix)
{
    return dir + u'/' + prefix + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()
           + suffix;
}

// The file's bytes; nothing when it cannot be read.
QByteArray readAllOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

YtDlpRun::YtDlpRun(const YtDlpInvocation &invocation, const QString &tempDir, Completion done,
                   QObject *parent)
    : QObject(parent), m_done(std::move(done))
{
    m_outPath = newName(tempDir, u"lyrabox_out_"_s, u".json"_s);
    m_errPath = newName(tempDir, u"lyrabox_err_"_s, u".txt"_s);
    for (const QString &path : {m_outPath, m_errPath}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const QString reason = file.errorString();
            removeFiles();
            complete(YouTubeError::systemError(reason));
            return;
        }
    }

    m_process = std::make_unique<YtDlpProcess>(invocation);
    m_process->setStandardOutputFile(m_outPath, QIODevice::Append);
    m_process->setStandardErrorFile(m_errPath, QIODevice::Append);
    connect(m_process.get(), &YtDlpProcess::exited, this, &YtDlpRun::onExited);
    connect(m_process.get(), &YtDlpProcess::launchFailed, this, [this](const QString &message) {
        removeFiles();
        complete(YouTubeError::commandFailed(message));
    });
    m_process->start();
}

YtDlpRun::~YtDlpRun()
{
    m_process.reset(); // kills and reaps a child still running
    removeFiles();
}

void YtDlpRun::onExited(bool succeeded, int exitCode)
{
    const QByteArray output = readAllOf(m_outPath);
    const QByteArray errorBytes = readAllOf(m_errPath);
    removeFiles();
    if (!succeeded) {
        const QString errorText = YtDlpProcess::errorText(errorBytes);
        qCCritical(lcYouTube, "yt-dlp failed (exit %d): %s", exitCode, qUtf8Printable(errorText));
        complete(YouTubeError::commandFailed(errorText));
        return;
    }
    qCInfo(lcYouTube, "yt-dlp done, output: %lld bytes", static_cast<long long>(output.size()));
    complete(output);
}

void YtDlpRun::removeFiles()
{
    QFile::remove(m_outPath);
    QFile::remove(m_errPath);
}

void YtDlpRun::complete(YouTubeResult<QByteArray> result)
{
    if (m_completed)
        return;
    m_completed = true;
    QMetaObject::invokeMethod(
        this,
        [this, result = std::move(result)] {
            Completion done = std::exchange(m_done, nullptr);
            deleteLater();
            done(result);
        },
        Qt::QueuedConnection);
}
