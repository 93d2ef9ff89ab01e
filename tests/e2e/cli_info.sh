# qx71ctl info reads the firmware version with one query and one reply.
source "$(dirname "$0")/lib.sh"

out=$("$ctl" --simulate --trace "$work/t" --json info)
echo "$out" | grep -q '"firmwareVersion": 13' || fail "no firmware version in: $out"
expect_eq "$(wc -l < "$work/t")" 2 "trace lines"
pad() { printf '%s%0*d' "$1" $((130 - ${#1})) 0; }
expect_eq "$(sed -n 1p "$work/t")" "set-feature $(pad 0280)" "query"
expect_eq "$(sed -n 2p "$work/t")" "get-feature $(pad 02800103)" "reply"

expect_eq "$("$ctl" --simulate info)" "Firmware version: 13" "text output"

# Without a mouse: the program's notice on stderr and a non-zero exit.
if "$ctl" info > "$work/out" 2> "$work/err"; then
  echo "skipped: a real QX71 is attached" >&2
else
  expect_eq "$(cat "$work/err")" "The QX71 gaming mouse cannot be found." "no-mouse notice"
fi
echo ok
