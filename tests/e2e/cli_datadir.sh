# The settings folder at start: an empty folder is seeded like a missing one, --help touches
# nothing, and temp files of an interrupted save whose writer is gone are removed.
source "$(dirname "$0")/lib.sh"

count_files() { find "$1" -type f | wc -l; }

# An existing but empty folder: five profiles, no file message, the nine files seeded.
empty="$work/empty"
mkdir -p "$empty"
"$ctl" --data-dir "$empty" profile list > "$work/out" 2> "$work/err"
expect_eq "$(grep -c 'Profile[1-5].cfg' "$work/out")" 5 "profiles listed"
[ ! -s "$work/err" ] || fail "messages for an empty folder: $(cat "$work/err")"
expect_eq "$(count_files "$empty")" 9 "seeded files"
"$ctl" --data-dir "$empty" --json lang list | grep -q '"stored": 2' || fail "language is not English"

# A folder that holds some of the files stays as it is: nothing is copied.
some="$work/some"
mkdir -p "$some"
cp "$empty/Macro.cfg" "$some/"
"$ctl" --data-dir "$some" macro list > /dev/null 2>&1 || true
[ ! -e "$some/Sts.cfg" ] || fail "a folder with some files was seeded"

# --help, also a command's, prints help and touches no file.
for args in "--help" "profile --help" "profile list --help" "macro add --help"; do
  # shellcheck disable=SC2086
  "$ctl" --data-dir "$work/untouched" $args > "$work/help" || fail "$args failed"
  [ -s "$work/help" ] || fail "$args printed nothing"
  [ ! -e "$work/untouched" ] || fail "$args touched the settings folder"
done

# Temp files of a save killed midway: removed when their process is gone, kept otherwise.
gone=4194999 # above the kernel's largest process id
touch "$empty/Macro.cfg.tmp-$gone" "$empty/Profile/Profile2.cfg.tmp-$gone" \
  "$empty/Language.cfg.tmp-$$"
"$ctl" --data-dir "$empty" profile list > /dev/null
[ ! -e "$empty/Macro.cfg.tmp-$gone" ] || fail "stale Macro.cfg temp file kept"
[ ! -e "$empty/Profile/Profile2.cfg.tmp-$gone" ] || fail "stale profile temp file kept"
[ -e "$empty/Language.cfg.tmp-$$" ] || fail "the temp file of a running process was removed"
echo ok
