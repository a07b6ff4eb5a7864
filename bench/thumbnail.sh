#!/usr/bin/env bash
# Video thumbnail: one 320x180 picture from a 1080p H.264 file (60 s, a key frame every
# 250 pictures) through VideoFrameGrabber, against a bare libavcodec loop doing the
# same open, seek, decode and scale. Usage: bench/thumbnail.sh BUILD_DIR [GRABS]
set -euo pipefail
build="$(cd "${1:?usage: bench/thumbnail.sh BUILD_DIR [GRABS]}" && pwd)"
data="$build/bench-data"
video="$data/thumbnail-1080p.mp4"
mkdir -p "$data"
if [ ! -s "$video" ]; then
    ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc2=size=1920x1080:rate=25:duration=60 \
        -c:v libx264 -preset ultrafast -g 250 -pix_fmt yuv420p "$video.part.mp4"
    mv "$video.part.mp4" "$video"
fi
exec "$build/bench/bench_thumbnail" "$video" "${2:-21}"
