#!/usr/bin/env bash
# The real program as a native Wayland client of Weston, in one of two setups:
#   headless  Weston's headless backend, which has no input devices: the keys are
#             pressed through the accessibility bus.
#   nested    Weston's X11 backend inside a virtual X server: xdotool's pointer
#             reaches the program as Wayland pointer events, so real clicks press
#             the keys and a caption drag is carried out by the compositor.
# Both press "1" "+" "1" "=", read 2 from the result field, and close the program.
# Usage: run-wayland.sh headless|nested RARUVID
# Exits 77 (skipped) when the program is not built or Weston cannot run here.
set -euo pipefail

mode=$1
program=$2
here=$(cd "$(dirname "$0")" && pwd)
case "$mode" in
    headless) needed=(weston dbus-daemon dbus-send) ;;
    nested) needed=(weston dbus-daemon dbus-send Xvfb xdotool) ;;
    *) echo "usage: run-wayland.sh headless|nested RARUVID" >&2; exit 2 ;;
esac

# shellcheck source=tests/lib/outcome.sh
. "$here/../lib/outcome.sh"
# shellcheck source=tests/lib/x11-session.sh
. "$here/../lib/x11-session.sh"
[ -x "$program" ] || skip "$program is not built"
require_commands "${needed[@]}"
require_pyatspi

# Weston wants a runtime folder of its own user, closed to others: the session's is.
begin_session
work=$session_work

export XDG_RUNTIME_DIR=$work
unset WAYLAND_DISPLAY WAYLAND_SOCKET
display_of_x=${DISPLAY-}
unset DISPLAY

weston_options=(--socket=wayland-raruvid --idle-time=0 --no-config --log="$work/weston.log")
if [ "$mode" = nested ]; then
    start_xvfb 5 || skip "Xvfb did not start"
    display_of_x=$DISPLAY
    unset DISPLAY
    # An output smaller than the X screen leaves room beside it for the pointer to leave it.
    weston_options+=(--backend=x11-backend.so --use-pixman --width=1000 --height=740)
else
    weston_options+=(--backend=headless-backend.so)
fi
DISPLAY=$display_of_x weston "${weston_options[@]}" >"$work/weston.out" 2>&1 &
weston_pid=$!
track "$weston_pid"
weston_is_up() {
    kill -0 "$weston_pid" 2>/dev/null && [ -S "$work/wayland-raruvid" ]
}
if ! wait_for weston_is_up; then
    cat "$work/weston.out" "$work/weston.log" 2>/dev/null || true
    skip "Weston ($mode) did not start here"
fi
echo "ok: Weston runs ($mode)"

dbus-daemon --session --nofork --address="unix:path=$work/bus" >"$work/dbus.log" 2>&1 &
track $!
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
wait_for test -S "$work/bus" || { cat "$work/dbus.log"; echo "FAIL: no session bus"; exit 1; }
# The accessibility bus is up before the program looks for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null

# WAYLAND_DEBUG logs every request and event on the program's connection.
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-raruvid WAYLAND_DEBUG=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" >"$work/raruvid.log" 2>&1 &
app_pid=$!
track "$app_pid"

calculator() {
    timeout 20 /usr/bin/python3 "$here/calculator-atspi.py" "$@"
}

expect_result() {
    local expected=$1 what=$2 shown=
    for _ in $(seq 25); do
        shown=$(calculator result) || break
        [ "$shown" = "$expected" ] && { echo "ok: $what shows $expected"; return; }
        sleep 0.2
    done
    fail "$what shows '$shown', expected '$expected'"
}

calculator result >/dev/null || { tail -n 40 "$work/raruvid.log"; echo "FAIL: the program did not come up"; exit 1; }
if grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org.raruvid.Raruvid")' "$work/raruvid.log"; then
    echo "ok: a native xdg-shell window named after the desktop entry"
else
    fail "no xdg-shell window with the app id org.raruvid.Raruvid"
fi

# The nested setup's pointer: xdotool positions on the X screen, where Weston's
# output begins at the top left corner.
pointer() {
    DISPLAY=$display_of_x xdotool "$@"
}

# Finds the window on the output: the pointer enters it at each point of a grid
# finer than the window, coming from outside the output, and the enter event's
# surface coordinates give the window's corner. Prints "left top".
locate_window() {
    local x y lines entry
    for y in 50 330 610; do
        for x in 50 330 610 890; do
            pointer mousemove 1010 760
            lines=$(wc -l <"$work/raruvid.log")
            pointer mousemove "$x" "$y"
            sleep 0.2
            entry=$(tail -n +$((lines + 1)) "$work/raruvid.log" |
                sed -n "s/.*wl_pointer@[0-9]*\.enter([0-9]*, $surface, \([0-9]*\)\.[0-9]*, \([0-9]*\)\.[0-9]*).*/\1 \2/p" | head -n 1)
            if [ -n "$entry" ]; then
                read -r local_x local_y <<<"$entry"
                echo $((x - local_x)) $((y - local_y))
                return 0
            fi
        done
    done
    return 1
}

click_key() {
    local centre
    centre=$(calculator centre "$1")
    read -r key_x key_y <<<"$centre"
    pointer mousemove $((left + key_x)) $((top + key_y)) click 1
    sleep 0.1
}

if [ "$mode" = headless ]; then
    calculator press 1 plus 1 equals || fail "could not press the keys"
    expect_result 2 '"1" "+" "1" "=" pressed through the accessibility bus'
else
    surface=$(sed -n 's/.*get_xdg_surface(new id xdg_surface@[0-9]*, \(wl_surface@[0-9]*\)).*/\1/p' "$work/raruvid.log" | head -n 1)
    origin=$(locate_window) || { echo "FAIL: the pointer never entered the window"; exit 1; }
    read -r left top <<<"$origin"
    echo "ok: the window lies at $left,$top on the output"
    for key in 1 plus 1 equals; do
        click_key "$key"
    done
    expect_result 2 '"1" "+" "1" "=" clicked with the pointer'

    # Towards the middle of the output, so the window stays on it.
    dx=150 dy=120
    [ "$left" -lt 328 ] || dx=-150
    [ "$top" -lt 198 ] || dy=-120
    pointer mousemove $((left + 100)) $((top + 10)) mousedown 1
    for step in 1 2 3 4 5; do
        pointer mousemove $((left + 100 + step * dx / 5)) $((top + 10 + step * dy / 5))
        sleep 0.05
    done
    pointer mouseup 1
    sleep 0.3
    if grep -q 'xdg_toplevel@[0-9]*\.move(' "$work/raruvid.log"; then
        echo "ok: the caption drag asked the compositor to move the window"
    else
        fail "the caption drag did not ask the compositor to move the window"
    fi
    origin=$(locate_window) || { echo "FAIL: the window is gone after the drag"; exit 1; }
    read -r moved_left moved_top <<<"$origin"
    if [ "$moved_left" -eq $((left + dx)) ] && [ "$moved_top" -eq $((top + dy)) ]; then
        echo "ok: the caption drag moved the window by $dx,$dy"
    else
        fail "the caption drag moved the window from $left,$top to $moved_left,$moved_top, expected $((left + dx)),$((top + dy))"
    fi
fi

calculator press close || fail "could not press close"
program_ended() {
    ! kill -0 "$app_pid" 2>/dev/null
}
if wait_for program_ended; then
    echo "ok: Close ended the program"
else
    fail "Close did not end the program"
fi

[ "$failures" -eq 0 ] || tail -n 20 "$work/raruvid.log"
exit $((failures > 0))
