#pragma once

#include "ToolProcess.h"
#include "YtDlpInvocation.h"

// The child of one yt-dlp invocation, set up the same way for every runner: its
// program, arguments and environment, standard input from /dev/null, and the decoding
// of how it ended. The caller chooses where standard output and error go, connects to
// the two signals and calls start().
//
// Exactly one of the signals follows start(): `exited` when the child ran, or
// `launchFailed` when it could not start. Neither is emitted while it is destroyed
// (ToolProcess kills and reaps the child silently).
class YtDlpProcess : public ToolProcess
{
    Q_OBJECT

public:
    explicit YtDlpProcess(const YtDlpInvocation &invocation, QObject *parent = nullptr);

    // The text of yt-dlp's standard error; "Unknown error" when it is not UTF-8.
    static QString errorText(const QByteArray &standardError);

Q_SIGNALS:
    // `succeeded`: exit status 0 without a crash.
    void exited(bool succeeded, int exitCode);
    // "Failed to launch: " and the system's reason.
    void launchFailed(const QString &message);
};
