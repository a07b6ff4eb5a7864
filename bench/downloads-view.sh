#!/usr/bin/env bash
# The Downloads view: the longest GUI-thread stall while 20 downloads by yt-dlp run from a
# loopback server (against no view), and 1,000 rows scrolling (against a bare list).
# Runs under Xvfb when there is no display. Usage: bench/downloads-view.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$build/bench-data/downloads-view"
mkdir -p "$work"
# The tools' log lines would drown the figures.
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-YouTube.info=false;YouTube.critical=false}"
program=("$build/bench/bench_downloads_view" "$work")
# The program ends itself after 10 minutes; this is the backstop.
if [ -n "${DISPLAY:-}" ]; then
    exec timeout 700 "${program[@]}"
fi
exec timeout 700 xvfb-run -a -s "-screen 0 1600x1000x24" "${program[@]}"
