#!/usr/bin/env bash
# Under openbox: a macro on the back button and 5 wheel lines survive the window's Export,
# Restore defaults and Import: the pass of Apply after the import is the pass of Apply before
# the export, byte for byte.
# usage: window_import.sh QX71 QX71CTL XDRIVER
set -euo pipefail
qx71=$1
ctl=$2
xd=$3
here=$(dirname "$0")
source "$here/../desktop.sh"
e2e_begin
progress="TolviQX71ProcessDlg"
lines() { wc -l < "$1" 2> /dev/null || echo 0; }

start_openbox

# The profile of the first run: a macro on the back button, 5 lines per notch.
export QX71_DATA_DIR="$work/D"
id=$("$ctl" macro add --name Reload down:R 30ms up:R)
"$ctl" --simulate button set back macro "$id" pointer set --wheel-lines 5 > /dev/null
unset QX71_DATA_DIR

"$qx71" --simulate --trace "$work/t" --data-dir "$work/D" > "$work/window.log" 2>&1 &
pid=$!
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
for _ in $(seq 100); do grep -q '^get-feature 0280' "$work/t" && break; sleep 0.1; done

# Apply; the lines it sent are the pass.
apply() {
  local before
  before=$(lines "$work/t")
  "$xd" click "$title" 880 612
  "$xd" wait-window "$progress" 20 > /dev/null || fail "no progress dialog"
  "$xd" wait-gone "$progress" 30 || fail "the progress dialog stayed"
  tail -n +$((before + 1)) "$work/t" > "$1"
  [ -s "$1" ] || fail "Apply sent nothing"
}
# Confirms the box that shows.
ok() {
  "$xd" wait-window "$box" 20 > /dev/null || fail "no box after $1"
  "$xd" click "$box" "$2" 140
  "$xd" wait-gone "$box" 10 || fail "the box after $1 stayed"
}
# Answers the file dialog titled $1 with the path $2.
choose() {
  "$xd" wait-window "$1" 20 > /dev/null || fail "no \"$1\" dialog"
  sleep 0.3
  "$xd" type "$1" "$2"
  "$xd" key "$1" Return
  "$xd" wait-gone "$1" 10 || fail "the \"$1\" dialog stayed"
}

apply "$work/pass-before"
grep -q '^set-feature 0213' "$work/pass-before" || fail "no macro stream in the first pass"

"$xd" click "$title" 840 103 # the support page
"$xd" click "$title" 294 532 # Export
choose "Save As" "$work/mine.cfg"
ok "the export" 270
[ "$(stat -c %s "$work/mine.cfg")" = 22156 ] || fail "nothing exported"

"$xd" click "$title" 844 530 # Restore defaults, then OK on the question
"$xd" wait-window "$box" 20 > /dev/null || fail "no question before restoring the defaults"
"$xd" click "$box" 211 140
"$xd" wait-window "$progress" 20 > /dev/null || fail "no progress dialog for the defaults"
"$xd" wait-gone "$progress" 30 || fail "the defaults' pass did not end"

"$xd" click "$title" 194 532 # Import
choose "Open" "$work/mine.cfg"
ok "the import" 270

"$xd" click "$title" 110 103 # back to the button page, where Apply works
apply "$work/pass-after"
diff "$work/pass-before" "$work/pass-after" || fail "the pass after the import differs"
kill -TERM "$pid"
wait "$pid" || true
pid=
echo "window import: ok"
