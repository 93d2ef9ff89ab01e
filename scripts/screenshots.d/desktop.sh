#!/usr/bin/env bash
# What the window says about the desktop: the note under "Lines per notch", which this plain
# X11 session does not use, and the notice at the first start in a Wayland session (this X
# server standing for XWayland), in English and in Chinese. Runs under the private Xvfb that
# scripts/screenshots starts; QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
box=TolviQX71InfoDlg
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
settle() { sleep 0.4; }
stop() {
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  pid=
}
unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY

for language in en zh; do
  data="$work/$language"
  XDG_SESSION_TYPE=x11 "$bin/qx71" --simulate --data-dir "$data" > "$work/log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null
  settle
  if [ "$language" = zh ]; then
    # The flag menu: Chinese is its first item.
    "$xd" click "$title" 36 626
    settle
    "$xd" click "$title" 61 365
    settle
  fi
  # The note under the wheel controls: this desktop does not use the lines per notch.
  "$xd" move "$title" 500 50
  settle
  "$xd" shot "$title" "$out/desktop-$language-lines-note.png"
  stop

  # The same settings folder in a Wayland session: the notice at its first start there.
  XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway \
    "$bin/qx71" --simulate --data-dir "$data" > "$work/log" 2>&1 &
  pid=$!
  read -r _ _ bw bh < <("$xd" wait-window "$box" 60)
  settle
  "$xd" shot-screen "$out/desktop-$language-wayland-notice.png"
  "$xd" click "$box" $((bw - 56)) $((bh - 16))
  stop
done
