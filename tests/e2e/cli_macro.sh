# qx71ctl macro add/list/show/encode/delete on a fresh DataDir.
source "$(dirname "$0")/lib.sh"

id=$("$ctl" macro add --name t down:A 50ms up:A)
[[ "$id" =~ ^0x15[0-9A-F]{6}$ ]] || fail "add printed '$id'"

expect_eq "$("$ctl" macro encode "$id")" "3 entries
00 01 06 04 81 04" "encoded stream"
json=$("$ctl" --json macro encode "$id")
echo "$json" | grep -q '"entries": 3' || fail "entries in: $json"
echo "$json" | grep -q '"stream": "000106048104"' || fail "stream in: $json"

expect_eq "$("$ctl" macro show "$id")" "t  ($id, loop 1)
  press   A
  pause   50  ms
  release A" "shown events"

# Key names as the event list shows them, #CODE for any virtual key, another game title.
id2=$("$ctl" macro add --name "Bf jump" --category 1 --loop 3 \
      down:space 20ms up:Space "down:Page Up" 0ms down:#0x5B up:#91 up:#0x21)
"$ctl" --json macro show "$id2" | grep -q '"text": "L_Win"' || fail "#0x5B is not L_Win"
list=$("$ctl" macro list --category 1)
expect_eq "$(echo "$list" | wc -l)" 1 "macros of category 1"
echo "$list" | grep -q "loop 3" || fail "loop count in: $list"
expect_eq "$("$ctl" macro list | wc -l)" 2 "all macros"
"$ctl" --json macro add --name single down:A | grep -q '"singlePress": true' \
  || fail "a single press is not stored as one"

# Refusals: unknown key, empty name, no key event, unknown id.
for args in "--name x down:Nope" "--name '' down:A" "--name x 50ms" "--name x down:A --loop 0"; do
  if eval "\"$ctl\" macro add $args" > /dev/null 2>&1; then fail "add $args was accepted"; fi
done
if "$ctl" macro show 0x15ABCDEF > /dev/null 2> "$work/err"; then fail "unknown id shown"; fi
grep -q "no macro has the id 0x15ABCDEF" "$work/err" || fail "unknown id message"

# A macro that a profile slot holds is not deleted, with the program's message.
le=$(printf '\\x%s' "${id:8:2}" "${id:6:2}" "${id:4:2}" "${id:2:2}")
printf "$le" | dd of="$QX71_DATA_DIR/Profile/ConfigInfo.cfg" bs=1 seek=1572 conv=notrunc status=none
if "$ctl" macro delete "$id" > /dev/null 2> "$work/err"; then fail "a macro in use was deleted"; fi
expect_eq "$(tail -n 1 "$work/err")" "The macro is being applied and cannot be deleted!" "in-use message"
"$ctl" macro show "$id" > /dev/null || fail "the macro in use is gone"

# Deleting: a macro no profile uses goes; the file keeps its size.
"$ctl" macro delete "$id2" > /dev/null
expect_eq "$("$ctl" macro list | wc -l)" 2 "macros after delete"
expect_eq "$(stat -c %s "$QX71_DATA_DIR/Macro.cfg")" 2052000 "Macro.cfg size"
echo ok
