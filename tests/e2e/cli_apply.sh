# qx71ctl apply sends the default profile's pass byte for byte and saves it; switch, import,
# defaults and the statistics commands.
source "$(dirname "$0")/lib.sh"

pad() { local hex="02$1"; printf '%s%0*d' "$hex" $(($2 * 2 - ${#hex})) 0; }
cat > "$work/expected" <<TRACE
set-feature $(pad 12010040 65)
output $(pad 0100f0000100f1000100f200070003000100f4000100f300 33)
output 020000000000000000000000000000000000000000000000000400010004000200
set-feature $(pad 0c0100ff00 65)
set-feature $(pad 0d01040a02 65)
set-feature $(pad 11010510 65)
output $(pad 04082680808080800408268080808080 33)
set-feature $(pad 0b0102 65)
set-feature $(pad 0101 65)
TRACE

"$ctl" --simulate --trace "$work/t" apply > "$work/out"
diff "$work/expected" "$work/t" || fail "apply trace differs"
expect_eq "$(cat "$work/out")" "Profile 1 applied to the mouse." "apply output"
[ "$(stat -c %s "$QX71_DATA_DIR/Profile/Profile1.cfg")" = 22156 ] || fail "profile not saved"

# Switch to profile 2: it is written and becomes the active slot.
"$ctl" --simulate --trace "$work/t2" profile switch 2 > /dev/null
[ "$(wc -l < "$work/t2")" = 9 ] || fail "switch did not write the profile"
list=$("$ctl" --json profile list | tr -d ' \n')
[[ "$list" == *'"currentSlot":2'* ]] || fail "profile 2 is not the one in use: $list"
[[ "$list" == *'{"active":true,"current":true,"path":"'"$QX71_DATA_DIR"'/Profile/Profile2.cfg","slot":2'* ]] ||
  fail "slot 2 is not marked active: $list"
[[ "$list" == *'{"active":false,"current":false,"path":"'"$QX71_DATA_DIR"'/Profile/Profile1.cfg","slot":1'* ]] ||
  fail "slot 1 is still marked active: $list"

# A 4-byte file is not a profile: the program's message, nothing sent.
printf 'abcd' > "$work/bad.cfg"
if "$ctl" --simulate --trace "$work/t3" profile import "$work/bad.cfg" 2> "$work/err"; then
  fail "import of a 4-byte file succeeded"
fi
grep -q "is an invaild Profile!" "$work/err" || fail "no invalid-profile message"
[ ! -s "$work/t3" ] || fail "something was sent after a rejected import"

"$ctl" --simulate profile defaults > /dev/null || fail "defaults"
"$ctl" --json stats show | grep -q '"trophyLevel": 0' || fail "stats show"
"$ctl" stats reset > /dev/null || fail "stats reset"

# The mouse takes the pass but the disk refuses it (a folder where the directory file goes):
# the file is named, no "applied", and a non-zero exit.
mv "$QX71_DATA_DIR/Profile/ConfigInfo.cfg" "$work/ConfigInfo.cfg"
mkdir "$QX71_DATA_DIR/Profile/ConfigInfo.cfg"
if "$ctl" --simulate apply > "$work/out" 2> "$work/err"; then fail "apply reported a save that failed"; fi
grep -q "$QX71_DATA_DIR/Profile/ConfigInfo.cfg cannot be read (it is a folder, a pipe or a device" "$work/err" ||
  fail "no not-saved line: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "apply printed success: $(cat "$work/out")"
rmdir "$QX71_DATA_DIR/Profile/ConfigInfo.cfg"
mv "$work/ConfigInfo.cfg" "$QX71_DATA_DIR/Profile/ConfigInfo.cfg"

# No mouse: the program's notice and a non-zero exit, nothing saved.
if ! "$ctl" present > /dev/null 2>&1; then
  before=$(md5sum < "$QX71_DATA_DIR/Profile/ConfigInfo.cfg")
  if "$ctl" apply 2> "$work/err"; then fail "apply without a mouse succeeded"; fi
  expect_eq "$(cat "$work/err")" "The QX71 gaming mouse cannot be found." "no-mouse notice"
  expect_eq "$(md5sum < "$QX71_DATA_DIR/Profile/ConfigInfo.cfg")" "$before" "directory changed"
fi
echo ok
