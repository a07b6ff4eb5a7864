#!/usr/bin/env bash
# The Debian package: it builds from this build tree, holds the binary and the desktop
# files, and the binary taken out of it with dpkg -x shows its window (needs a display).
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/lyrabox-package-XXXXXX")"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb="$(ls "$work"/out/lyrabox_*.deb)"
contents="$(dpkg-deb --contents "$deb")"
for path in ./usr/bin/lyrabox ./usr/share/applications/lyrabox.desktop \
            ./usr/share/metainfo/io.github.lyrabox.Lyrabox.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/lyrabox.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libmpv2 libqt6quick6 qml6-module-qtquick-controls; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
grep -q yt-dlp <<<"$(dpkg-deb --field "$deb" Recommends)" || { echo "yt-dlp not recommended"; exit 1; }

dpkg -x "$deb" "$work/root"
out="$(LYRABOX_BENCH_FIRST_FRAME=1 LYRABOX_AUDIO_OUTPUT=null HOME="$work/home" \
       timeout 60 "$work/root/usr/bin/lyrabox" 2>/dev/null || true)"
grep -qx first-frame <<<"$out" || { echo "the packaged binary did not show its window"; exit 1; }
echo "package ok: $(basename "$deb")"
