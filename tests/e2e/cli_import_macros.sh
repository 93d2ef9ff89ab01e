# A macro on a side button and 5 wheel lines survive export, defaults and import: the pass after
# the import is the pass before the export, byte for byte, and stays so after a restart. A file
# whose macro the macro list lacks keeps the assignment, says which button and macro, and the
# pass sends that button nothing.
source "$(dirname "$0")/lib.sh"

id=$("$ctl" macro add --name Reload down:R 30ms up:R)
"$ctl" --simulate button set back macro "$id" > /dev/null
"$ctl" --simulate pointer set --wheel-lines 5 > /dev/null
"$ctl" --simulate --trace "$work/before" apply > /dev/null
# The macro stream went out (command 0x13) and Back's entry is not empty.
grep -q '^set-feature 0213' "$work/before" || fail "no macro stream before the export"

"$ctl" profile export "$work/mine.cfg" 2> /dev/null
"$ctl" --simulate profile defaults > /dev/null
"$ctl" --simulate --trace "$work/defaults" profile defaults > /dev/null
"$ctl" --simulate --trace "$work/after" profile import "$work/mine.cfg" > /dev/null 2> "$work/err"
diff "$work/before" "$work/after" || fail "the pass after the import differs from the one before"
expect_eq "$(cat "$work/err")" "$work/mine.cfg import success!" "import message"
"$ctl" --json profile show | tr -d ' \n' | grep -q '"wheelLines":5' || fail "wheel lines not 5"
# What was saved links the macro too: a later run sends the same pass.
"$ctl" --simulate --trace "$work/again" apply > /dev/null
diff "$work/before" "$work/again" || fail "the saved profile lost the macro link"
cmp -s "$work/before" "$work/defaults" && fail "defaults sent the same pass"

# Another settings folder, whose macro list lacks the macro.
export QX71_DATA_DIR="$work/other"
"$ctl" --simulate --trace "$work/missing" profile import "$work/mine.cfg" > /dev/null 2> "$work/err" ||
  fail "import with a missing macro failed"
grep -q "Back: \"Reload\" ($id)" "$work/err" || fail "the missing macro is not named: $(cat "$work/err")"
grep -q '^set-feature 0213' "$work/missing" && fail "a macro stream was sent for a missing macro"
show=$("$ctl" profile show)
echo "$show" | grep -q "back.*macro.*Reload ($id): missing from the macro list" ||
  fail "profile show does not say the macro is missing: $show"
"$ctl" --json profile show | tr -d ' \n' | grep -q '"button":"back","displayName":"Reload","function":6,"hostKind":0,"hostPath":"","hostValue":0,"keyCode":0,"macroId":[0-9]*,"macroMissing":true' ||
  fail "--json does not mark the missing macro"
echo "import with macros: ok"
