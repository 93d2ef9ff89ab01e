#!/usr/bin/env bash
# qx71ctl rule add/list/remove: the rules file, refusals, and --json.
. "$(dirname "$0")/lib.sh"
rules="$QX71_DATA_DIR/ProfileRules.txt"

out=$("$ctl" rule list)
expect_eq "$out" "No rules: the profile follows no program." "empty list"

"$ctl" rule add XClock 3 > /dev/null || fail "add XClock"
"$ctl" rule add --exe sauer_client 5 > /dev/null || fail "add an executable"
"$ctl" rule add xclock 2 > /dev/null || fail "a new profile for XClock"
out=$("$ctl" rule list)
expect_eq "$out" "1  profile 2  class  xclock
2  profile 5  exe  sauer_client" "the list in rule order, XClock replaced in its place"
grep -q "^class	xclock	2$" "$rules" || fail "the file holds the rule"

json=$("$ctl" --json rule list | tr -d " \n")
expect_eq "$json" "{\"file\":\"$rules\",\"rules\":[{\"match\":\"class\",\"profile\":2,\"program\":\"xclock\"},{\"match\":\"exe\",\"profile\":5,\"program\":\"sauer_client\"}]}" "rule list --json"
json=$("$ctl" --json rule add Gimp 1 | tr -d " \n")
expect_eq "$json" '{"added":{"match":"class","profile":1,"program":"Gimp"}}' "rule add --json"

# Refused profile numbers: nothing is written.
before=$(cat "$rules")
for bad in 0 6 x 2x -1; do
  if err=$("$ctl" rule add Inkscape -- "$bad" 2>&1 >/dev/null); then fail "profile $bad accepted"; fi
  expect_eq "$err" "There is no such profile: profiles are numbered 1 to 5." "profile $bad"
done
expect_eq "$(cat "$rules")" "$before" "a refused rule left the file"

# An unknown program.
if err=$("$ctl" rule remove Inkscape 2>&1 >/dev/null); then fail "removing an unknown program succeeded"; fi
expect_eq "$err" "No rule names Inkscape." "unknown program"
expect_eq "$(cat "$rules")" "$before" "a refused removal left the file"

out=$("$ctl" rule remove XCLOCK)
expect_eq "$out" "The rules of XCLOCK were removed." "remove"
json=$("$ctl" --json rule remove sauer_client | tr -d " \n")
expect_eq "$json" '{"removed":"sauer_client"}' "rule remove --json"
out=$("$ctl" rule list)
expect_eq "$out" "1  profile 1  class  Gimp" "what is left"

# A file that is not ours is named and never overwritten.
printf 'class\tGimp\t1\nsomething else\n' > "$rules"
if err=$("$ctl" rule add Krita 2 2>&1 >/dev/null); then fail "a damaged file was edited"; fi
expect_eq "$err" "$rules: line 2 is not a rule; the file was left as it is." "damaged file"
expect_eq "$(cat "$rules")" "$(printf 'class\tGimp\t1\nsomething else')" "damaged file kept"
echo "ok"
