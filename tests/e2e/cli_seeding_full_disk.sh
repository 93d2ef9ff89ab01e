# The first start on a disk too small for the settings files: each file is written whole or
# not at all, the failure is told naming the files, and the next start with room again writes
# what is missing. A small tmpfs is a full disk that root cannot write past; mounting one
# needs root, so the script is skipped (77) otherwise.
source "$(dirname "$0")/lib.sh"

[ "$(id -u)" = 0 ] || { echo "SKIP: mounting a small tmpfs needs root"; exit 77; }
disk=$work/disk
mkdir "$disk"
mount -t tmpfs -o size=64k tmpfs "$disk" 2> /dev/null ||
  { echo "SKIP: a tmpfs cannot be mounted here"; exit 77; }
trap 'umount "$disk"; rm -rf "$work"' EXIT
export QX71_DATA_DIR=$disk/QX71
data=$QX71_DATA_DIR
install=$(dirname "$ctl")
files=(Macro.cfg Language.cfg Sts.cfg Profile/ConfigInfo.cfg Profile/Profile1.cfg
       Profile/Profile2.cfg Profile/Profile3.cfg Profile/Profile4.cfg Profile/Profile5.cfg)

"$ctl" profile list > /dev/null 2> "$work/err" || true
grep -q "The settings folder $data could not be filled: Macro.cfg (write error, the disk may be full)" \
  "$work/err" || fail "no message for the seeding on a full disk: $(cat "$work/err")"
missing=0
for file in "${files[@]}"; do
  if [ -e "$data/$file" ]; then
    cmp -s "$install/$file" "$data/$file" || fail "$file was left cut or empty"
  else
    missing=$((missing + 1))
  fi
done
[ "$missing" -gt 0 ] || fail "a 64 KiB disk took every settings file"
ls -A "$data" "$data/Profile" | grep -q "tmp-" && fail "a temp file of a failed write was left"

# Room again: the next start writes what the first could not, and says nothing about it.
mount -o remount,size=8m "$disk"
"$ctl" profile list > /dev/null 2> "$work/err" || fail "profile list after the disk was freed"
! grep -q "could not be filled" "$work/err" || fail "the second seeding failed: $(cat "$work/err")"
for file in "${files[@]}"; do
  cmp -s "$install/$file" "$data/$file" || fail "$file was not seeded at the next start"
done
[ ! -e "$data/.seeding-unfinished" ] || fail "the finished seeding is still marked unfinished"

# Seeded in full: a file removed by hand stays removed (the readers give its defaults).
rm "$data/Profile/Profile3.cfg"
"$ctl" profile list > /dev/null 2>&1 || true
[ ! -e "$data/Profile/Profile3.cfg" ] || fail "a folder seeded in full was seeded again"
echo "ok"
