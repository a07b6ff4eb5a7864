#include "FakeYtDlp.h"

#include "TestSupport.h"

#include <QDir>

using namespace Qt::StringLiterals;
using TestSupport::readFile;
using TestSupport::writeFile;

FakeYtDlp::FakeYtDlp() : m_dir(TestSupport::scratchRoot() + u"/fake-ytdlp-XXXXXX"_s)
{
    QDir().mkpath(tempParent());
    writeFile(toolPath(), R"SH(#!/bin/sh
here=$(dirname "$(dirname "$0")")
printf '%s\n' "$@" > "$here/args.txt"
printf '%s' "$PATH" > "$here/path.txt"
for a in "$@"; do [ "$prev" = "-o" ] && out_dir=$(dirname "$a" | sed 's/%%/%/g'); prev="$a"; done
. "$prev"
)SH",
              true);
}

YouTubeToolPaths FakeYtDlp::paths() const
{
    YouTubeToolPaths paths;
    paths.ytDlpPaths = {toolPath()};
    paths.loginShell = root() + u"/no-such-shell"_s;
    paths.tempParent = tempParent();
    return paths;
}

QString FakeYtDlp::scenario(const QString &name, const QString &shellCode) const
{
    const QString path = root() + u'/' + name + u".sh"_s;
    writeFile(path, shellCode.toUtf8());
    return path;
}

QStringList FakeYtDlp::lastArguments() const
{
    return QString::fromUtf8(readFile(root() + u"/args.txt"_s)).split(u'\n', Qt::SkipEmptyParts);
}

QString FakeYtDlp::lastPath() const
{
    return QString::fromUtf8(readFile(root() + u"/path.txt"_s));
}

QStringList FakeYtDlp::strayTempFiles() const
{
    QStringList stray;
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &dir : QDir(tempParent()).entryInfoList(all))
        stray += QDir(dir.absoluteFilePath()).entryList(all);
    stray.removeAll(u"LyraboxStream"_s);
    return stray;
}

void FakeYtDlp::open(const QString &gate) const
{
    writeFile(root() + u'/' + gate);
}
