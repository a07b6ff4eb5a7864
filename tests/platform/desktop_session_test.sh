#!/usr/bin/env bash
# The real app in a session bus of its own: playerctl sees and drives what it plays, and
# a second "lyrabox FILE" hands the file to the first one and ends (one process stays).
# Needs a display (ctest runs under Xvfb). Usage: desktop_session_test.sh BUILD_DIR
set -euo pipefail
app="$1/src/app/lyrabox"
work="$(mktemp -d "${TMPDIR:-/tmp}/lyrabox-session-XXXXXX")"
bus_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

for title in First Second; do
    ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=440:duration=30" \
        -metadata title="$title Song" "$work/$title.mp3"
done
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/address" 4>"$work/pid"
export DBUS_SESSION_BUS_ADDRESS="$(head -1 "$work/address")"
bus_pid="$(head -1 "$work/pid")"
export HOME="$work/home" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
export LYRABOX_AUDIO_OUTPUT=null

wait_for() { # seconds, command...
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
title_is() { [ "$(playerctl -p lyrabox metadata title 2>/dev/null)" = "$1" ]; }

"$app" "$work/First.mp3" 2>"$work/first.log" &
app_pid=$!
wait_for 30 title_is "First Song" || fail "playerctl never saw the first file playing"
[ "$(playerctl -p lyrabox status)" = Playing ] || fail "not playing"
playerctl -p lyrabox pause
wait_for 5 test "$(playerctl -p lyrabox status)" = Paused || fail "pause did not reach the player"

start=$SECONDS
timeout 20 "$app" "$work/Second.mp3" "$work/missing.mp3" 2>"$work/second.log" \
    || fail "the second launch did not end well"
[ $((SECONDS - start)) -le 10 ] || fail "the second launch took too long"
grep -q 'skipped' "$work/second.log" || fail "the missing file was not reported"
wait_for 15 title_is "Second Song" || fail "the running instance did not play the handed file"
kill -0 "$app_pid" || fail "the first instance is gone"
[ "$(pgrep -c -f "^$app" || true)" -eq 1 ] || fail "more than one instance runs"

dbus-send --session --dest=org.mpris.MediaPlayer2.lyrabox --type=method_call \
    /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Quit
wait_for 15 bash -c "! kill -0 $app_pid" || fail "Quit did not end the app"
app_pid=""
echo "desktop session ok"
