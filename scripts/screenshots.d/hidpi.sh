#!/usr/bin/env bash
# The program on a screen of twice the density (QT_SCALE_FACTOR=2, as on a 192-dpi desktop),
# in English: the main window, the function chooser on its key and advanced pages, the
# language menu and a message box, each drawn from the images made at twice the size. Needs a
# screen larger than the others', so it runs itself again under an Xvfb of its own.
set -euo pipefail
if [ -z "${QX71_HIDPI_SCREEN:-}" ]; then
  export QX71_HIDPI_SCREEN=1
  QX71_XVFB_SCREEN=2200x1500 exec bash tests/platform/x11/with-xvfb.sh bash "$0"
fi
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
chooser=TolviQX71SettingDlg
info=TolviQX71InfoDlg
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
settle() { sleep 0.6; }
# Window pixels are twice the logical ones.
at() { "$xd" "$1" "$2" $(($3 * 2)) $(($4 * 2)); }

QT_SCALE_FACTOR=2 "$bin/qx71" --simulate --data-dir "$work/data" > "$work/log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null
settle
at move "$title" 500 50
settle
"$xd" shot "$title" "$out/hidpi-main.png"

# The middle button's tab opens the chooser; then its advanced page.
at click "$title" $((156 + 15)) $((424 + 128))
"$xd" wait-window "$chooser" 20 > /dev/null
settle
at move "$chooser" 200 290
settle
"$xd" shot "$chooser" "$out/hidpi-chooser-key.png"
at click "$chooser" 358 50
at move "$chooser" 200 290
settle
"$xd" shot "$chooser" "$out/hidpi-chooser-advanced.png"
at click "$chooser" 397 12
settle

# The language menu over the flag.
at click "$title" 36 626
settle
"$xd" shot-screen "$out/hidpi-language-menu.png"
"$xd" key "$title" Escape || true
at click "$title" 500 50
settle

# Disabling the left button, the only Click, shows the rule's message.
at click "$title" $((65 + 15)) $((424 + 128))
"$xd" wait-window "$chooser" 20 > /dev/null
settle
at click "$chooser" 32 267
at click "$chooser" 354 271
"$xd" wait-window "$info" 20 > /dev/null
settle
"$xd" shot "$info" "$out/hidpi-info-box.png"
at click "$info" 270 140 || true
settle
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
pid=
