#!/usr/bin/env bash
# desktop-file-validate exits 0 on warnings and hints; any message at all fails here.
# Usage: validate-desktop-entry.sh DESKTOP_FILE_VALIDATE FILE
set -euo pipefail
messages=$("$1" "$2" 2>&1) || { echo "$messages"; exit 1; }
if [ -n "$messages" ]; then
    echo "$messages"
    exit 1
fi
