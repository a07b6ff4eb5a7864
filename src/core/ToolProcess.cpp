#include "ToolProcess.h"

#include <csignal>
#include <unistd.h>

ToolProcess::ToolProcess(QObject *parent) : QProcess(parent)
{
    setChildProcessModifier([] { ::setpgid(0, 0); });
}

ToolProcess::~ToolProcess()
{
    blockSignals(true);
    if (state() != QProcess::NotRunning) {
        killGroup();
        // The child has been sent SIGKILL: this only collects its exit status.
        waitForFinished(5000);
    }
}

void ToolProcess::killGroup()
{
    const qint64 pid = processId();
    if (pid > 0)
        ::kill(static_cast<pid_t>(-pid), SIGKILL);
    kill();
}
