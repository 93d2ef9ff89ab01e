#!/usr/bin/env bash
# Checks the Debian package that scripts/package built:
#   tests/package/check-deb.sh build/release/qx71_<version>_<arch>.deb build/release
# its layout, its control fields, the unpacked programs, the desktop entry, the AppStream file,
# the udev rule and the manual pages. Prints "N passed, N failed" and exits non-zero on any
# failure.
set -uo pipefail
deb="$1"
build="$2"
install_dir="$build/bin" # the build's InstallDir, whose data the package must carry

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*" >&2; }
check() { # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  if "$@"; then pass; else fail "$what"; fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Layout: the listing of the package.
dpkg-deb --contents "$deb" | awk '{ p = $6; for (i = 7; i <= NF; i++) p = p " " $i; print p }' \
  | sed 's#^\./#/#' > "$work/list"
has() { grep -qxF -- "$1" "$work/list"; }
for path in /usr/lib/qx71/qx71ctl \
            "/usr/bin/qx71ctl -> ../lib/qx71/qx71ctl" \
            /usr/lib/udev/rules.d/70-qx71.rules \
            /usr/share/applications/qx71.desktop \
            /usr/share/metainfo/com.tolvi.qx71.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/qx71.svg \
            /usr/share/man/man1/qx71.1.gz /usr/share/man/man1/qx71ctl.1.gz; do
  check "package lacks $path" has "$path"
done
for size in 16 22 24 32 48 64 128 256; do
  check "package lacks the ${size}px icon" has "/usr/share/icons/hicolor/${size}x${size}/apps/qx71.png"
done
# The window program, once the build has it.
if [ -x "$install_dir/qx71" ]; then
  check "package lacks qx71" has /usr/lib/qx71/qx71
  check "package lacks the qx71 link" has "/usr/bin/qx71 -> ../lib/qx71/qx71"
  check "package lacks the sound module" has /usr/lib/qx71/libqx71sound.so
fi
# Everything the build put into InstallDir as data (skins, Language, seed files, FWUpdate).
count=0
while IFS= read -r -d '' file; do
  relative="${file#"$install_dir"/}"
  check "package lacks InstallDir's $relative" has "/usr/lib/qx71/$relative"
  count=$((count + 1))
done < <(find "$install_dir" -type f -name '*.*' -print0)
check "the build's InstallDir holds no data files" test "$count" -ge 20
for seed in Macro.cfg Language.cfg Sts.cfg Profile/ConfigInfo.cfg Profile/Profile5.cfg \
            skins/languagetype.ini Language/sc.xml Language/en.xml Language/tw.xml; do
  check "package lacks the data file $seed" has "/usr/lib/qx71/$seed"
done
check "test or benchmark programs in the package" \
  bash -c "! grep -E '/(test|bench|fuzz)_[^/]*$' '$work/list'"

# Control fields.
dpkg-deb --field "$deb" Package Depends > "$work/control"
check "package name" grep -qx "Package: qx71" "$work/control"
for dep in fonts-dejavu-core fonts-wqy-microhei libc6 libcurl4 libhidapi-hidraw0 libudev1; do
  check "Depends lacks $dep" grep -q "$dep" "$work/control"
done
# The desktops' libraries are opened at run time: recommended, never a whole desktop.
dpkg-deb --field "$deb" Recommends > "$work/recommends"
for rec in libglib2.0-0 gsettings-desktop-schemas libdbus-1-3 qt6-xdgdesktopportal-platformtheme; do
  check "Recommends lacks $rec" grep -q "$rec" "$work/recommends"
done
if [ -x "$install_dir/qx71" ]; then
  check "Depends lacks Qt Multimedia (the sound module's)" grep -q "libqt6multimedia6" "$work/control"
fi
check "the package depends on a desktop" \
  bash -c "! grep -Eq 'gnome-shell|plasma|kwin|libkf5|libkf6' '$work/control'"
dpkg-deb --ctrl-tarfile "$deb" | tar -t > "$work/ctrl"
check "no postinst" grep -qx "./postinst" "$work/ctrl"
dpkg-deb -e "$deb" "$work/DEBIAN"
check "postinst does not reload the rules" grep -q "udevadm control --reload-rules" "$work/DEBIAN/postinst"
check "postinst does not trigger hidraw" grep -q "trigger --action=change --subsystem-match=hidraw" "$work/DEBIAN/postinst"
check "postinst is not valid shell" sh -n "$work/DEBIAN/postinst"

# The programs, unpacked anywhere, find their InstallDir through the link.
root="$work/root"
dpkg-deb -x "$deb" "$root"
data="$work/data"
out=$(env -u DISPLAY "$root/usr/bin/qx71ctl" --simulate --data-dir "$data" info 2>&1)
check "unpacked qx71ctl --simulate info: $out" test "$out" = "Firmware version: 13"
out=$(env -u DISPLAY "$root/usr/bin/qx71ctl" --simulate --data-dir "$data" profile list 2>&1)
check "unpacked qx71ctl profile list failed: $out" test $? -eq 0
check "profile list without five valid slots: $out" \
  test "$(grep -cE '^[1-5] +valid .*/Profile[1-5]\.cfg$' <<< "$out")" -eq 5
# The first run seeded DataDir from the unpacked InstallDir.
check "DataDir not seeded from the unpacked InstallDir" \
  cmp -s "$root/usr/lib/qx71/Profile/Profile1.cfg" "$data/Profile/Profile1.cfg"

# The window program loads Qt Multimedia only with its sound module, at the first sound, and
# no network library (its single-instance socket is a plain local one); the module finds
# every library it needs.
if [ -x "$root/usr/lib/qx71/qx71" ]; then
  needed=$(readelf -d "$root/usr/lib/qx71/qx71" | grep NEEDED)
  check "qx71 links Qt Multimedia or Qt Network: $needed" \
    bash -c "! grep -Eq 'Multimedia|Network' <<< '$needed'"
  missing=$(ldd "$root/usr/lib/qx71/libqx71sound.so" 2>&1 | grep -E "not found|not a dynamic")
  check "the sound module lacks libraries: $missing" test -z "$missing"
fi

# Desktop entry and AppStream file.
check "desktop entry invalid" desktop-file-validate "$root/usr/share/applications/qx71.desktop"
check "AppStream file invalid" \
  appstreamcli validate --no-net --strict "$root/usr/share/metainfo/com.tolvi.qx71.metainfo.xml"

# The udev rule: hidraw and usb nodes of both identities, each with uaccess.
rule="$root/usr/lib/udev/rules.d/70-qx71.rules"
cache="$build/CMakeCache.txt"
id_of() { sed -n "s/^$1:STRING=//p" "$cache" | tr 'A-F' 'a-f'; }
for identity in "QX71_VENDOR_ID QX71_PRODUCT_ID" "QX71_UPDATE_VENDOR_ID QX71_UPDATE_PRODUCT_ID"; do
  set -- $identity
  vid=$(id_of "$1")
  pid=$(id_of "$2")
  check "no identity $1 in the build" test -n "$vid" -a -n "$pid"
  for subsystem in hidraw usb; do
    check "rule lacks $subsystem $vid:$pid with uaccess" \
      grep -qE "SUBSYSTEM==\"$subsystem\".*idVendor\}==\"$vid\".*idProduct\}==\"$pid\".*TAG\+=\"uaccess\"" "$rule"
  done
done

# Manual pages render without warnings.
for page in qx71 qx71ctl; do
  warnings=$(man -l --warnings "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  check "man $page: $warnings" test -z "$warnings"
done

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
