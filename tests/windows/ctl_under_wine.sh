# qx71ctl.exe under Wine, end to end: the simulated mouse's info and apply (whose trace must
# equal the Linux build's byte for byte), the profile list in DataDir under the temporary-files
# folder, the pointer settings set and read back, and the HID walk over Wine's own devices,
# which finds no QX71.
# Arguments: qx71ctl.exe, the Linux qx71ctl, the Wine runner.
set -euo pipefail
exe="$1"
linux="$2"
wine="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
# The Windows name of a Linux path: Wine's drive Z: is the root.
winpath() { local p="${1//\//\\}"; printf 'Z:%s' "$p"; }
ctl() { "$wine" "$exe" "$@"; }

[ -x "$linux" ] || fail "the Linux qx71ctl ($linux) is not built: build the dev preset first"
unset QX71_DATA_DIR DISPLAY WAYLAND_DISPLAY

expect_eq "$(ctl --simulate info)" "Firmware version: 13" "info"

# The same pass on both systems, from freshly seeded settings.
mkdir -p "$work/win" "$work/linux"
out=$(ctl --simulate --data-dir "$(winpath "$work/win/data")" --trace "$(winpath "$work/win/trace")" apply)
expect_eq "$out" "Profile 1 applied to the mouse." "apply on Windows"
"$linux" --simulate --data-dir "$work/linux/data" --trace "$work/linux/trace" apply > /dev/null
[ "$(wc -l < "$work/linux/trace")" -gt 0 ] || fail "the Linux trace is empty"
cmp "$work/linux/trace" "$work/win/trace" || fail "the Windows trace differs from the Linux trace"
cmp "$work/linux/data/Profile/Profile1.cfg" "$work/win/data/Profile/Profile1.cfg" ||
  fail "the saved profile differs"

ctl --simulate --data-dir "$(winpath "$work/win/data")" --trace "$(winpath "$work/win/trace2")" profile defaults > /dev/null
"$linux" --simulate --data-dir "$work/linux/data" --trace "$work/linux/trace2" profile defaults > /dev/null
cmp "$work/linux/trace2" "$work/win/trace2" || fail "the defaults' traces differ"

# Without --data-dir, DataDir is the temporary-files folder + TOLVI\QX71, seeded from InstallDir.
list=$(ctl --json profile list | tr -d ' \n')
[[ "$list" == *'\\TOLVI\\QX71\\Profile\\Profile1.cfg"'* ]] || fail "DataDir is not under TOLVI\\QX71: $list"
[[ "$list" == *'"currentSlot":1'* ]] || fail "profile list: $list"

# The pointer settings of a pass go to Windows (SystemParametersInfoW, here Wine's registry),
# and pointer show reads them back from there.
ctl --simulate --data-dir "$(winpath "$work/win/data")" pointer set --speed 7 --precision on --wheel-lines 5 > /dev/null
show=$(ctl --json pointer show | tr -d ' \n')
[[ "$show" == *'"desktop":"Windows"'* ]] || fail "pointer show names no Windows desktop: $show"
[[ "$show" == *'"current":{"precision":true,"speed":7,"wheelLines":5}'* ]] || fail "pointer show: $show"
# One screen per notch is checked by the platform suite, in one process: Wine keeps it as the
# unsigned number and a fresh process reads that back as 2147483647.
ctl --simulate --data-dir "$(winpath "$work/win/data")" pointer set --speed 12 --precision off --wheel-lines 3 > /dev/null
show=$(ctl --json pointer show | tr -d ' \n')
[[ "$show" == *'"current":{"precision":false,"speed":12,"wheelLines":3}'* ]] || fail "pointer show: $show"

# The real HID walk: Wine's own HID devices are walked and skipped; no QX71.
status=0
ctl devices > "$work/devices" 2>&1 || status=$?
expect_eq "$status" 2 "devices exit status (absent): $(cat "$work/devices")"
grep -q "^No QX71 is plugged in" "$work/devices" || fail "devices: $(cat "$work/devices")"
grep -q "another device" "$work/devices" || fail "devices walked no interface: $(cat "$work/devices")"
if ctl present > /dev/null; then fail "present without a mouse"; fi
if ctl apply > /dev/null 2> "$work/err"; then fail "apply without a mouse succeeded"; fi
expect_eq "$(cat "$work/err")" "The QX71 gaming mouse cannot be found." "no-mouse notice"
echo ok
