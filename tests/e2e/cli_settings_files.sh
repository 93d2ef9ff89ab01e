# Settings files that are there but cannot be read, odd file types and read-only folders:
# nothing is written over, nothing waits, every message names its file. Permissions are tried
# as an unprivileged user (root reads everything): as "nobody" when run as root.
source "$(dirname "$0")/lib.sh"

if [ "$(id -u)" = 0 ]; then
  command -v setpriv > /dev/null || { echo "SKIP: setpriv is needed to drop root's privileges"; exit 77; }
  user() { setpriv --reuid=65534 --regid=65534 --clear-groups env QX71_DATA_DIR="$QX71_DATA_DIR" "$@"; }
  chmod 755 "$work"
else
  user() { "$@"; }
fi
data=$QX71_DATA_DIR
seed() {
  rm -rf "$data"
  "$ctl" profile list > /dev/null
  [ "$(id -u)" = 0 ] && chown -R 65534:65534 "$data"
  true
}
digest() { sha256sum "$1" | cut -d' ' -f1; }

# A file at mode 000: told once, naming it; the command goes on with defaults; the file keeps
# its bytes and its mode.
for file in Profile/Profile1.cfg Profile/ConfigInfo.cfg Sts.cfg Language.cfg; do
  seed
  before=$(digest "$data/$file")
  chmod 000 "$data/$file"
  rc=0
  user "$ctl" profile list > "$work/out" 2> "$work/err" || rc=$?
  user "$ctl" stats show >> "$work/out" 2>> "$work/err" || rc=$?
  user "$ctl" --simulate apply >> "$work/out" 2>> "$work/err" || rc=$?
  # The language only picks the messages' texts: its commands still do their work.
  [ "$rc" != 0 ] || [ "$file" = Language.cfg ] || fail "$file at mode 000: every command exited 0"
  grep -q "Profile1.cfg" "$work/out" || fail "$file at mode 000: the profiles were not listed"
  grep -q "$data/$file cannot be read (access denied)" "$work/err" ||
    fail "$file at mode 000: no message naming it: $(cat "$work/err")"
  if [[ $file == Profile/* ]]; then
    ! grep -q "applied to the mouse" "$work/out" || fail "$file at mode 000: apply said applied"
  fi
  [ "$(stat -c %a "$data/$file")" = 0 ] || fail "$file: its mode changed"
  chmod 600 "$data/$file"
  [ "$(digest "$data/$file")" = "$before" ] || fail "$file at mode 000 was written over"
done

# A pipe or a folder in place of a settings file is refused at once.
for kind in pipe folder; do
  seed
  rm "$data/Profile/Profile1.cfg" "$data/Sts.cfg"
  if [ $kind = pipe ]; then
    mkfifo "$data/Profile/Profile1.cfg" "$data/Sts.cfg"
  else
    mkdir "$data/Profile/Profile1.cfg" "$data/Sts.cfg"
  fi
  rc=0
  timeout 10 "$ctl" --simulate apply > "$work/out" 2> "$work/err" || rc=$?
  [ "$rc" != 124 ] || fail "apply waited on a $kind"
  [ "$rc" != 0 ] || fail "apply with a $kind in place of Profile1.cfg exited 0"
  grep -q "Profile1.cfg cannot be read (it is a folder, a pipe or a device, not a file)" \
    "$work/err" || fail "no message for a $kind: $(cat "$work/err")"
  rc=0
  timeout 10 "$ctl" stats show > /dev/null 2> "$work/err" || rc=$?
  [ "$rc" != 124 ] && [ "$rc" != 0 ] || fail "stats show with a $kind in place of Sts.cfg: $rc"
  grep -q "$data/Sts.cfg cannot be read" "$work/err" || fail "no message naming Sts.cfg ($kind)"
  [ -e "$data/Profile/Profile1.cfg" ] && [ ! -f "$data/Profile/Profile1.cfg" ] ||
    fail "the $kind was replaced"
done

# A read-only folder: reading commands say nothing about saving (Language.cfg is not written
# at every start).
seed
chmod 555 "$data" "$data/Profile"
user "$ctl" stats show > /dev/null 2> "$work/err" || fail "stats show in a read-only folder failed"
[ ! -s "$work/err" ] || fail "stats show in a read-only folder printed: $(cat "$work/err")"
chmod 755 "$data" "$data/Profile"

# A symbolic link is saved through, and a save keeps the file's mode.
seed
mkdir "$work/elsewhere"
mv "$data/Profile/Profile1.cfg" "$work/elsewhere/mine.cfg"
ln -s "$work/elsewhere/mine.cfg" "$data/Profile/Profile1.cfg"
chmod 640 "$work/elsewhere/mine.cfg"
chmod 600 "$data/Sts.cfg"
before=$(digest "$work/elsewhere/mine.cfg")
"$ctl" --simulate dpi set 750 1500 > /dev/null 2> "$work/err" || fail "dpi set failed: $(cat "$work/err")"
"$ctl" stats reset > /dev/null
[ -L "$data/Profile/Profile1.cfg" ] || fail "the link was replaced by a file"
[ "$(digest "$work/elsewhere/mine.cfg")" != "$before" ] || fail "the link's target was not saved"
[ "$(stat -c %a "$work/elsewhere/mine.cfg")" = 640 ] || fail "the target lost its mode"
[ "$(stat -c %a "$data/Sts.cfg")" = 600 ] || fail "Sts.cfg lost its mode"
echo "cli settings files: ok"
