#!/usr/bin/env bash
# End-to-end test of the real program on a virtual X server without a window manager,
# driven only from outside: xdotool moves the pointer, clicks and types; values are
# read back through the clipboard (select all, copy, xclip).
# Usage: run-e2e.sh RARUVID SCREENSHOT_PNG
# Exits 77 (skipped) only when the program has not been built.
set -euo pipefail

program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/lib/outcome.sh
. "$here/../lib/outcome.sh"
# shellcheck source=tests/lib/x11-session.sh
. "$here/../lib/x11-session.sh"
[ -x "$program" ] || skip "$program is not built"
begin_session
work=$session_work

start_xvfb 5 || { echo "FAIL: Xvfb did not start"; exit 1; }

# The X server of some sandboxes now and then resets a new connection.
xdotool() {
    x_retry command xdotool "$@"
}

# The first visible window with this exact name, waiting up to ten seconds.
find_window() {
    local found
    for _ in $(seq 50); do
        found=$(command xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}

xdotool mousemove 0 0

# A sanitizer build reports leaks at exit; those of the system libraries are not ours.
export LSAN_OPTIONS="suppressions=$here/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# A start whose connection to the server was reset is tried once more.
window=
for _ in 1 2; do
    "$program" >"$work/raruvid.log" 2>&1 &
    app_pid=$!
    track "$app_pid"
    window=$(find_window '^Raruvid Udodidevud$') && break
    kill -0 "$app_pid" 2>/dev/null && break
    wait "$app_pid" || true
    app_pid=
done
[ -n "$window" ] || { echo "FAIL: no calculator window"; cat "$work/raruvid.log"; exit 1; }

# Dialog units to pixels: 6 per 4 horizontally, 13 per 8 vertically, halves rounded up.
px_x() { echo $((($1 * 6 + 2) / 4)); }
px_y() { echo $((($1 * 13 + 4) / 8)); }

# Clicks the middle of a control given by its template rectangle (dialog units).
click_control() {
    local x y
    x=$(($(px_x "$1") + $(px_x "$3") / 2))
    y=$(($(px_y "$2") + $(px_y "$4") / 2))
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.1
}

key_1() { click_control 92 93 27 15; }
key_2() { click_control 118 93 27 15; }
key_plus() { click_control 170 111 27 15; }
key_equals() { click_control 196 111 27 15; }
key_cal() { click_control 35 194 38 11; }
result_field() { click_control 5 20 218 14; }
express_field() { click_control 38 156 185 14; }

# The result field's text, copied to the clipboard from inside the program.
read_result() {
    result_field
    xdotool key ctrl+a ctrl+c
    sleep 0.1
    timeout 5 xclip -o -selection clipboard 2>/dev/null || true
}

expect_result() {
    local expected=$1 what=$2 shown=
    for _ in $(seq 20); do
        shown=$(read_result)
        [ "$shown" = "$expected" ] && { echo "ok: $what shows $expected"; return; }
        sleep 0.2
    done
    fail "$what shows '$shown', expected '$expected'"
}

geometry() {
    xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); print p[1], p[2] } /Geometry/ { print $2 }' | tr '\n' ' '
}

sleep 0.5
read -r left top size <<<"$(geometry)"
if [ "$size" = "344x345" ]; then
    echo "ok: window is 344x345"
else
    fail "window is $size, expected 344x345"
fi
if [ $((left - 340)) -ge -1 ] && [ $((left - 340)) -le 1 ] && [ $((top - 211)) -ge -1 ] && [ $((top - 211)) -le 1 ]; then
    echo "ok: window centred at $left,$top"
else
    fail "window at $left,$top, expected centred near 340,211"
fi
if x_retry import -window "$window" "png:$screenshot" 2>/dev/null; then
    echo "ok: screenshot in $screenshot"
else
    fail "no screenshot"
fi

key_1
key_plus
key_2
key_equals
expect_result 3 '"1" "+" "2" "="'

key_cal
expect_result 0.678560500673256 "Cal with the initial fields"

express_field
xdotool key ctrl+a
xdotool type --delay 20 'a1^2+a2 MOD 7'
key_cal
expect_result 903 "Cal of a1^2+a2 MOD 7"

# Cal with an empty result field: the message box is captioned with the
# executable's name, and after it nothing typed is lost. "a1+1" is still the
# formula when Cal runs again with a number in the result field.
express_field
xdotool key ctrl+a
xdotool type --delay 20 'a1+1'
result_field
xdotool key ctrl+a BackSpace
key_cal
if box=$(find_window '^raruvid$'); then
    echo "ok: message box captioned raruvid"
    xdotool windowfocus --sync "$box" key Return
    sleep 0.3
else
    fail "no message box captioned raruvid"
fi
xdotool mousemove --window "$window" 171 44 click 1 type 5
key_cal
expect_result 31 "Cal after the message, with the typed formula a1+1"

# Screen coordinates: the window moves under the pointer during the drag.
read -r left top _ <<<"$(geometry)"
xdotool mousemove $((left + 100)) $((top + 10)) mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((left + 100 + step * 10)) $((top + 10 + step * 8))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.2
read -r moved_left moved_top _ <<<"$(geometry)"
if [ "$moved_left" -eq $((left + 50)) ] && [ "$moved_top" -eq $((top + 40)) ]; then
    echo "ok: caption drag moved the window by 50,40"
else
    fail "caption drag moved the window from $left,$top to $moved_left,$moved_top, expected $((left + 50)),$((top + 40))"
fi

xdotool mousemove --window "$window" 171 44 key Escape
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "Escape did not end the program"
else
    status=0
    wait "$app_pid" || status=$?
    app_pid=
    if [ "$status" -eq 0 ]; then
        echo "ok: Escape ended the program"
    else
        fail "the program ended with status $status"
        cat "$work/raruvid.log"
    fi
fi

exit $((failures > 0))
