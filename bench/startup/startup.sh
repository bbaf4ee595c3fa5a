#!/usr/bin/env bash
# Start-up time and idle memory of raruvid beside xcalc, measured in the same run on
# one virtual X server without a window manager.
# Usage: startup.sh FIRST_PAINT_TOOL RARUVID [RUNS]
# For each program: median time from exec to the first painted frame over RUNS runs
# (default 10, the two programs taking turns), and the median resident memory once idle.
set -euo pipefail

tool=$1
raruvid=$2
runs=${3:-10}
settle_ms=1500

command -v Xvfb >/dev/null || { echo "startup: Xvfb is missing (tools/install-deps.sh bench)" >&2; exit 2; }
command -v xcalc >/dev/null || { echo "startup: xcalc is missing (tools/install-deps.sh bench)" >&2; exit 2; }

# shellcheck source=tests/lib/x11-session.sh
. "$(dirname "$0")/../../tests/lib/x11-session.sh"
begin_session
work=$session_work
start_xvfb 5 || { echo "startup: Xvfb did not start" >&2; exit 2; }

# A run that fails (no window, a picture that never settles) is reported and
# left out of the medians.
measure() {
    local name=$1
    shift
    if ! "$tool" "$settle_ms" "$@" >>"$work/$name" 2>>"$work/$name.log"; then
        echo "startup: a run of $name failed:" >&2
        tail -n 3 "$work/$name.log" >&2
    fi
}

touch "$work/raruvid" "$work/xcalc"
for _ in $(seq "$runs"); do
    measure raruvid "$raruvid"
    measure xcalc xcalc
done

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-8s %6s %18s %16s\n' program runs "first paint (ms)" "idle RSS (MB)"
for name in raruvid xcalc; do
    count=$(wc -l <"$work/$name")
    paint=$(cut -d' ' -f1 <"$work/$name" | median)
    rss=$(cut -d' ' -f2 <"$work/$name" | median)
    printf '%-8s %6d %18s %16.1f\n' "$name" "$count" "$paint" "$(awk -v kb="$rss" 'BEGIN { print kb / 1024 }')"
    eval "${name}_paint=$paint"
done
awk -v a="$raruvid_paint" -v b="$xcalc_paint" 'BEGIN { printf "ratio raruvid / xcalc first paint: %.2f\n", a / b }'
