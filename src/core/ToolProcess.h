#pragma once

#include <QProcess>

// A child process of one of our tools. It leads a process group of its own, so that
// the helpers it starts (yt-dlp starts ffmpeg) can be stopped with it. Destroying a
// running ToolProcess kills the whole group and reaps the child: no zombie, no
// orphaned helper, and no signal is emitted from the destructor.
class ToolProcess : public QProcess
{
    Q_OBJECT

public:
    explicit ToolProcess(QObject *parent = nullptr);
    ~ToolProcess() override;

    // Kills the child and its group now; `finished` follows as for any exit.
    void killGroup();

    // Runs the child (and so its helpers) at this niceness (0 to 19) rather than ours: work
    // that runs in the background, many at a time, then leaves the window the processor
    // first. Set before start().
    void setNiceness(int niceness) { m_niceness = niceness; }

private:
    int m_niceness = 0;
};
