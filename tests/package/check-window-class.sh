#!/usr/bin/env bash
# Docks and task switchers match a window to its desktop entry by the window's
# class: starts the program on a private X server and compares its WM_CLASS with
# the entry's StartupWMClass.
# Usage: check-window-class.sh PROGRAM DESKTOP_ENTRY
set -euo pipefail
program=$1
entry=$2

# shellcheck source=tests/lib/x11-session.sh
. "$(dirname "$0")/../lib/x11-session.sh"
begin_session

start_xvfb 10 || { echo "FAIL: Xvfb did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" &
app_pid=$!
track "$app_pid"
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1) || true
[ -n "$window" ] || { echo "FAIL: the program showed no window"; exit 1; }

# WM_CLASS(STRING) = "instance", "class"
class=$(x_retry xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
echo "WM_CLASS class: '$class', StartupWMClass: '$expected'"
[ -n "$class" ] && [ "$class" = "$expected" ]
