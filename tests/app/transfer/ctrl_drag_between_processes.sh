#!/usr/bin/env bash
# Ctrl+drags a box and a field from one process's design view into another
# process's empty form with XTest input (xdotool); run under xvfb-run. The
# target must save both objects and the source must keep its own.
# Usage: ctrl_drag_between_processes.sh DRIVER [SCREENSHOT]
set -euo pipefail
driver=$1
shot=${2:-}
work=$(mktemp -d)
trap 'touch "$work/stop"; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

wait_ready() {
  for _ in $(seq 1 300); do
    grep -q '^ready' "$1" 2>/dev/null && break
    sleep 0.1
  done
  grep -q '^ready' "$1" || { echo "$2 never got ready"; cat "${1%.out}.err"; exit 1; }
}

"$driver" dragfrom "$work/stop" 0 0 > "$work/a.out" 2> "$work/a.err" &
source_pid=$!
"$driver" dropinto "$work/b.qwm" "$work/stop" 700 0 > "$work/b.out" 2> "$work/b.err" &
target_pid=$!
wait_ready "$work/a.out" "the source"
wait_ready "$work/b.out" "the target"
read -r _ ax ay < <(grep '^ready' "$work/a.out")
read -r _ bx by < <(grep '^ready' "$work/b.out")
echo "press at $ax,$ay in the source, release at $bx,$by in the target"

xdotool mousemove "$ax" "$ay"
sleep 0.3
xdotool mousedown 1
sleep 0.3
xdotool keydown ctrl
# Past the start distance first, then on in steps over the gap.
steps=20
for i in $(seq 1 $steps); do
  xdotool mousemove $((ax + (bx - ax) * i / steps)) $((ay + (by - ay) * i / steps))
  sleep 0.1
done
sleep 0.5
# The feedback over the target, while the button is still down.
if [ -n "$shot" ] && command -v import > /dev/null; then
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot"
fi
xdotool mouseup 1
sleep 0.3
xdotool keyup ctrl
sleep 0.5

touch "$work/stop"
wait "$source_pid" || { echo "the source failed"; cat "$work/a.err"; exit 1; }
wait "$target_pid" || { echo "the target failed"; cat "$work/b.err"; exit 1; }
cat "$work/a.out" "$work/b.out"
grep -q '^kept 2$' "$work/a.out" || { echo "the source lost its objects"; exit 1; }
grep -q '^received 2$' "$work/b.out" || { echo "the target did not receive both objects"; exit 1; }
"$driver" dump "$work/b.qwm" 1
echo "the Ctrl+drag copied both objects into the other process"
