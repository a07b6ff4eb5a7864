#include "ToolProcess.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

ToolProcess::ToolProcess(QObject *parent) : QProcess(parent)
{
    // Runs in the child between fork and exec: system calls only.
    setChildProcessModifier([this] {
        ::setpgid(0, 0);
        if (m_niceness > 0)
            ::setpriority(PRIO_PROCESS, 0, m_niceness);
    });
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
