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
};
