#!/usr/bin/env bash
# The macro page end to end on the X server in DISPLAY, with the real X11 hooks: keys typed
# with XTest while the page records land in Macro.cfg with the pauses between them, and the
# mouse's stream carries those pauses.
# usage: macro_page_e2e.sh QX71 QX71CTL XDRIVER
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
export QX71_DATA_DIR="$work/D"
# Window coordinates: the macro tab, and the page's record button (the page sits at 15,128).
macro_tab="470 103"
record_button="780 184"

# A fresh DataDir with one macro of the user's group: the page shows it, selected.
id=$("$ctl" --simulate macro add --name target down:Z up:Z) || fail "macro add failed"

"$qx71" --simulate --data-dir "$QX71_DATA_DIR" > "$work/qx71.log" 2>&1 &
pid=$!
pids+=("$pid")
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
# The hooks are installed just after the window shows.
sleep 2
# shellcheck disable=SC2086
"$xd" click "$title" $macro_tab
sleep 1
# shellcheck disable=SC2086
"$xd" click "$title" $record_button # Start Record
sleep 1
"$xd" key "$title" a
sleep 0.5
"$xd" key "$title" b
sleep 1
# shellcheck disable=SC2086
"$xd" click "$title" $record_button # Stop Record
sleep 1
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after SIGTERM"

shown=$("$ctl" macro show "$id") || fail "macro show failed"
echo "$shown"
kinds=$(echo "$shown" | tail -n +2 | awk '{ if ($1 == "pause") print "pause"; else print $1 " " $2 }')
expected="press A
pause
release A
pause
press B
pause
release B"
[ "$kinds" = "$expected" ] || fail "recorded events:
$shown"
# Each pause is what passed between the events, in milliseconds: XTest holds a key for 30 ms,
# and b was typed half a second after a.
mapfile -t pauses < <(echo "$shown" | awk '$1 == "pause" { print $2 }')
[ "${#pauses[@]}" = 3 ] || fail "expected three pauses: ${pauses[*]}"
for ms in "${pauses[@]}"; do
  [ "$ms" -le 10000 ] || fail "a pause of $ms ms"
done
[ "${pauses[1]}" -ge 300 ] || fail "a-up to b-down took ${pauses[1]} ms, typed 500 ms apart"

# The stream: the loop count 1, then each key (flags 0x01 press, 0x81 release; usage 0x04 A,
# 0x05 B) with the pause after it added to its flags in tens of milliseconds up to 1270 ms,
# or as two entries of its own in units of 20 ms above that.
hex() { printf '%02x' "$(($1 & 255))"; }
expected_stream="00 01"
entries=1
keys=("1 4" "129 4" "1 5" "129 5")
for k in 0 1 2 3; do
  read -r flags usage <<< "${keys[$k]}"
  ms=${pauses[$k]:-}
  if [ -n "$ms" ] && [ "$ms" -le 1270 ]; then flags=$((flags + (ms / 10 & 127))); fi
  expected_stream+=" $(hex "$flags") $(hex "$usage")"
  entries=$((entries + 1))
  if [ -n "$ms" ] && [ "$ms" -gt 1270 ]; then
    units=$((ms / 20))
    expected_stream+=" 00 01 $(hex $((units >> 8))) $(hex "$units")"
    entries=$((entries + 2))
  fi
done
encoded=$("$ctl" macro encode "$id") || fail "macro encode failed"
expected_encoded="$entries entries
$expected_stream"
[ "${encoded,,}" = "${expected_encoded,,}" ] || fail "encoded:
$encoded
expected:
$expected_encoded"
echo "macro page e2e: ok"
