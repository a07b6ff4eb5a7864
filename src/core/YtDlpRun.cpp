#include "YtDlpRun.h"

#include "ToolProcess.h"
#include "YouTubeLog.h"

#include <QFile>
#include <QStringDecoder>
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

// UTF-8 text; empty when the bytes are not UTF-8.
QString textOf(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

} // namespace

YtDlpRun::YtDlpRun(const QString &program, const QStringList &arguments,
                   const QProcessEnvironment &environment, const QString &tempDir,
                   Completion done, QObject *parent)
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

    m_process = std::make_unique<ToolProcess>();
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setProcessEnvironment(environment);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(m_outPath, QIODevice::Append);
    m_process->setStandardErrorFile(m_errPath, QIODevice::Append);
    connect(m_process.get(), &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                onFinished(exitCode, status == QProcess::CrashExit);
            });
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onLaunchFailed(m_process->errorString());
    });
    connect(m_process.get(), &QProcess::started, this, [arguments] {
        // The first argument of the caller, after our own "--ffmpeg-location DIR".
        const qsizetype first = arguments.value(0) == "--ffmpeg-location"_L1 ? 2 : 0;
        qCInfo(lcYouTube, "yt-dlp launched: %s ...", qUtf8Printable(arguments.value(first)));
    });
    m_process->start();
}

YtDlpRun::~YtDlpRun()
{
    m_process.reset(); // kills and reaps a child still running
    removeFiles();
}

void YtDlpRun::onLaunchFailed(const QString &reason)
{
    removeFiles();
    qCCritical(lcYouTube, "Failed to launch yt-dlp: %s", qUtf8Printable(reason));
    complete(YouTubeError::commandFailed(u"Failed to launch: "_s + reason));
}

void YtDlpRun::onFinished(int exitCode, bool crashed)
{
    const QByteArray output = readAllOf(m_outPath);
    const QString errorText = textOf(readAllOf(m_errPath));
    removeFiles();
    if (crashed || exitCode != 0) {
        qCCritical(lcYouTube, "yt-dlp failed (exit %d): %s", crashed ? -1 : exitCode,
                   qUtf8Printable(errorText));
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
