#pragma once

#include "core/YouTubeToolPaths.h"

#include <QStringList>
#include <QTemporaryDir>

// A stand-in for yt-dlp: a shell script that records its arguments and its PATH, then
// runs the scenario named by its last argument (the address) as shell code. Scenarios
// see $out_dir, the folder of the "-o" template, and $here, the fake's own folder.
class FakeYtDlp
{
public:
    FakeYtDlp();

    QString root() const { return m_dir.path(); }
    QString toolPath() const { return root() + QStringLiteral("/bin/yt-dlp"); }
    QString tempParent() const { return root() + QStringLiteral("/tmp"); }
    // Tool tables that find only this fake, with no ffmpeg and no usable login shell.
    YouTubeToolPaths paths() const;
    // Writes a scenario file and returns its path, to be passed as the address.
    QString scenario(const QString &name, const QString &shellCode) const;
    // The arguments and PATH of the last run of the fake.
    QStringList lastArguments() const;
    QString lastPath() const;
    // Tool output files left behind in the private directory (beside the streaming folder).
    QStringList strayTempFiles() const;
    // Creates `gate` in the fake's folder; scenarios wait for such gates.
    void open(const QString &gate) const;

private:
    QTemporaryDir m_dir;
};
