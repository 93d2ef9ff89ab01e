# qx71ctl lighting set goes through the lighting page's rules and ends with one write pass
# that sends the colour and the effect and saves the profile; bad values are one line each.
source "$(dirname "$0")/lib.sh"

pad() { local hex="02$1"; printf '%s%0*d' "$hex" $(($2 * 2 - ${#hex})) 0; }
json_field() { grep -o "\"$1\": [0-9]*" | grep -o '[0-9]*$'; }

# Preset 9 is 0xFAC101 (red 1, green 193, blue 250): SetLedColor carries green, red, blue.
"$ctl" --simulate --trace "$work/t" lighting set always --preset 9 --brightness 7 > "$work/out"
expect_eq "$(grep -c . "$work/t")" 9 "one write pass"
expect_eq "$(sed -n 4p "$work/t")" "set-feature $(pad 0c01c101fa 65)" "SetLedColor"
expect_eq "$(sed -n 5p "$work/t")" "set-feature $(pad 0d01010701 65)" "SetLedEffect"
expect_eq "$(cat "$work/out")" "Profile 1 applied to the mouse." "output"
"$ctl" --json profile show > "$work/show"
expect_eq "$(json_field ledMode < "$work/show")" 1 "ledMode"
expect_eq "$(json_field ledPresetIndex < "$work/show")" 9 "ledPresetIndex"
expect_eq "$(json_field ledCustomColor < "$work/show")" 0 "ledCustomColor"
expect_eq "$(json_field ledColor < "$work/show")" $((0xFAC101)) "ledColor"
expect_eq "$(json_field ledBrightness < "$work/show")" 7 "ledBrightness"

# A colour of its own, breathing: custom colour, the preset index kept, speed sent.
"$ctl" --simulate --trace "$work/t2" lighting set breath --color 204080 --breath-speed 5 \
  > /dev/null
expect_eq "$(sed -n 4p "$work/t2")" "set-feature $(pad 0c01402080 65)" "SetLedColor custom"
expect_eq "$(sed -n 5p "$work/t2")" "set-feature $(pad 0d01020501 65)" "SetLedEffect breath"
"$ctl" --json profile show > "$work/show"
expect_eq "$(json_field ledCustomColor < "$work/show")" 1 "ledCustomColor custom"
expect_eq "$(json_field ledColor < "$work/show")" $((0x804020)) "ledColor custom"
expect_eq "$(json_field ledBrightness < "$work/show")" 7 "brightness kept"

# Modes without a colour still send the stored one.
"$ctl" --simulate --trace "$work/t3" lighting set apm-breath > /dev/null
expect_eq "$(sed -n 4p "$work/t3")" "set-feature $(pad 0c01402080 65)" "colour in apm-breath"
expect_eq "$(sed -n 5p "$work/t3")" "set-feature $(pad 0d01030203 65)" "SetLedEffect apm"

# Bad values: one line, non-zero exit, nothing sent, nothing saved.
before=$(md5sum < "$QX71_DATA_DIR/Profile/Profile1.cfg")
while IFS='|' read -r args message; do
  # shellcheck disable=SC2086
  if "$ctl" --simulate --trace "$work/bad" lighting set $args > /dev/null 2> "$work/err"; then
    fail "lighting set $args succeeded"
  fi
  expect_eq "$(cat "$work/err")" "$message" "lighting set $args"
  [ ! -s "$work/bad" ] || fail "lighting set $args sent something"
done <<'CASES'
glow|Unknown lighting mode 'glow': use always, breath, apm-breath, spectrum or off.
always --preset 26|--preset takes a number from 0 to 25.
always --preset -1|--preset takes a number from 0 to 25.
always --color 12345|--color takes six hexadecimal digits RRGGBB, for example 01C1FA.
always --color 0x1234|--color takes six hexadecimal digits RRGGBB, for example 01C1FA.
always --brightness 0|--brightness takes a number from 1 to 10.
always --brightness 7x|--brightness takes a number from 1 to 10.
breath --breath-speed 6|--breath-speed takes a number from 1 to 5.
always --color 010203 --preset 4|Give --color or --preset, not both.
spectrum --preset 3|Mode spectrum has no colour of its own: --color and --preset go with always and breath.
breath --brightness 3|--brightness goes with mode always.
off --breath-speed 2|--breath-speed goes with mode breath.
CASES
expect_eq "$(md5sum < "$QX71_DATA_DIR/Profile/Profile1.cfg")" "$before" "profile changed"
echo ok
