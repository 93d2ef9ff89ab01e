#!/usr/bin/env bash
# Quitting on the desktops users have. Under openbox without a panel, Alt+F4 ends the program
# as "Exit" does (after saying so once) and Sts.cfg holds the clicks made. With tint2 as the
# notification area, Alt+F4 hides the window, the icon brings it back, and the icon's "Exit"
# ends the program; Ctrl+Q ends it at any time.
# usage: window_quit.sh QX71 XDRIVER
set -euo pipefail
qx71=$1
xd=$2
here=$(dirname "$0")
source "$here/../desktop.sh"
e2e_begin
le32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
# Waits up to $2 seconds for process $1 to end; its status in $status.
wait_exit() {
  local waited=0
  while kill -0 "$1" 2> /dev/null; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -le $(($2 * 10)) ] || return 1
  done
  status=0
  wait "$1" || status=$?
}
start() {
  "$qx71" --simulate --data-dir "$1" > "$work/window.log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
}

start_openbox

# 1. No notification area: Alt+F4 tells once, then the program ends and keeps the clicks.
start "$work/D1"
for _ in 1 2 3; do "$xd" click "$title" 480 60; done
sleep 0.5
"$xd" key "$title" alt+F4
geometry=$("$xd" wait-window "$box" 20) || fail "no notice before ending"
# OK sits 17 pixels above the box's bottom (a long text makes the box taller).
"$xd" click "$box" 273 $(($(cut -d' ' -f4 <<< "$geometry") - 17))
wait_exit "$pid" 10 || fail "Alt+F4 did not end the program without a notification area"
[ "$status" = 0 ] || fail "exit status $status"
clicks=$(le32 "$work/D1/Sts.cfg" 0)
[ "$clicks" -ge 3 ] || fail "Sts.cfg holds $clicks left clicks, expected at least 3"
pid=

# 2. A panel that starts after the program: the icon docks there and Alt+F4 hides.
start "$work/D2"
start_tint2 "$xd"
sleep 1
"$xd" key "$title" alt+F4
"$xd" wait-gone "$title" 10 || fail "Alt+F4 did not hide the window with a notification area"
kill -0 "$pid" || fail "Alt+F4 ended the program although a notification area runs"
"$xd" viewable "$box" && fail "a notice showed although a notification area runs"
# A double click on the icon brings the window back; Ctrl+Q ends the program.
"$xd" click-tray 1
"$xd" click-tray 1
"$xd" wait-window "$title" 10 > /dev/null || fail "the icon did not bring the window back"
"$xd" key "$title" ctrl+q
wait_exit "$pid" 10 || fail "Ctrl+Q did not end the program"
pid=

# 3. With the panel: the icon's menu, "Exit" (its last item), ends the program.
start "$work/D3"
sleep 1
"$xd" key "$title" alt+F4
"$xd" wait-gone "$title" 10 || fail "third run: Alt+F4 did not hide"
"$xd" click-tray 3
sleep 0.5
"$xd" press Up
"$xd" press Return
wait_exit "$pid" 10 || fail "the icon's Exit did not end the program"
[ "$status" = 0 ] || fail "exit status $status after Exit"
pid=

# 4. The panel goes away while the window is hidden: the window shows itself again.
start "$work/D4"
sleep 1
"$xd" key "$title" alt+F4
"$xd" wait-gone "$title" 10 || fail "fourth run: Alt+F4 did not hide"
stop_tint2
"$xd" wait-window "$title" 10 > /dev/null || fail "the window stayed hidden after the panel went"
kill -TERM "$pid"
wait_exit "$pid" 5 || fail "fourth run did not end"
pid=
echo "window quit: ok"
