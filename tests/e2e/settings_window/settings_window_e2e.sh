#!/usr/bin/env bash
# The window and qx71ctl on one settings folder, against the simulated mouse, on the X server
# in DISPLAY: an edit made by qx71ctl while the window runs is never undone by the window's
# Apply, Apply waits for no one while qx71ctl holds the folder, and a close by SIGTERM while
# Sts.cfg cannot be saved tells it on standard error and ends within 2 s.
# usage: settings_window_e2e.sh QX71 QX71CTL XDRIVER
set -euo pipefail
qx71=$1
ctl=$2
xd=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  chattr -i "$work/D/Sts.cfg" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do [ -e "$log" ] && { echo "== $log" >&2; cat "$log" >&2; }; done
  exit 1
}
title="Tolvi QX71 Gaming Mouse Driver"
box="TolviQX71InfoDlg"
progress="TolviQX71ProcessDlg"
export QX71_DATA_DIR="$work/D"
lines() { wc -l < "$1" 2>/dev/null || echo 0; }
lighting() { "$ctl" --json profile show | tr -d ' \n' | grep -o '"ledMode":[0-9]*'; }

"$ctl" profile list > /dev/null
touch "$work/probe"
chattr +i "$work/probe" 2>/dev/null || { echo "SKIP: chattr +i is not allowed here"; exit 77; }
chattr -i "$work/probe"

"$qx71" --simulate --trace "$work/t" > "$work/window.log" 2>&1 &
pid=$!
pids+=("$pid")
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
for _ in $(seq 100); do grep -q '^get-feature 0280' "$work/t" && break; sleep 0.1; done

# 1. qx71ctl changes the lighting while the window runs. The window's Apply sends nothing: it
# reloads the file, says so, and the edit stays; the next Apply sends what the file holds.
initial=$(lighting)
"$ctl" --simulate lighting set off > /dev/null 2>&1
edited=$(lighting)
[ -n "$edited" ] && [ "$edited" != "$initial" ] || fail "qx71ctl did not change the lighting"
before=$(lines "$work/t")
"$xd" click "$title" 880 612
"$xd" wait-window "$box" 20 > /dev/null || fail "Apply did not say the profile was reloaded"
[ "$(lines "$work/t")" = "$before" ] || fail "Apply sent the window's old profile"
[ "$(lighting)" = "$edited" ] || fail "the window undid qx71ctl's edit"
"$xd" key "$box" Return
"$xd" wait-gone "$box" 10 || fail "the box did not take Return"
"$xd" click "$title" 880 612
"$xd" wait-window "$progress" 20 > /dev/null || fail "the second Apply did not start"
"$xd" wait-gone "$progress" 20 || fail "the progress dialog stayed"
[ "$(lines "$work/t")" -gt "$before" ] || fail "the second Apply sent nothing"
[ "$(lighting)" = "$edited" ] || fail "the second Apply did not keep qx71ctl's edit"

# 2. While another program holds the folder, Apply says so at once and sends nothing.
flock "$work/D" sleep 30 &
holder=$!
pids+=("$holder")
sleep 0.5
before=$(lines "$work/t")
"$xd" click "$title" 880 612
"$xd" wait-window "$box" 20 > /dev/null || fail "Apply did not say the folder is in use"
[ "$(lines "$work/t")" = "$before" ] || fail "Apply sent while the folder was held"
"$xd" key "$box" Escape
"$xd" wait-gone "$box" 10 || fail "the box did not take Escape"
kill "$holder"

# 3. Sts.cfg cannot be saved: SIGTERM tells it on standard error, opens no box, and the
# program ends within 2 s.
chattr +i "$work/D/Sts.cfg"
kill -TERM "$pid"
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "the program was still running 2 s after SIGTERM"
grep -q "Sts.cfg" "$work/window.log" || fail "the failed save of Sts.cfg was not told"
echo "settings window e2e: ok"
