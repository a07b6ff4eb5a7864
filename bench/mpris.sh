#!/usr/bin/env bash
# MPRIS2: from play to playerctl seeing the new title, on a private session bus.
# Usage: bench/mpris.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: bench/mpris.sh BUILD_DIR}"
exec timeout 120 "$build/bench/bench_mpris"
