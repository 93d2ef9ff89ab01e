#!/usr/bin/env bash
# The macro page in English, Chinese and Russian: a long macro with the scroll bar, a long
# name, the game menu open, a recording running, the key row of an insert and an in-place
# rename. Runs under the private Xvfb that scripts/screenshots starts; QX71_BIN and
# QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
settle() { sleep 0.4; }
# The page sits at (15,128) of the window; these are window coordinates.
macro_tab="470 103"
game_button="185 180"
record_button="780 184"
insert_button="381 544"
key_option="712 371"
page_background="500 566"
first_macro="115 241"
third_macro="115 277"
# The flag menu's items, 22 pixels apart from the first (Chinese).
flag_button="36 626"
flag_item() { echo "61 $((365 + 22 * ($1 - 1)))"; }

# Macros of the user's group: a short one, one with a long name, and a long one whose events
# need the scroll bar; one of a game title.
export QX71_DATA_DIR=$work/data
ctl() { "$bin/qx71ctl" --simulate "$@" > /dev/null; }
ctl macro add --name Jump down:Space 50ms up:Space
ctl macro add --name "Twenty characters!!!" down:L_Shift 30ms down:W 400ms up:W up:L_Shift
long=()
for key in Q W E R A S D F Z X C V; do
  long+=("down:$key" 35ms "up:$key" 120ms)
done
ctl macro add --name "Spell rotation" --loop 3 "${long[@]}"
ctl macro add --name "Grenade" --category 1 down:G 80ms up:G

"$bin/qx71" --simulate --data-dir "$QX71_DATA_DIR" > "$work/log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null
settle

shoot() { "$xd" move "$title" 500 40; settle; "$xd" shot "$title" "$out/macro-$1.png"; }

for language in en zh ru; do
  case $language in
    zh) item=1 ;;
    ru) item=10 ;;
    *) item=2 ;;
  esac
  # shellcheck disable=SC2046
  "$xd" click "$title" $flag_button
  settle
  # shellcheck disable=SC2046
  "$xd" click "$title" $(flag_item "$item")
  settle
  # shellcheck disable=SC2086
  "$xd" click "$title" $macro_tab
  settle
  # The long macro, scrolled to its last event.
  # shellcheck disable=SC2086
  "$xd" click "$title" $third_macro
  settle
  shoot "$language-page"

  # The game menu open below its button.
  # shellcheck disable=SC2086
  "$xd" click "$title" $game_button
  settle
  "$xd" shot-screen "$out/macro-$language-game-menu.png"
  # shellcheck disable=SC2086
  "$xd" click "$title" $page_background
  settle

  # The key row of an insert.
  # shellcheck disable=SC2086
  "$xd" click "$title" $insert_button
  settle
  # shellcheck disable=SC2086
  "$xd" click "$title" $key_option
  settle
  shoot "$language-insert-key"
  # Leaving the page ends the insert.
  "$xd" click "$title" 120 103
  settle
  # shellcheck disable=SC2086
  "$xd" click "$title" $macro_tab
  settle

  # A recording into the first macro, stopped again by leaving the page.
  # shellcheck disable=SC2086
  "$xd" click "$title" $first_macro
  settle
  # shellcheck disable=SC2086
  "$xd" click "$title" $record_button
  settle
  "$xd" key "$title" k
  sleep 0.2
  "$xd" key "$title" l
  shoot "$language-recording"
  "$xd" click "$title" 120 103
  settle
done

# An in-place rename of the selected macro.
# shellcheck disable=SC2086
"$xd" click "$title" $macro_tab
settle
"$xd" click "$title" $first_macro
sleep 0.05
# shellcheck disable=SC2086
"$xd" click "$title" $first_macro
settle
shoot "rename"
"$xd" key "$title" Escape
