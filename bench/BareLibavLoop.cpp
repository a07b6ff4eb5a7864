// Opens each file given on the command line with libavformat (open, find stream info,
// close) on one thread and prints the rate: the baseline for import benchmarks.
//   bench_bare_libav FILE...
#include "BareLibav.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: bench_bare_libav FILE...\n");
        return 2;
    }
    av_log_set_level(AV_LOG_QUIET);
    QElapsedTimer timer;
    timer.start();
    int opened = 0;
    for (const QString &file : files)
        opened += bareLibavOpen(QFile::encodeName(file)) ? 1 : 0;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("files=%lld opened=%d seconds=%.4f files_per_second=%.1f\n",
                static_cast<long long>(files.size()), opened, seconds,
                seconds > 0 ? double(files.size()) / seconds : 0.0);
    return 0;
}
