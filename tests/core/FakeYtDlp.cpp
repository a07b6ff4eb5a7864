#include "FakeYtDlp.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

void writeExecutable(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

FakeYtDlp::FakeYtDlp() : m_dir(TestSupport::scratchRoot() + u"/fake-ytdlp-XXXXXX"_s)
{
    QDir().mkpath(tempParent());
    writeExecutable(toolPath(), R"SH(#!/bin/sh
here=$(dirname "$(dirname "$0")")
: > "$here/args.txt"
for a in "$@"; do printf '%s\n' "$a" >> "$here/args.txt"; done
printf '%s' "$PATH" > "$here/path.txt"
prev=""; address=""
for a in "$@"; do
  if [ "$prev" = "-o" ]; then out_dir=$(dirname "$a" | sed 's/%%/%/g'); fi
  prev="$a"; address="$a"
done
. "$address"
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(shellCode.toUtf8());
    return path;
}

static QString contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList FakeYtDlp::lastArguments() const
{
    QStringList lines = contentOf(root() + u"/args.txt"_s).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString FakeYtDlp::lastPath() const
{
    return contentOf(root() + u"/path.txt"_s);
}

QStringList FakeYtDlp::strayTempFiles() const
{
    QStringList stray;
    const QFileInfoList privateDirs =
        QDir(tempParent()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &dir : privateDirs) {
        const QStringList names =
            QDir(dir.absoluteFilePath())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QString &name : names) {
            if (name != "LyraboxStream"_L1)
                stray << name;
        }
    }
    return stray;
}

void FakeYtDlp::open(const QString &gate) const
{
    QFile file(root() + u'/' + gate);
    file.open(QIODevice::WriteOnly);
}
