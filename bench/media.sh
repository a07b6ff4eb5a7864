#!/usr/bin/env bash
# Media inspection rate against a bare libavformat loop. Usage: bench/media.sh BUILD_DIR [FILE_COUNT]
set -euo pipefail
build="${1:?usage: bench/media.sh BUILD_DIR [FILE_COUNT]}"
"$build/bench/bench_media_inspection" "${2:-2000}"
