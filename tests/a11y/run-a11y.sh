#!/usr/bin/env bash
# Screen readers' view of the program, on a virtual X server inside a D-Bus
# session of its own with the accessibility bus and its registry, in one of two
# setups:
#   reader   the real program, driven and read only through the accessibility
#            bus (screen-reader.py); it must end with status 0 when closed.
#   qt-test  a test program that checks inside Qt what reaches screen readers;
#            Qt's accessibility is active only with the bus up.
# Usage: run-a11y.sh reader RARUVID | run-a11y.sh qt-test TEST_PROGRAM
# Exits 77 (skipped) only when the program is not built or a tool is missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

# shellcheck source=tests/lib/outcome.sh
. "$here/../lib/outcome.sh"
# shellcheck source=tests/lib/x11-session.sh
. "$here/../lib/x11-session.sh"

accessibility_bus_is_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

reader() {
    timeout 60 /usr/bin/python3 "$here/screen-reader.py" "$@"
}

app_pid=
program_ended() {
    ! kill -0 "$app_pid" 2>/dev/null
}

# The real program, started once more if its connection to the X server was
# reset at start, then the reader's checks, then its end.
run_reader() {
    local program=$1 work=$2 failures=0 status=0
    for attempt in 1 2; do
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/raruvid.log" 2>&1 &
        app_pid=$!
        track "$app_pid"
        status=0
        reader wait "$app_pid" || status=$?
        [ "$status" -eq 2 ] || break
        echo "the program ended at start (attempt $attempt):"
        cat "$work/raruvid.log"
    done
    [ "$status" -eq 0 ] || { cat "$work/raruvid.log"; echo "FAIL: the program did not come up on the accessibility bus"; return 1; }

    reader check || failures=$((failures + 1))
    if wait_for program_ended; then
        status=0
        wait "$app_pid" || status=$?
        if [ "$status" -eq 0 ]; then
            echo "ok: close ended the program"
        else
            echo "FAIL: the program ended with status $status"
            failures=$((failures + 1))
        fi
    else
        echo "FAIL: close did not end the program"
        failures=$((failures + 1))
    fi
    [ "$failures" -eq 0 ] || tail -n 20 "$work/raruvid.log"
    return $((failures > 0))
}

# The test program, run once more only if it could not reach the X server.
run_qt_test() {
    local test_program=$1 work=$2 status=0
    for attempt in 1 2; do
        status=0
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout 60 "$test_program" >"$work/qt-test.log" 2>&1 || status=$?
        grep -q 'could not connect to display' "$work/qt-test.log" || break
    done
    cat "$work/qt-test.log"
    return "$status"
}

# Inside the D-Bus session: the accessibility bus, then what runs on it.
in_session() {
    local mode=$1 binary=$2 work=$3
    # Processes started inside the session, stopped before it ends.
    trap stop_all EXIT
    # The bus is up before the program looks for it: a program that finds no
    # accessibility bus at start never joins one.
    "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    track $!
    wait_for accessibility_bus_is_up || { cat "$work/launcher.log"; echo "FAIL: no accessibility bus"; return 1; }
    case "$mode" in
        reader) run_reader "$binary" "$work" ;;
        qt-test) run_qt_test "$binary" "$work" ;;
    esac
}

if [ "${1-}" = --in-session ]; then
    in_session "$2" "$3" "$4"
    exit
fi

mode=${1-}
binary=${2-}
case "$mode" in
    reader | qt-test) ;;
    *) echo "usage: run-a11y.sh reader RARUVID | run-a11y.sh qt-test TEST_PROGRAM" >&2; exit 2 ;;
esac
[ -x "$binary" ] || skip "$binary is not built"
require_commands Xvfb dbus-run-session dbus-send timeout "$launcher"
require_pyatspi

begin_session
work=$session_work
start_xvfb 5 || { echo "FAIL: Xvfb did not start"; exit 1; }
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS
# A sanitizer build reports leaks at exit; those of the system libraries are not ours.
export LSAN_OPTIONS="suppressions=$here/../e2e/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

dbus-run-session -- "$0" --in-session "$mode" "$binary" "$work"
