#!/usr/bin/env bash
# Generates the import benchmark corpora under DIR (kept between runs):
#   DIR/import/  10,000 small tagged mp3 files, each with a cover and two chapters
#   DIR/sample/  the first 500 of them
#   DIR/shared/  10,000 names (hard links) of one mp3 carrying a 200 KB cover
set -euo pipefail
dir="$1"
count="${2:-10000}"
mkdir -p "$dir"
cd "$dir"
[ -f .done-$count ] && exit 0

cat > meta.txt <<'META'
;FFMETADATA1
title=Benchmark Track
artist=Benchmark Artist
album=Benchmark Album
[CHAPTER]
TIMEBASE=1/1000
START=0
END=500
title=Opening
[CHAPTER]
TIMEBASE=1/1000
START=500
END=1000
title=Closing
META
ffmpeg -v error -y -f lavfi -i "color=c=0x3366aa:s=64x64" -frames:v 1 small.png
ffmpeg -v error -y -f lavfi -i "nullsrc=s=300x300,geq=random(1)*255:random(1)*255:random(1)*255" \
    -frames:v 1 big.png
make_mp3() { # cover output
    ffmpeg -v error -y -f lavfi -i "sine=frequency=440:duration=1" -i "$1" -i meta.txt \
        -map 0:a -map 1:v -map_metadata 2 -map_chapters 2 -c:a libmp3lame -b:a 32k -c:v png \
        -disposition:v attached_pic -id3v2_version 3 "$2"
}
make_mp3 small.png small.mp3
make_mp3 big.png big.mp3

rm -rf import sample shared
mkdir -p import sample shared
for i in $(seq 1 "$count"); do
    cp small.mp3 "import/Track $i.mp3"
    ln big.mp3 "shared/Chapter $i.mp3"
done
for i in $(seq 1 500); do
    ln "import/Track $i.mp3" "sample/Track $i.mp3"
done
touch .done-$count
