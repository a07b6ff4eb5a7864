#!/usr/bin/env bash
# The catalogues are current: lupdate, run over the sources with the build's options on
# copies of the .ts files, finds no text missing from them and none left unfinished or
# empty. Usage: translations_test.sh LUPDATE SOURCES_LIST "OPTIONS" TS_FILE...
set -euo pipefail
lupdate="$1" sources="$2" options="$3"
shift 3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$@"; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
# shellcheck disable=SC2086 # the options are words
"$lupdate" "@$sources" -ts "${copies[@]}" $options

status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  if ! cmp -s "$ts" "$copy"; then
    echo "FAIL: $(basename "$ts") is behind the sources (build the target update_translations):"
    diff "$ts" "$copy" | head -40
    status=1
  fi
  # Unfinished entries, and translations left empty (shown in English).
  if grep -n -B3 -E 'type="unfinished"|<translation></translation>|<numerusform></numerusform>' "$copy" \
       | grep -o '<source>.*</source>'; then
    echo "FAIL: $(basename "$ts") has the texts above untranslated"
    status=1
  fi
done
exit $status
