#!/usr/bin/env bash
# Installs what is needed, builds and starts Lyrabox.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/src/app/lyrabox" "$@"
