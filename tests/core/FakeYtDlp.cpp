#include "FakeYtDlp.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

void writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write %s", qPrintable(path));
    if (executable)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

static QString contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

FakeYtDlp::FakeYtDlp() : m_dir(TestSupport::scratchRoot() + u"/fake-ytdlp-XXXXXX"_s)
{
    QDir().mkpath(tempParent());
    writeFile(toolPath(), R"SH(#!/bin/sh
here=$(dirname "$(dirname "$0")")
printf '%s\n' "$@" > "$here/args.txt"
printf '%s' "$PATH" > "$here/path.txt"
for a in "$@"; do [ "$prev" = "-o" ] && out_dir=$(dirname "$a" | sed 's/%%/%/g'); prev="$a"; done
. "$prev"
)SH");
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
    writeFile(path, shellCode.toUtf8(), false);
    return path;
}

QStringList FakeYtDlp::lastArguments() const
{
    return contentOf(root() + u"/args.txt"_s).split(u'\n', Qt::SkipEmptyParts);
}

QString FakeYtDlp::lastPath() const
{
    return contentOf(root() + u"/path.txt"_s);
}

QStringList FakeYtDlp::strayTempFiles() const
{
    QStringList stray;
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &dir : QDir(tempParent()).entryInfoList(all)) {
        for (const QString &name : QDir(dir.absoluteFilePath()).entryList(all)) {
            if (name != "LyraboxStream"_L1)
                stray << name;
        }
    }
    return stray;
}

void FakeYtDlp::open(const QString &gate) const
{
    writeFile(root() + u'/' + gate, {}, false);
}
