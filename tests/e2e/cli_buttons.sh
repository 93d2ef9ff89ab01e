# qx71ctl button set, dpi set, rate set, pointer set: each call edits the profile in use
# through the assignment page's rules and ends with one write pass, byte for byte, and the save;
# a refused edit or a failed pass saves nothing. profile show prints the result.
source "$(dirname "$0")/lib.sh"

pad() { local hex="02$1"; printf '%s%0*d' "$hex" $(($2 * 2 - ${#hex})) 0; }
# A DeviceCode (a 32-bit number) as the mouse receives it, little-endian.
le() { printf '%s%s%s%s' "${1:6:2}" "${1:4:2}" "${1:2:2}" "${1:0:2}" | tr 'A-F' 'a-f'; }
slots() { for code in "$@"; do le "$code"; done; }
# The button table's slots: left, right, middle, the fixed slot 3, forward, back, 6..13 unused,
# wheel forward and backward.
CLICK=00F00001 MENU=00F10001 MIDDLE=00F20001 FIXED=00030007 FORWARD=00F40001 BACK=00F30001
UP=00010004 DOWN=00020004 NONE=00000000
# One pass without macros: $1 the middle button's code, $2 the right button's, $3 the DPI codes
# of the stages (the table holds them twice, unused stages 0x80), $4 the DPI stage count sent,
# $5 the report interval.
pass() {
  local dpi
  dpi=$(printf '%s8080808080808080' "$3" | cut -c1-16)
  cat <<TRACE
set-feature $(pad 12010040 65)
output 02$(slots $CLICK "$2" "$1" $FIXED $FORWARD $BACK $NONE $NONE)
output 02$(slots $NONE $NONE $NONE $NONE $NONE $NONE $UP $DOWN)
set-feature $(pad 0c0100ff00 65)
set-feature $(pad 0d01040a02 65)
set-feature $(pad 11010510 65)
output $(pad "$dpi$dpi" 33)
set-feature $(pad "0b01$4" 65)
set-feature $(pad "01$5" 65)
TRACE
}
show() { "$ctl" profile show | sed -n "$1p"; }
json() { "$ctl" --json profile show | tr -d ' \n'; }
saved() { md5sum "$QX71_DATA_DIR"/Profile/*.cfg; }

# A key combination on the middle button: its ComboCode (usage 0x06 C, Ctrl 0x01) in slot 2.
out=$("$ctl" --simulate --trace "$work/t" button set middle key ctrl+c)
expect_eq "$out" "middle: Ctrl + C
Profile 1 applied to the mouse." "key output"
diff <(pass 00060100 $MENU 040826 02 01) "$work/t" || fail "key pass differs"
expect_eq "$(show 3)" "  middle          key      Ctrl + C" "key in profile show"
json | grep -q '"function":5,"hostKind":0,"hostPath":"","hostValue":0,"keyCode":393472' \
  || fail "key not saved: $(json)"

# A lone modifier is its own key (left Ctrl's usage, no modifier bits).
"$ctl" --simulate --trace "$work/t" button set middle key CTRL > /dev/null
diff <(pass 00E00000 $MENU 040826 02 01) "$work/t" || fail "lone Ctrl pass differs"
expect_eq "$(show 3)" "  middle          key      LCtrl" "lone modifier"

# A macro: its stream goes to macro slot 1 first, then the table holds 09 00 01 count.
id=$("$ctl" macro add --name t down:A 50ms up:A)
"$ctl" --simulate --trace "$work/t" button set middle macro "$id" > /dev/null
{
  echo "set-feature $(pad 1301010002 65)"
  echo "output $(pad 000106048104 33)"
  for _ in $(seq 15); do echo "output $(pad 00 33)"; done
  pass 03010009 $MENU 040826 02 01
} > "$work/expected"
diff "$work/expected" "$work/t" || fail "macro pass differs"
expect_eq "$(show 3)" "  middle          macro    t ($id)" "macro in profile show"

# A program on the back button: the mouse keeps the button's own code; the PC runs the program.
"$ctl" --simulate --trace "$work/t" button set back program /bin/sh button > /dev/null 2>&1 \
  && fail "an extra argument was taken"
"$ctl" --simulate --trace "$work/t" button set back program /bin/sh > /dev/null
{
  echo "set-feature $(pad 1301010002 65)"
  echo "output $(pad 000106048104 33)"
  for _ in $(seq 15); do echo "output $(pad 00 33)"; done
  pass 03010009 $MENU 040826 02 01
} > "$work/expected"
diff "$work/expected" "$work/t" || fail "program pass differs"
expect_eq "$(show 6)" "  back            program  /bin/sh" "program in profile show"
# hostKind 0xD0, hostValue 0x00D40006 (program row, back button).
json | grep -q '"function":19,"hostKind":208,"hostPath":"/bin/sh","hostValue":13893638' \
  || fail "program not saved: $(json)"

# Disable the right button, DPI levels and report rate: several edits, one pass.
"$ctl" --simulate button set right disable dpi set 3000 500 bogus > /dev/null 2>&1 \
  && fail "an unknown command was taken"
"$ctl" --simulate --trace "$work/t" button set right disable dpi set 3000 500 rate set 125 \
  > /dev/null
{
  echo "set-feature $(pad 1301010002 65)"
  echo "output $(pad 000106048104 33)"
  for _ in $(seq 15); do echo "output $(pad 00 33)"; done
  pass 03010009 00000007 0226 02 08
} > "$work/expected"
diff "$work/expected" "$work/t" || fail "disable/dpi/rate pass differs"
expect_eq "$(show 4)" "  right           disable  Disable key" "disabled in profile show"
expect_eq "$(show 9)" "  DPI levels: 500 3000" "DPI levels"
expect_eq "$(show 10)" "  report rate: 125 Hz" "report rate"

# One DPI level: one code, stage count 1; rate 500.
"$ctl" --simulate --trace "$work/t" dpi set 750 rate set 500 > /dev/null
tail -3 "$work/t" > "$work/tail"
pass 03010009 00000007 03 01 02 | tail -3 | diff - "$work/tail" || fail "one DPI level"

# Pointer settings are stored (and set on the desktop when there is one).
"$ctl" --simulate pointer set --speed 12 --precision on --sensor 30 --wheel-lines 007 \
  > /dev/null
expect_eq "$(show 11)" "  pointer speed: 12, enhanced precision: on" "pointer"
expect_eq "$(show 12)" "  sensor height: 30" "sensor"
expect_eq "$(show 13)" "  wheel: 7 lines per notch" "wheel lines"
"$ctl" --simulate pointer set --wheel-screen > /dev/null
expect_eq "$(show 13)" "  wheel: one screen per notch" "wheel screen"
json | grep -q '"wheelLines":-1' || fail "one screen is not stored as -1"
expect_eq "$(show 14)" "  lighting: spectrum, colour #ff0000 (custom), brightness 5, breathing speed 3" \
  "lighting"

# Refusals: one line, a non-zero exit, nothing sent, nothing saved.
before=$(saved)
while IFS='|' read -r args message; do
  rm -f "$work/t"
  # shellcheck disable=SC2086
  if "$ctl" --simulate --trace "$work/t" $args > "$work/out" 2> "$work/err"; then
    fail "accepted: $args"
  fi
  expect_eq "$(cat "$work/err")" "$message" "message of: $args"
  [ ! -s "$work/t" ] || fail "something was sent for: $args"
done <<'CASES'
button set left basic Menu|At least one button must be configured as 'Left click'!
button set wheel-forward basic SNIPE|This key can not use the sniper function!
button set 6 basic 142|This key can not use the sniper function!
button set back basic 11|not a function of the basic list: 11 (a name as "profile show" prints it, or its code)
button set thumb disable|unknown button: thumb (left, middle, right, forward, back, wheel-forward, wheel-backward or 0..6)
button set 7 default|unknown button: 7 (left, middle, right, forward, back, wheel-forward, wheel-backward or 0..6)
button set back key ctrl+alt|ctrl+alt: several modifiers need a key after them
button set back key ctrl+F13|unknown key: F13 (key names as "macro show" prints them)
button set back key Print|Print is not a key the mouse can send
button set back key shift+shift+a|shift is given twice in shift+shift+a
button set back macro 0x15000009|no macro has the id 0x15000009
button set back macro twelve|not a macro id: twelve (for example 0x15000001)
button set back program ./no-such-program|./no-such-program does not exist
button set back disable now|disable takes no value
button set back sing x|unknown function: sing (basic NAME, key COMBO, macro ID, sound PATH, program PATH, file PATH, folder PATH, disable or default)
dpi set 500 600|DPI levels are one to three different values of 500, 750, 1000, 1250, 1500, 1750, 2000, 3000
dpi set 500 750 1000 1250|DPI levels are one to three different values of 500, 750, 1000, 1250, 1500, 1750, 2000, 3000
dpi set 1000 1000|DPI levels are one to three different values of 500, 750, 1000, 1250, 1500, 1750, 2000, 3000
rate set 250|the report rate is 125, 500 or 1000 (Hz), not 250
pointer set --speed 21|--speed is 1..20, not 21
pointer set --wheel-lines 0|--wheel-lines is 1..30, not 0
pointer set --wheel-lines 3 --wheel-screen|--wheel-lines and --wheel-screen exclude each other
pointer set|pointer set needs --speed, --precision, --sensor, --wheel-lines or --wheel-screen
dpi set 500 button set back disable now|disable takes no value
CASES
expect_eq "$(saved)" "$before" "a refused edit changed a file"

# A pass the mouse refuses: its message, a non-zero exit, nothing saved.
if "$ctl" --simulate --simulate-fail 0x11 dpi set 1000 > /dev/null 2> "$work/err"; then
  fail "a failed pass succeeded"
fi
expect_eq "$(cat "$work/err")" "Write mouse DPI failed." "failed pass message"
expect_eq "$(saved)" "$before" "a failed pass saved"

# The lighting joins the same pass; a failing command of the call drops every edit.
"$ctl" --simulate --trace "$work/t" rate set 1000 lighting set off > /dev/null
expect_eq "$(grep -c . "$work/t")" 26 "one pass for the rate and the lighting"
expect_eq "$(sed -n 22p "$work/t")" "set-feature $(pad 0d01000000 65)" "lighting off in the pass"
expect_eq "$(sed -n 26p "$work/t")" "set-feature $(pad 0101 65)" "1000 Hz in the pass"
before=$(saved)
if "$ctl" --simulate --trace "$work/t" rate set 125 lighting set glow > /dev/null 2>&1; then
  fail "a call with a bad lighting mode succeeded"
fi
expect_eq "$(saved)" "$before" "a call with a failing command saved"

# The left button can be reassigned once another button has Click.
"$ctl" --simulate button set right basic click > /dev/null
"$ctl" --simulate button set left basic "Play/Pause" > /dev/null
expect_eq "$(show 2)" "  left            basic    Play/Pause" "left reassigned"
echo ok
