#!/usr/bin/env bash
# Profiles that follow the program in use, in English and in Chinese: the right-click menu of a
# profile button, and a profile a rule chose (its dot, and the hint naming the program). Under
# openbox, which publishes the active window; game is the program with a rule.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
settle() { sleep 0.5; }
unset WAYLAND_DISPLAY XDG_SESSION_TYPE

openbox --sm-disable > "$work/openbox.log" 2>&1 &
pids+=("$!")
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

"$bin/qx71" --simulate --trace "$work/trace" --data-dir "$work/data" > "$work/log" 2>&1 &
pids+=("$!")
"$xd" wait-window "$title" 60 > /dev/null
"$xd" window game Sauerbraten 700 420 > /dev/null 2>&1 &
pids+=("$!")
"$xd" window editor Gedit 100 420 > /dev/null 2>&1 &
pids+=("$!")
"$xd" wait-window game 20 > /dev/null
"$xd" wait-window editor 20 > /dev/null
"$bin/qx71ctl" --data-dir "$work/data" rule add Sauerbraten 3 > /dev/null

for language in en zh; do
  if [ "$language" = zh ]; then
    "$xd" activate "$title" > /dev/null
    "$xd" click "$title" 36 626
    settle
    "$xd" click "$title" 61 365
    settle
  fi
  # The focus on editor (no rule), then on game: profile 3 by its rule.
  "$xd" activate editor > /dev/null
  sleep 1.5
  lines=$(wc -l < "$work/trace")
  "$xd" activate game > /dev/null
  for _ in $(seq 100); do [ "$(wc -l < "$work/trace")" -gt "$lines" ] && break; sleep 0.1; done
  sleep 1.5
  # The window's own focus leaves the rule in force.
  # One pixel above profile 3: its hint names the program.
  "$xd" activate "$title" > /dev/null
  "$xd" move "$title" 570 607
  settle
  "$xd" shot "$title" "$out/rules-$language-chosen.png"
  # The menu of profile 3: the rule checked, the other program offered.
  "$xd" click "$title" 570 620 3
  settle
  "$xd" shot-screen "$out/rules-$language-menu.png"
  "$xd" click "$title" 500 50
  settle
done
