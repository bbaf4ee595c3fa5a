#!/usr/bin/env bash
# Runs a libFuzzer target for a bounded time from a copy of its seed corpus.
# Usage: run-fuzzer.sh FUZZER SEED_DIR SECONDS
# A crash, leak, timeout or out-of-memory ends the run with a non-zero status.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 corpus
