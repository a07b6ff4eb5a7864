#include "YouTubeToolPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

YouTubeToolPaths YouTubeToolPaths::standard()
{
    const QString home = QDir::homePath();
    YouTubeToolPaths paths;
    paths.ffmpegDirectories = {u"/opt/homebrew/bin"_s, u"/usr/local/bin"_s, u"/usr/bin"_s};
    paths.ytDlpPaths = {u"/opt/homebrew/bin/yt-dlp"_s, u"/usr/local/bin/yt-dlp"_s,
                        u"/usr/bin/yt-dlp"_s, home + u"/.local/bin/yt-dlp"_s,
                        home + u"/bin/yt-dlp"_s};
    paths.loginShell = defaultLoginShell();
    paths.tempParent = QDir::tempPath();
    return paths;
}

QString YouTubeToolPaths::defaultLoginShell()
{
    if (QFileInfo::exists(u"/bin/zsh"_s))
        return u"/bin/zsh"_s;
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_shell
                                                     && entry->pw_shell[0] != '\0')
        return QFile::decodeName(entry->pw_shell);
    return u"/bin/sh"_s;
}
