#!/usr/bin/env bash
# The button assignment page and the function chooser in English, Chinese and Russian: the
# page with a spot lit, the chooser on each of its four pages, a key combination typed on the
# key page, and the left-click rule's message; from the real program against the simulated
# mouse. Runs under the private Xvfb that scripts/screenshots starts; QX71_BIN and
# QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
chooser=TolviQX71SettingDlg
info=TolviQX71InfoDlg
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
settle() { sleep 0.5; }
# Page pixels to window pixels: the pages sit at (15, 128).
page_move() { "$xd" move "$title" $(($1 + 15)) $(($2 + 128)); }
page_click() { "$xd" click "$title" $(($1 + 15)) $(($2 + 128)); }
away() { "$xd" move "$title" 500 50; }
# The middle of each tab of the page (left, middle, right, forward, back, wheel up, down).
tabs_x=(65 156 244 331 418 507 610)
tab_y=424
# The chooser's tabs (key, macro, basic, advanced), disable box, OK and close.
chooser_tabs=("55 50" "159 50" "255 50" "358 50")
chooser_names=(key macro basic advanced)

start() {
  "$bin/qx71" --simulate --data-dir "$work/data" > "$work/log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null
  settle
}
stop() {
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  pid=
}
# Language.cfg holds the language's number, little-endian.
language_cfg() {
  python3 -c 'import struct,sys; sys.stdout.buffer.write(struct.pack("<i", int(sys.argv[1])))' \
    "$1" > "$work/data/Language.cfg"
}

# A first run seeds the settings folder.
start
stop

for language in en zh ru; do
  case $language in
    en) language_cfg 2 ;;
    zh) language_cfg 1 ;;
    ru) language_cfg 10 ;;
  esac
  start
  away
  settle
  "$xd" shot "$title" "$out/buttons-$language-page.png"

  # The pointer resting on the right button's tab lights its spot.
  page_move "${tabs_x[2]}" $tab_y
  settle
  "$xd" shot "$title" "$out/buttons-$language-spot-right.png"

  # The chooser of the middle button: its four pages, then a combination typed live.
  page_click "${tabs_x[1]}" $tab_y
  "$xd" wait-window "$chooser" 20 > /dev/null
  settle
  for i in 1 2 3 0; do
    # shellcheck disable=SC2086
    "$xd" click "$chooser" ${chooser_tabs[$i]}
    "$xd" move "$chooser" 200 290
    settle
    "$xd" shot "$chooser" "$out/chooser-$language-$((i + 1))-${chooser_names[$i]}.png"
  done
  "$xd" key "$chooser" ctrl+shift+a
  settle
  "$xd" shot "$chooser" "$out/chooser-$language-key-combo.png"
  "$xd" click "$chooser" 354 271
  settle
  away
  settle
  "$xd" shot "$title" "$out/buttons-$language-middle-assigned.png"

  # The left button is the only Click: disabling it shows the rule's message.
  page_click "${tabs_x[0]}" $tab_y
  "$xd" wait-window "$chooser" 20 > /dev/null
  settle
  "$xd" click "$chooser" 32 267
  "$xd" click "$chooser" 354 271
  "$xd" wait-window "$info" 20 > /dev/null
  settle
  "$xd" shot-screen "$out/buttons-$language-left-click-rule.png"
  "$xd" click "$info" 270 140 || true
  settle
  stop
done
