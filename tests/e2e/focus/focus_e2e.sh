#!/usr/bin/env bash
# Profiles that follow the program in use, on the X server in DISPLAY: openbox publishes the
# active window; "game" (class Sauerbraten) has a rule for profile 3, "editor" (class Gedit) none.
# usage: focus_e2e.sh QX71 QX71CTL XDRIVER
set -euo pipefail
qx71=$1
ctl=$2
xd=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do [ -e "$log" ] && { echo "== $log" >&2; cat "$log" >&2; }; done
  exit 1
}
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
title="Tolvi QX71 Gaming Mouse Driver"
lines() { wc -l < "$1" 2>/dev/null || echo 0; }
# Waits until file $1 has at least $2 lines.
wait_lines() {
  for _ in $(seq 200); do [ "$(lines "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  return 1
}
current_slot() {
  "$ctl" --data-dir "$work/D" --json profile list | tr -d ' \n' | sed -n 's/.*"currentSlot":\([0-9]*\).*/\1/p'
}

openbox --sm-disable > "$work/openbox.log" 2>&1 &
pids+=("$!")
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW || fail "openbox does not publish the active window"

# Profile 3 made unlike profile 1, then what qx71ctl sends for each; profile 1 in use.
ctld() { "$ctl" --simulate --data-dir "$work/D" "$@" > /dev/null; }
ctld profile switch 3 || fail "profile switch 3"
ctld dpi set 500 1000 || fail "dpi set"
ctld --trace "$work/expected3" profile switch 3 || fail "profile switch 3"
ctld --trace "$work/expected1" profile switch 1 || fail "profile switch 1"
n3=$(lines "$work/expected3")
n1=$(lines "$work/expected1")
[ "$n3" -gt 0 ] && [ "$n1" -gt 0 ] || fail "qx71ctl wrote no trace"
cmp -s "$work/expected3" "$work/expected1" && fail "profiles 3 and 1 send the same bytes"

"$qx71" --simulate --trace "$work/t" --data-dir "$work/D" > "$work/qx71.log" 2>&1 &
pids+=("$!")
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
for _ in $(seq 100); do grep -q '^get-feature 0280' "$work/t" && break; sleep 0.1; done
[ "$(current_slot)" = 1 ] || fail "the window did not start on profile 1"

"$xd" window game Sauerbraten 40 40 > "$work/game.log" 2>&1 &
pids+=("$!")
"$xd" window editor Gedit 240 40 > "$work/editor.log" 2>&1 &
pids+=("$!")
"$xd" wait-window editor 20 > /dev/null || fail "no editor window"
"$xd" wait-window game 20 > /dev/null || fail "no game window"
"$xd" activate editor > /dev/null || fail "editor did not take the focus"
# The rule comes while the window runs: it reads the rules at each change of focus.
"$ctl" --data-dir "$work/D" rule add Sauerbraten 3 > /dev/null || fail "rule add"
start=$(lines "$work/t")

# 1. game: profile 3, byte for byte as qx71ctl profile switch 3, saved as the one in use.
"$xd" activate game > /dev/null || fail "game did not take the focus"
wait_lines "$work/t" $((start + n3)) || fail "no pass after game took the focus"
sleep 1
[ "$(lines "$work/t")" = $((start + n3)) ] || fail "more than one pass for one focus change"
tail -n +$((start + 1)) "$work/t" | diff "$work/expected3" - > "$work/diff3.log" ||
  fail "the pass differs from qx71ctl profile switch 3"
[ "$(current_slot)" = 3 ] || fail "profile 3 was not saved as the one in use"

# 2. editor: back to profile 1.
start=$(lines "$work/t")
"$xd" activate editor > /dev/null || fail "editor did not take the focus"
wait_lines "$work/t" $((start + n1)) || fail "no pass after editor took the focus"
sleep 1
[ "$(lines "$work/t")" = $((start + n1)) ] || fail "more than one pass on the way back"
tail -n +$((start + 1)) "$work/t" | diff "$work/expected1" - > "$work/diff1.log" ||
  fail "the pass back differs from qx71ctl profile switch 1"
[ "$(current_slot)" = 1 ] || fail "profile 1 was not saved as the one in use"

# 3. Five focus changes within 300 ms, ending on game: at most one pass.
start=$(lines "$work/t")
took=$("$xd" activate game editor game editor game) || fail "the focus did not follow"
[ "$took" -lt 300 ] || fail "the five focus changes took ${took} ms, not under 300"
wait_lines "$work/t" $((start + n3)) || fail "the focus resting on game gave no pass"
sleep 1.5
passes=$(( ($(lines "$work/t") - start) / n3 ))
rest=$(( ($(lines "$work/t") - start) % n3 ))
[ "$rest" = 0 ] && [ "$passes" -le 1 ] ||
  fail "$(( $(lines "$work/t") - start )) reports after five quick focus changes, one pass is $n3"
[ "$passes" = 1 ] && [ "$(current_slot)" = 3 ] || fail "the focus resting on game gave no pass"
echo "ok: five focus changes in ${took} ms, ${passes} pass"
