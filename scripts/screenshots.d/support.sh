#!/usr/bin/env bash
# The support page in English, Chinese and Russian (with the update button's hint), and the
# update check against a loopback update server: the question for newer firmware and the box
# of a failed image download. The real program against the simulated mouse (firmware 13), under
# the private Xvfb that scripts/screenshots starts; QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
box=TolviQX71InfoDlg
work=$(mktemp -d)
pid=
server=
# The program stores the online description beside itself when it may write there.
downloaded=$bin/FWUpdate/new_version/update.xml
keep_downloaded=0
[ -e "$downloaded" ] && keep_downloaded=1
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  if [ "$keep_downloaded" = 0 ]; then
    rm -f "$downloaded"
    rmdir -p "$(dirname "$downloaded")" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
settle() { sleep 0.4; }

# An update server offering firmware 14, whose image is missing (so the download fails).
mkdir -p "$work/www/software/qx71"
cat > "$work/www/software/qx71/update.xml" <<'XML'
<update><firmware><current>14</current><newfile>http://127.0.0.1:1/missing.bin</newfile></firmware></update>
XML
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work/www" > "$work/server.log" 2>&1 &
server=$!
port=
for _ in $(seq 100); do
  port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/server.log" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "support.sh: the update server did not start" >&2; exit 1; }

QX71_UPDATE_SERVER="http://127.0.0.1:$port" \
  "$bin/qx71" --simulate --data-dir "$work/data" > "$work/log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null
settle

support_tab() { "$xd" click "$title" 840 103; "$xd" move "$title" 500 50; settle; }
# The language menu: one item per 22 pixels from Chinese at the top.
language() {
  "$xd" click "$title" 36 626
  settle
  "$xd" click "$title" 61 $((365 + 22 * $1))
  settle
}

support_tab
"$xd" shot "$title" "$out/support-en.png"
# The pointer on the update button: its hint in the hint line.
"$xd" move "$title" 477 406
settle
"$xd" shot "$title" "$out/support-en-hint.png"

# Clicks the box's button at x, 17 pixels above the bottom (a long message makes the box
# taller and moves its buttons down).
click_box() {
  local height
  height=$("$xd" wait-window "$box" 20 | cut -d' ' -f4)
  "$xd" click "$box" "$1" $((height - 17))
  settle
}

# The update check: the question, then the failed download.
"$xd" click "$title" 477 406
"$xd" wait-window "$box" 20 > /dev/null
settle
"$xd" shot-screen "$out/support-update-question.png"
click_box 211
"$xd" wait-window "$box" 20 > /dev/null
settle
"$xd" shot-screen "$out/support-download-failed.png"
click_box 273
"$xd" wait-gone "$box" 10

language 0
support_tab
"$xd" shot "$title" "$out/support-zh.png"
# The question in Chinese, answered with Cancel.
"$xd" click "$title" 477 406
"$xd" wait-window "$box" 20 > /dev/null
settle
"$xd" shot-screen "$out/support-zh-update-question.png"
click_box 278
"$xd" wait-gone "$box" 10
"$xd" move "$title" 500 50
language 9
support_tab
"$xd" shot "$title" "$out/support-ru.png"
"$xd" move "$title" 477 406
settle
"$xd" shot "$title" "$out/support-ru-hint.png"
