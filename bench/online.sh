#!/usr/bin/env bash
# Online-video figures: JSON parsing, progress-line reading, 20 parallel downloads
# from a loopback server (needs yt-dlp and ffmpeg). Usage: bench/online.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: bench/online.sh BUILD_DIR}"
exec "$build/bench/online_bench"
