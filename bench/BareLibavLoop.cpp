// Baseline for the import benchmark: the least work any importer must do per file
// with libavformat (open, find stream info, close), one file after another on one
// thread. Usage: bench_bare_libav FOLDER; prints "<files> <seconds> <opened>".
#include "BareLibav.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <cstdio>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_bare_libav FOLDER\n");
        return 2;
    }
    av_log_set_level(AV_LOG_QUIET);
    QElapsedTimer timer;
    timer.start();
    QStringList files;
    QDirIterator it(QFile::decodeName(argv[1]), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    long opened = 0;
    for (const QString &file : std::as_const(files))
        opened += bareLibavOpen(QFile::encodeName(file)) ? 1 : 0;
    std::printf("%lld %.6f %ld\n", static_cast<long long>(files.size()),
                double(timer.nsecsElapsed()) / 1e9, opened);
    return 0;
}
