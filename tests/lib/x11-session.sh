# shellcheck shell=bash
# Sourced by the scripts that run programs on a private virtual X server: a
# scratch folder, a server on a free display, X tools run again when this
# sandbox's server resets a new connection, and every started process stopped
# on exit. The sourcing script runs under `set -euo pipefail`.

# Processes to stop on exit, in the order they were started.
session_pids=()

# Remembers a started process, so stop_all ends it.
track() {
    session_pids+=("$1")
}

# Stops the started processes last first, so a program goes before the server
# or bus it talks to; then removes the scratch folder, if begin_session made one.
stop_all() {
    local i
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        kill "${session_pids[i]}" 2>/dev/null || true
        wait "${session_pids[i]}" 2>/dev/null || true
    done
    session_pids=()
    [ -z "${session_work-}" ] || rm -rf "$session_work"
}

# Makes the scratch folder session_work (mktemp's, closed to other users) and
# has everything cleaned up however the script ends.
begin_session() {
    session_work=$(mktemp -d)
    trap stop_all EXIT
}

# Waits up to five seconds for a command to succeed.
wait_for() {
    local _
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# start_xvfb SECONDS: starts Xvfb on a display it picks itself, so parallel
# runs do not collide, and exports DISPLAY. Waits up to SECONDS for the
# display; fails showing the server's log if none comes.
start_xvfb() {
    local seconds=$1 _
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$session_work/display" 2>"$session_work/xvfb.log" &
    track $!
    for _ in $(seq $((seconds * 10))); do
        [ -s "$session_work/display" ] && break
        sleep 0.1
    done
    [ -s "$session_work/display" ] || { cat "$session_work/xvfb.log"; return 1; }
    DISPLAY=":$(cat "$session_work/display")"
    export DISPLAY
}

# Runs an X tool up to three times: a tool that could not connect is run again,
# so only the program is under test.
x_retry() {
    local _
    for _ in 1 2 3; do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
