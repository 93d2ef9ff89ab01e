# Any command may follow any other in one call, the same group included; a word that a command
# still needs stays its argument; a mistake anywhere runs nothing.
source "$(dirname "$0")/lib.sh"

"$ctl" profile export "$work/mine.cfg" 2> /dev/null
out=$("$ctl" --simulate profile import "$work/mine.cfg" profile show 2>&1) || fail "import then show: $out"
[[ "$out" == *"Profile 1 applied to the mouse."*"DPI levels: 1000 2000 3000"* ]] ||
  fail "import then show printed: $out"

out=$("$ctl" --simulate profile show 2 profile list info 2>&1) || fail "show, list, info: $out"
[[ "$out" == "Profile 2 ("*"1  valid"*"Firmware version: 13" ]] || fail "show, list, info printed: $out"

out=$("$ctl" stats show stats reset) || fail "stats show then reset"
[[ "$out" == *"trophy level:"*"Statistics reset." ]] || fail "stats show then reset printed: $out"

# Words a command needs are never taken for the next command: a file called "apply", an option's
# value, a button's function "macro".
cp "$work/mine.cfg" "$work/apply"
out=$(cd "$work" && "$ctl" --simulate profile import apply info 2>&1) || fail "import of apply: $out"
[[ "$out" == *"apply import success!"*"Firmware version: 13" ]] || fail "import of apply printed: $out"
id=$("$ctl" macro add --name info down:A macro list)
[[ "$id" == 0x15*"info"* ]] || fail "macro named info: $id"
id=${id%%$'\n'*}
"$ctl" --simulate button set back macro "$id" profile show > "$work/out" || fail "button set then show"
grep -q "back.*macro.*info ($id)" "$work/out" || fail "button set then show printed: $(cat "$work/out")"

# A mistake in the last command: nothing was sent or changed.
before=$(md5sum < "$QX71_DATA_DIR/Profile/Profile1.cfg")
if "$ctl" --simulate --trace "$work/t" profile defaults profile bogus 2> /dev/null; then
  fail "an unknown command was accepted"
fi
[ ! -s "$work/t" ] || fail "the commands before the mistake ran"
expect_eq "$(md5sum < "$QX71_DATA_DIR/Profile/Profile1.cfg")" "$before" "profile after a refused call"
echo "chained commands: ok"
