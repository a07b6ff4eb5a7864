#!/usr/bin/env bash
# Library benchmarks: import speed against bare libavformat and against ffprobe,
# search, store scaling and memory per item. Usage: bench/library.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
data="$build/bench-data"
"$here/make-corpus.sh" "$data"

scan="$build/tools/lyrabox-scan/lyrabox-scan"
now() { date +%s.%N; }

# Warm the page cache so both sides read from memory.
cat "$data"/import/* > /dev/null
"$build/bench/bench_bare_libav" "$data/import" > /dev/null

best_scan=""; best_bare=""
for round in 1 2 3; do
    t0=$(now); "$scan" "$data/import" > "$data/scan.json"; t1=$(now)
    s=$(echo "$t1 - $t0" | bc -l)
    read -r files bare_s opened < <("$build/bench/bench_bare_libav" "$data/import")
    if [ -z "$best_scan" ] || (( $(echo "$s < $best_scan" | bc -l) )); then best_scan=$s; fi
    if [ -z "$best_bare" ] || (( $(echo "$bare_s < $best_bare" | bc -l) )); then best_bare=$bare_s; fi
done
items=$(grep -c '"sortIndex"' "$data/scan.json" || true)
if [ "$items" -ne "$files" ]; then
    echo "lyrabox-scan imported $items of $files files" >&2
    exit 1
fi
ours=$(echo "$files / $best_scan" | bc -l)
bare=$(echo "$files / $best_bare" | bc -l)
printf 'BENCH import-files-per-s value=%.0f unit=files/s baseline=%.0f ratio=%.2f\n' \
    "$ours" "$bare" "$(echo "$ours / $bare" | bc -l)"

# One ffprobe process per file, as a script around the command-line tool would do.
t0=$(now)
for f in "$data"/sample/*.mp3; do
    ffprobe -v error -show_format -show_chapters -of json "$f" > /dev/null
done
t1=$(now)
probe=$(echo "500 / ($t1 - $t0)" | bc -l)
t0=$(now); "$scan" "$data/sample" > /dev/null; t1=$(now)
sample=$(echo "500 / ($t1 - $t0)" | bc -l)
printf 'BENCH import-vs-ffprobe value=%.0f unit=files/s baseline=%.1f ratio=%.1f\n' \
    "$sample" "$probe" "$(echo "$sample / $probe" | bc -l)"

"$build/bench/bench_library" search "$data/search"
"$build/bench/bench_library" memory "$data/shared" "$data/sample"
