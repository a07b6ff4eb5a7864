#!/usr/bin/env bash
# Playback figures: play-start-ms, playback-cpu-ratio, chapter-tick-us.
# Usage: bench/playback.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
bench="$build/bench/PlaybackBench"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=5" -c:a libmp3lame -b:a 128k "$work/short.mp3"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=60" -c:a libmp3lame -b:a 128k "$work/minute.mp3"

"$bench" chapter-tick
"$bench" play-start "$work/short.mp3"
"$bench" cpu "$work/minute.mp3"
