#!/usr/bin/env bash
# User-interface benchmarks: first frame of the main window against a bare Qt Quick
# window, and CPU while playing an mp3 against mpv. Runs under Xvfb when there is no
# display. Usage: bench/ui.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
if [ -n "${DISPLAY:-}" ]; then
    exec "$build/bench/bench_ui" "$build"
fi
exec xvfb-run -a -s "-screen 0 1600x1000x24" "$build/bench/bench_ui" "$build"
