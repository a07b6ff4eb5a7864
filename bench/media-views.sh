#!/usr/bin/env bash
# The Audiobooks and Videos sections: the grid of 10,000 videos scrolling, a 300-chapter
# book opened, 300 books scrolling, each against its baseline. Runs under Xvfb when there is no
# display. Usage: bench/media-views.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$build/bench-data/media-views"
mkdir -p "$work"
program=("$build/bench/bench_media_views" "$work")
# The program ends itself after 10 minutes; this is the backstop.
if [ -n "${DISPLAY:-}" ]; then
    exec timeout 700 "${program[@]}"
fi
exec timeout 700 xvfb-run -a -s "-screen 0 1600x1000x24" "${program[@]}"
