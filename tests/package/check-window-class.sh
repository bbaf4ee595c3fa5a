#!/usr/bin/env bash
# Docks and task switchers match a window to its desktop entry by the window's
# class: starts the program on a private X server and compares its WM_CLASS with
# the entry's StartupWMClass.
# Usage: check-window-class.sh PROGRAM DESKTOP_ENTRY
set -euo pipefail
program=$1
entry=$2

work=$(mktemp -d)
pids=()
# The program goes before its X server, so it does not report a broken connection.
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

QT_QPA_PLATFORM=xcb "$program" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "${pids[1]}" | head -n 1) || true
[ -n "$window" ] || { echo "FAIL: the program showed no window"; exit 1; }

# WM_CLASS(STRING) = "instance", "class"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
echo "WM_CLASS class: '$class', StartupWMClass: '$expected'"
[ -n "$class" ] && [ "$class" = "$expected" ]
