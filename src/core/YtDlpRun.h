#pragma once

#include "YtDlpInvocation.h"
#include "models/YouTubeError.h"

#include <QObject>
#include <functional>
#include <memory>

class YtDlpProcess;

// One run of yt-dlp whose whole standard output is wanted (information, streaming).
// Standard output and standard error go to two files in a private directory,
// "lyrabox_out_<UUID>.json" and "lyrabox_err_<UUID>.txt", read once the child has
// exited and then deleted.
//
// The run starts when constructed and reports exactly once, always later from the
// event loop (never from inside the constructor): the standard output bytes on exit
// status 0; commandFailed with the standard-error text ("Unknown error" when it is not
// UTF-8) on any other exit;
// commandFailed("Failed to launch: …") when the child cannot start; systemError
// when a temporary file cannot be made. It deletes itself after reporting.
// Destroying it earlier kills the child (and its helpers), reaps it, removes both
// files and reports nothing.
class YtDlpRun : public QObject
{
    Q_OBJECT

public:
    using Completion = std::function<void(const YouTubeResult<QByteArray> &)>;

    YtDlpRun(const YtDlpInvocation &invocation, const QString &tempDir, Completion done,
             QObject *parent);
    ~YtDlpRun() override;

private:
    void onExited(bool succeeded, int exitCode);
    void removeFiles();
    void complete(YouTubeResult<QByteArray> result);

    std::unique_ptr<YtDlpProcess> m_process;
    QString m_outPath;
    QString m_errPath;
    Completion m_done;
    bool m_completed = false;
};
