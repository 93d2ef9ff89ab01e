#!/usr/bin/env bash
# The start-up's search for the mouse, against the simulated mouse on the X server in DISPLAY:
#   1. in its update mode at start, the mouse goes to the flashing tool and the program ends
#      without painting a window;
#   2. not found by its first tries, the mouse gets the open right after the set-up and then
#      the ten tries of the full search: missed ten times it still shows the window, missed
#      eleven times it is reported as not found and the program ends.
# usage: startup_search_e2e.sh QX71 XDRIVER SCRATCH (a folder on the file system of QX71)
set -euo pipefail
qx71=$1
xd=$2
work=$(mktemp -d -p "$3")
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$work"/*.log >&2 2>/dev/null || true; exit 1; }
title="Tolvi QX71 Gaming Mouse Driver"
box="TolviQX71InfoDlg"

# Waits up to $2 seconds for process $1 to end; its status in $status.
wait_exit() {
  local waited=0
  while kill -0 "$1" 2>/dev/null; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -le $(($2 * 10)) ] || return 1
  done
  status=0
  wait "$1" || status=$?
}

# 1. The program's folder is its InstallDir: a linked copy of the build's, with a flashing
# tool that notes its argument.
install="$work/install"
cp -al "$(dirname "$qx71")" "$install"
mkdir -p "$install/FWUpdate"
printf '#!/bin/sh\necho "$@" > "%s/flashed"\n' "$work" > "$install/FWUpdate/BuringFW"
chmod +x "$install/FWUpdate/BuringFW"
QX71_PROFILE_FILE="$work/update.profile" "$install/qx71" --simulate --simulate-update-mode \
  --data-dir "$work/D1" > "$work/update.log" 2>&1 &
pid=$!
wait_exit "$pid" 60 || fail "the program stayed with the mouse in its update mode"
pid=
[ "$status" = 0 ] || fail "exit status $status after the hand-over"
for _ in $(seq 50); do [ -s "$work/flashed" ] && break; sleep 0.1; done
[ "$(cat "$work/flashed" 2>/dev/null)" = 0 ] || fail "the flashing tool was not started with 0"
! grep -q '^first-paint-ms' "$work/update.profile" 2>/dev/null ||
  fail "a window was painted before the hand-over"

# 2. Missed ten times: the open right after the set-up and nine of the ten tries.
"$qx71" --simulate --simulate-missed-opens 10 --data-dir "$work/D2" > "$work/late.log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null || fail "no window for a mouse found at the last try"
kill -TERM "$pid"
wait_exit "$pid" 10 || fail "the program did not end on SIGTERM"
pid=

# Missed eleven times: the "cannot be found" box, then the program ends.
"$qx71" --simulate --simulate-missed-opens 11 --data-dir "$work/D3" > "$work/absent.log" 2>&1 &
pid=$!
"$xd" wait-window "$box" 60 > /dev/null || fail "no box for a mouse that was never found"
"$xd" click "$box" 270 140
wait_exit "$pid" 20 || fail "the program stayed without a mouse"
pid=
echo "startup search e2e: ok"
