#!/usr/bin/env bash
# The main window on each page in English and in Chinese, the language popup open, and the
# "cannot be found" box, from the real program against the simulated mouse. Runs under the
# private Xvfb that scripts/screenshots starts; QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
work=$(mktemp -d)
pid=
tray=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; [ -n "$tray" ] && kill "$tray"; rm -rf "$work"' EXIT
tabs=("120 103" "290 103" "470 103" "655 103" "840 103")
names=(buttons lighting macros statistics support)
settle() { sleep 0.4; }

# A notification area for the icon and its menu.
"$xd" tray-host &
tray=$!

"$bin/qx71" --simulate --data-dir "$work/data" > "$work/log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null
settle
for language in en zh; do
  if [ "$language" = zh ]; then
    # The flag menu: Chinese is its first item.
    "$xd" click "$title" 36 626
    settle
    "$xd" click "$title" 61 365
    settle
  fi
  for i in 0 1 2 3 4; do
    # shellcheck disable=SC2086
    "$xd" click "$title" ${tabs[$i]}
    "$xd" move "$title" 500 50
    settle
    "$xd" shot "$title" "$out/main-$language-$((i + 1))-${names[$i]}.png"
  done
  "$xd" click "$title" ${tabs[0]}
done

# The language popup open above its button, and a hint (the pointer next to profile 3).
"$xd" move "$title" 570 607
settle
"$xd" shot "$title" "$out/main-hint-profile3.png"
"$xd" click "$title" 36 626
settle
settle
"$xd" shot-screen "$out/main-language-menu.png"
"$xd" key "$title" Escape || true
"$xd" click "$title" 500 50
settle

# The icon's menu, opened with the right button on the icon.
"$xd" click qx71-tray 12 12 3
settle
"$xd" shot-screen "$out/main-tray-menu.png"
"$xd" key "$title" Escape || true
settle

# The mouse unplugged: the count-down box in the screen's corner.
kill -USR1 "$pid"
"$xd" wait-window TolviQX71InfoDlg 20 > /dev/null
settle
"$xd" shot-screen "$out/main-not-found.png"
"$xd" click TolviQX71InfoDlg 270 140
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
pid=
