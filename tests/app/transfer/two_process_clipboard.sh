#!/usr/bin/env bash
# Copies a page of a form in one process and pastes it in another over the
# X clipboard, for each page given; run under xvfb-run. The pasted form must
# hold the same objects with the same typefaces.
# Usage: two_process_clipboard.sh DRIVER FORM PAGE...
set -euo pipefail
driver=$1
form=$2
shift 2
work=$(mktemp -d)
trap 'touch "$work/stop"; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

for page in "$@"; do
  rm -f "$work/stop" "$work/a.out"
  "$driver" copy "$form" "$page" "$work/stop" > "$work/a.out" 2> "$work/a.err" &
  copier=$!
  for _ in $(seq 1 300); do
    grep -q '^ready' "$work/a.out" 2>/dev/null && break
    sleep 0.1
  done
  grep '^ready' "$work/a.out" || { echo "the copying process never got ready"; cat "$work/a.err"; exit 1; }

  "$driver" paste "$work/b.qwm"
  touch "$work/stop"
  wait "$copier"

  "$driver" dump "$form" "$page" > "$work/a.txt"
  "$driver" dump "$work/b.qwm" 1 > "$work/b.txt"
  echo "page $page copied:"; cat "$work/a.txt"
  echo "pasted:"; cat "$work/b.txt"
  [ -s "$work/a.txt" ] || { echo "the form has no objects on page $page"; exit 1; }
  # The same kinds and faces, whatever order the paste put them in.
  diff <(sort "$work/a.txt") <(sort "$work/b.txt")
done
echo "the pasted forms hold the copied objects with their faces"
