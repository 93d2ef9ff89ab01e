# qx71ctl devices over the simulated mouse: its three interfaces, the vendor one usable.
source "$(dirname "$0")/lib.sh"

out=$("$ctl" --simulate devices) || fail "exit $? with the simulated mouse"
expect_eq "$(echo "$out" | tail -n 1)" \
  "The QX71 is ready: sim:qx71-vendor opens for reading and writing." "verdict"
expect_eq "$(echo "$out" | grep -c 'sim:')" 4 "three interfaces and the verdict"
"$ctl" --simulate --json devices | grep -q '"status": "usable"' || fail "no usable status in JSON"

# Without a mouse: exit 2 (absent), unless one is plugged in.
set +e
"$ctl" devices > "$work/out" 2>&1
code=$?
set -e
case $code in
  2) grep -q "No QX71 is plugged in" "$work/out" || fail "absent without its message" ;;
  0|3) echo "skipped: a real QX71 is attached" >&2 ;;
  *) fail "exit $code: $(cat "$work/out")" ;;
esac
echo ok
