#!/usr/bin/env bash
# Runs the natural-sort benchmark. Usage: bench/sort.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: bench/sort.sh BUILD_DIR}"
exec "$build/bench/bench_sort"
