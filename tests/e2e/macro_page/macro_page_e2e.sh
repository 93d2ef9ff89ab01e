#!/usr/bin/env bash
# The macro page end to end on the X server in DISPLAY, with the real X11 hooks: a recording
# of keys typed with XTest lands in Macro.cfg with its pauses.
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

# A fresh DataDir with one macro of the user's group: the page shows it, selected.
id=$("$ctl" --simulate macro add --name target down:Z up:Z)

"$qx71" --simulate --data-dir "$QX71_DATA_DIR" > "$work/qx71.log" 2>&1 &
pid=$!
pids+=("$pid")
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"

# Window coordinates: the macro tab, then the page's record button (the page sits at 15,128).
"$xd" click "$title" 470 103
sleep 0.5
"$xd" click "$title" 780 184 # Start Record
sleep 0.5
"$xd" key "$title" a
sleep 0.3
"$xd" key "$title" b
sleep 0.3
"$xd" click "$title" 780 184 # Stop Record
sleep 0.5
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done

shown=$("$ctl" macro show "$id") || fail "macro show failed"
echo "$shown"
kinds=$(echo "$shown" | tail -n +2 | awk '{print $1 " " $2}' | sed 's/ [0-9]*$//')
expected="press A
pause
release A
pause
press B
pause
release B"
[ "$kinds" = "$expected" ] || fail "recorded events:
$shown"
# Each pause is what passed between the events, in milliseconds.
mapfile -t pauses < <(echo "$shown" | awk '$1 == "pause" {print $2}')
for ms in "${pauses[@]}"; do
  [ "$ms" -ge 0 ] && [ "$ms" -le 60000 ] || fail "a pause of $ms ms"
done
[ "${pauses[1]}" -ge 250 ] || fail "a-up to b-down took ${pauses[1]} ms, typed 300 ms apart"

# The stream: the loop count, then each key with the pause after it folded into its flags
# (tens of milliseconds, up to 1270 ms) or as two entries of 20 ms units.
entry() { printf '%02x %02x' "$1" "$2"; }
expected_stream="00 01"
entries=1
keys=("1 4" "129 4" "1 5" "129 5")
for k in 0 1 2 3; do
  read -r flags usage <<< "${keys[$k]}"
  ms=${pauses[$k]:-}
  if [ -n "$ms" ] && [ "$ms" -le 1270 ]; then flags=$((flags + (ms / 10 & 127))); fi
  expected_stream+=" $(entry "$flags" "$usage")"
  entries=$((entries + 1))
  if [ -n "$ms" ] && [ "$ms" -gt 1270 ]; then
    units=$((ms / 20))
    expected_stream+=" $(entry 0 1) $(entry $((units >> 8)) $((units & 255)))"
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
