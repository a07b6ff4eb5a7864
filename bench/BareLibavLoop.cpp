// Baseline for the import benchmark: the least work any importer must do per file
// with libavformat (open, find stream info, close), one file after another on one
// thread. Usage: bench_bare_libav FOLDER; prints "<files> <seconds>".
extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_bare_libav FOLDER\n");
        return 2;
    }
    av_log_set_level(AV_LOG_QUIET);
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(argv[1])) {
        if (entry.is_regular_file())
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    long opened = 0;
    for (const std::string &path : files) {
        AVFormatContext *ctx = nullptr;
        if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) == 0) {
            if (avformat_find_stream_info(ctx, nullptr) >= 0)
                ++opened;
            avformat_close_input(&ctx);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu %.6f %ld\n", files.size(), seconds, opened);
    return 0;
}
