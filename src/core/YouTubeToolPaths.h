#pragma once

#include <QString>
#include <QStringList>

// Where YouTubeService looks for its tools and keeps its temporary files.
// standard() gives the program's tables; tests give their own.
struct YouTubeToolPaths
{
    // Directories tried in order for an "ffmpeg" executable.
    QStringList ffmpegDirectories;
    // Paths tried in order for the yt-dlp executable.
    QStringList ytDlpPaths;
    // The login shell asked "which yt-dlp" when no fixed path holds the tool.
    QString loginShell;
    // The shared directory that holds our private temporary directory.
    QString tempParent;

    static YouTubeToolPaths standard();
    // "/bin/zsh" when it exists, else the user's login shell from the password
    // database, else "/bin/sh".
    static QString defaultLoginShell();
};
