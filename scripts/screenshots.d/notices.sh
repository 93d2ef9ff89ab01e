#!/usr/bin/env bash
# The notices of the window in English and Chinese: the import of a profile whose macro the
# macro list lacks, the update check that could not ask its server, the quit without a
# notification area, and the box of a mouse that is plugged in but may not be opened. The real
# program against the simulated mouse, under the private Xvfb that scripts/screenshots starts
# (no panel runs there); QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
box=TolviQX71InfoDlg
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
settle() { sleep 0.4; }
# Clicks the box's OK button, 17 pixels above its bottom (a long text makes the box taller).
ok_box() {
  local height
  height=$("$xd" wait-window "$box" 20 | cut -d' ' -f4)
  "$xd" click "$box" 273 $((height - 17))
  "$xd" wait-gone "$box" 10
  settle
}
shoot_box() {
  "$xd" wait-window "$box" 20 > /dev/null
  settle
  "$xd" shot-screen "$out/$1.png"
}

# A profile whose back button has a macro, exported from another settings folder: the
# program's own folder lacks that macro.
export QX71_DATA_DIR="$work/source"
id=$("$bin/qx71ctl" macro add --name Reload down:R 30ms up:R)
"$bin/qx71ctl" --simulate button set back macro "$id" > /dev/null
"$bin/qx71ctl" profile export "$work/mine.cfg" 2> /dev/null
unset QX71_DATA_DIR

for lang in en zh; do
  data=$work/$lang
  # Nothing answers on port 1: the check cannot reach its server.
  QX71_UPDATE_SERVER=http://127.0.0.1:1 "$bin/qx71" --simulate --data-dir "$data" \
    > "$work/log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null
  settle
  if [ "$lang" = zh ]; then
    "$xd" click "$title" 36 626 # the language menu; Chinese is its first item
    settle
    "$xd" click "$title" 61 365
    settle
  fi
  "$xd" click "$title" 840 103 # the support page
  settle
  "$xd" click "$title" 477 406 # the update check
  shoot_box "notice-$lang-could-not-check"
  ok_box
  "$xd" click "$title" 194 532 # Import
  "$xd" wait-window "Open" 20 > /dev/null
  settle
  "$xd" type "Open" "$work/mine.cfg"
  "$xd" key "Open" Return
  shoot_box "notice-$lang-import-missing-macro"
  ok_box
  "$xd" key "$title" alt+F4
  shoot_box "notice-$lang-quit"
  ok_box
  wait "$pid" || true
  pid=

  # The same folder (and language) with a mouse this user may not open.
  "$bin/qx71" --simulate --simulate-denied --data-dir "$data" > "$work/log" 2>&1 &
  pid=$!
  shoot_box "notice-$lang-permission"
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  pid=
done
