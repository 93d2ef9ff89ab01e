#!/usr/bin/env bash
# Start-up benchmark of qx71 under a private Xvfb; see window_startup.py. usage: [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target qx71 qx71_xdriver qx71_bare_window >/dev/null
unset DISPLAY
exec bash tests/platform/x11/with-xvfb.sh python3 bench/window_startup.py "$PWD/build/bench/bin" "$@"
