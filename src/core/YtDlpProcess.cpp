#include "YtDlpProcess.h"

#include "YouTubeLog.h"

#include <QCoreApplication>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

YtDlpProcess::YtDlpProcess(const YtDlpInvocation &invocation, QObject *parent) : ToolProcess(parent)
{
    setProgram(invocation.program);
    setArguments(invocation.arguments());
    setProcessEnvironment(invocation.environment);
    setStandardInputFile(QProcess::nullDevice());

    connect(this, &QProcess::started, this, [address = invocation.address] {
        qCInfo(lcYouTube, "yt-dlp launched for %s", qUtf8Printable(address));
    });
    connect(this, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const bool crashed = status == QProcess::CrashExit;
        Q_EMIT exited(!crashed && exitCode == 0, crashed ? -1 : exitCode);
    });
    connect(this, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCCritical(lcYouTube, "Failed to launch yt-dlp: %s", qUtf8Printable(errorString()));
        Q_EMIT launchFailed(QCoreApplication::translate("YtDlpProcess", "Failed to launch: ") +
                            errorString());
    });
}

QString YtDlpProcess::errorText(const QByteArray &standardError)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(standardError);
    if (decoder.hasError())
        return QCoreApplication::translate("YtDlpProcess", "Unknown error");
    return text;
}
