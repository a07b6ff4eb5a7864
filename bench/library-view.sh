#!/usr/bin/env bash
# The Library and Playlists views over 100,000 items: search, sort, scroll, memory and
# playlist reordering, each against its baseline. Runs under Xvfb when there is no
# display. Usage: bench/library-view.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$build/bench-data/library-view"
mkdir -p "$work"
program=("$build/bench/bench_library_view" "$work")
# The program ends itself after 15 minutes; this is the backstop.
if [ -n "${DISPLAY:-}" ]; then
    exec timeout 1000 "${program[@]}"
fi
exec timeout 1000 xvfb-run -a -s "-screen 0 1600x1000x24" "${program[@]}"
