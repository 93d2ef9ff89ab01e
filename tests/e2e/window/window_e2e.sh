#!/usr/bin/env bash
# The window program end to end, against the simulated mouse, on the X server in DISPLAY.
# usage: window_e2e.sh QX71 QX71CTL XDRIVER
set -euo pipefail
qx71=$1
ctl=$2
xd=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
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
install_dir=$(dirname "$qx71")

# Waits up to $2 seconds for process $1 to end; its status in $status.
wait_exit() {
  local pid=$1 limit=$2 waited=0
  while kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -le $((limit * 10)) ] || return 1
  done
  status=0
  wait "$pid" || status=$?
}
lines() { wc -l < "$1" 2>/dev/null || echo 0; }
# Waits until file $1 has at least $2 lines.
wait_lines() {
  for _ in $(seq 100); do [ "$(lines "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  return 1
}
le32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }

# A notification area, so that hiding the window leaves its icon to come back by.
"$xd" tray-host &
pids+=("$!")

# What qx71ctl sends for the default profile.
QX71_DATA_DIR="$work/ctl" "$ctl" --simulate --trace "$work/expected" apply > /dev/null
[ "$(lines "$work/expected")" -gt 0 ] || fail "qx71ctl wrote no trace"

# 1. Start on a fresh DataDir: the window with the size of Main_Normal.bmp.
"$qx71" --simulate --trace "$work/t" --data-dir "$work/D" > "$work/first.log" 2>&1 &
pid=$!
pids+=("$pid")
read -r _ _ width height < <("$xd" wait-window "$title" 60) || fail "the window did not appear"
# The firmware version's reply is taken a moment after the window shows.
for _ in $(seq 100); do grep -q '^get-feature 0280' "$work/t" && break; sleep 0.1; done
grep -q '^get-feature 0280' "$work/t" || fail "the firmware version was not read"
bmp="$install_dir/skins/Main_Normal.bmp"
[ "$width" = "$(le32 "$bmp" 18)" ] && [ "$height" = "$(le32 "$bmp" 22)" ] ||
  fail "window is ${width}x${height}, Main_Normal.bmp is $(le32 "$bmp" 18)x$(le32 "$bmp" 22)"

# 2. Apply inside its polygon: the default profile's pass, byte for byte as qx71ctl sends it.
before=$(lines "$work/t")
"$xd" click "$title" 880 612
"$xd" wait-window "$progress" 20 > /dev/null || fail "no progress dialog"
wait_lines "$work/t" $((before + $(lines "$work/expected"))) || fail "the pass did not complete"
"$xd" wait-gone "$progress" 20 || fail "the progress dialog stayed"
tail -n +$((before + 1)) "$work/t" | diff "$work/expected" - || fail "the pass differs from qx71ctl's"
[ "$(stat -c %s "$work/D/Profile/Profile1.cfg")" = 22156 ] || fail "profile not saved"

# 3. Alt+F4 hides the window; the process stays.
"$xd" key "$title" alt+F4
"$xd" wait-gone "$title" 10 || fail "Alt+F4 did not hide the window"
kill -0 "$pid" || fail "Alt+F4 ended the program"

# 4. A second copy ends at once and the first window shows again.
timeout 20 "$qx71" --simulate --data-dir "$work/D" > "$work/second.log" 2>&1 || true
"$xd" wait-window "$title" 10 > /dev/null || fail "the second copy did not bring the window up"
kill -0 "$pid" || fail "the first copy ended"

# 5. Clicks are counted; SIGTERM closes within 2 s through the close sequence.
for _ in 1 2 3; do "$xd" click "$title" 480 60; done
sleep 0.5
kill -TERM "$pid"
wait_exit "$pid" 2 || fail "SIGTERM did not end the program within 2 s"
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
clicks=$(le32 "$work/D/Sts.cfg" 0)
[ "$clicks" -ge 3 ] || fail "Sts.cfg holds $clicks left clicks, expected at least 3"

# 6. A folder with only the temp files of saves: the one of an ended writer goes at start, the
# one of a running writer (this script) stays. Unplugged while idle: the "cannot be found"
# box, then the program ends.
mkdir -p "$work/D2/Profile"
printf x > "$work/D2/Profile/Profile2.cfg.tmp-999999999"
printf x > "$work/D2/Sts.cfg.tmp-$$"
"$qx71" --simulate --data-dir "$work/D2" > "$work/unplug.log" 2>&1 &
pid=$!
pids+=("$pid")
"$xd" wait-window "$title" 60 > /dev/null || fail "second run: no window"
[ ! -e "$work/D2/Profile/Profile2.cfg.tmp-999999999" ] || fail "a stale temp file stayed"
[ -e "$work/D2/Sts.cfg.tmp-$$" ] || fail "the temp file of a running writer was removed"
[ -e "$work/D2/Profile/Profile1.cfg" ] || fail "the folder of temp files was not seeded"
kill -USR1 "$pid"
"$xd" wait-window "$box" 20 > /dev/null || fail "no box after unplugging"
"$xd" click "$box" 270 140
wait_exit "$pid" 10 || fail "the program stayed after the mouse was unplugged"

# 7. Unplugged during a pass: the program stays; Apply works again once the mouse is back.
"$qx71" --simulate --trace "$work/t3" --data-dir "$work/D3" > "$work/pass.log" 2>&1 &
pid=$!
pids+=("$pid")
"$xd" wait-window "$title" 60 > /dev/null || fail "third run: no window"
"$xd" click "$title" 880 612
"$xd" wait-window "$progress" 20 > /dev/null || fail "third run: no progress dialog"
kill -USR1 "$pid"
# The cut pass reports its failure; confirm it.
"$xd" wait-window "$box" 20 > /dev/null || fail "no failure message for the cut pass"
"$xd" click "$box" 270 140
"$xd" wait-gone "$progress" 20 || fail "the progress dialog stayed after the failure"
kill -0 "$pid" || fail "the program ended although a pass was running"
kill -USR2 "$pid"
"$xd" wait-window "$box" 20 > /dev/null || fail "no notice when the mouse came back"
"$xd" click "$box" 270 140
"$xd" wait-gone "$box" 10 || fail "the notice stayed"
before=$(lines "$work/t3")
"$xd" click "$title" 880 612
wait_lines "$work/t3" $((before + $(lines "$work/expected"))) || fail "Apply after the return"
"$xd" wait-gone "$progress" 20 || fail "third run: the progress dialog stayed"
tail -n +$((before + 1)) "$work/t3" | diff "$work/expected" - || fail "the pass after the return"
kill -TERM "$pid"
wait_exit "$pid" 5 || fail "third run did not end"
echo "window e2e: ok"
