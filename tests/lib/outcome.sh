# shellcheck shell=bash
# Sourced by the test scripts: how they report checks and skips to ctest.

# Exits 77, which ctest counts as skipped.
skip() {
    echo "skipped: $*"
    exit 77
}

# Skips unless every named command is installed.
require_commands() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "no $tool here (tools/install-deps.sh e2e installs it)"
    done
}

# Skips unless the system Python has the accessibility bus bindings.
require_pyatspi() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi here (tools/install-deps.sh e2e installs it)"
}

# A failed check: reported, counted in failures, and the script goes on.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
