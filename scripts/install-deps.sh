#!/usr/bin/env bash
# Installs the Debian 12 packages Lyrabox builds, runs and tests with.
# Idempotent: touches apt only when a package is missing. Works as root or via sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-declarative-dev libqt6svg6 qt6-svg-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtquick-dialogs
  qml6-module-qt-labs-folderlistmodel qml6-module-qt-labs-qmlmodels qml6-module-qtqml-workerscript
  qml6-module-qttest
  qml6-module-qtqml qml6-module-qtqml-models qt6-declarative-dev-tools
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libmpv-dev libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev playerctl
  xvfb xauth libgl1-mesa-dri libegl1 ffmpeg yt-dlp mpv locales dbus
  fonts-noto-core fonts-dejavu-core python3 bc
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
