#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the full build (warnings as
# errors) under Xvfb, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Usage: scripts/test.sh [ctest args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/build.sh" "$root/build" -DLYRABOX_WERROR=ON
(cd "$root/build" && xvfb-run -a -s "-screen 0 1600x1000x24" \
    ctest --output-on-failure -j "$jobs" "$@")

"$root/scripts/build.sh" "$root/build-asan" -DLYRABOX_WERROR=ON -DLYRABOX_SANITIZE=ON \
    -DLYRABOX_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0 \
    ctest --output-on-failure -j "$jobs" -L 'unit|media' "$@")
