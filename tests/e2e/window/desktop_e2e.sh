#!/usr/bin/env bash
# The window's Apply sets the pointer settings in GNOME's GSettings (the keyfile back end in a
# temporary XDG_CONFIG_HOME), on the X server in DISPLAY; in a Wayland session (this X server
# standing for XWayland) the window says once what the input hooks cannot see.
# usage: desktop_e2e.sh QX71 QX71CTL XDRIVER
set -euo pipefail
qx71=$1
ctl=$2
xd=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do [ -e "$log" ] && { echo "== $log" >&2; cat "$log" >&2; }; done
  exit 1
}
title="Tolvi QX71 Gaming Mouse Driver"
progress="TolviQX71ProcessDlg"
box="TolviQX71InfoDlg"
# Waits up to $2 seconds for process $1 to end.
wait_exit() {
  local pid=$1 limit=$2 waited=0
  while kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -le $((limit * 10)) ] || return 1
  done
}
export XDG_CONFIG_HOME="$work/config"
export GSETTINGS_BACKEND=keyfile
keyfile="$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"

# The profile holds speed 15 without precision; outside a desktop nothing else is set.
env -u DISPLAY "$ctl" --simulate --data-dir "$work/D" pointer set --speed 15 --precision off \
  > /dev/null
[ ! -e "$keyfile" ] || fail "qx71ctl without a desktop wrote GNOME's settings"

XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=x11 \
  "$qx71" --simulate --trace "$work/t" --data-dir "$work/D" > "$work/window.log" 2>&1 &
pids+=("$!")
"$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear"
"$xd" click "$title" 880 612
"$xd" wait-window "$progress" 20 > /dev/null || fail "no progress dialog"
"$xd" wait-gone "$progress" 20 || fail "the progress dialog stayed"
grep -qx 'speed=0.5' "$keyfile" || fail "GNOME's speed is not 0.5: $(cat "$keyfile" 2>&1)"
grep -qx "accel-profile='flat'" "$keyfile" || fail "GNOME's profile is not flat: $(cat "$keyfile")"
[ ! -e "$work/D/WaylandNotice.shown" ] || fail "an X11 session was told about Wayland"
kill -TERM "${pids[0]}"
wait_exit "${pids[0]}" 10 || fail "the window did not end"

# A Wayland session: the notice at the first start, then never again.
for run in 1 2; do
  XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland \
    "$qx71" --simulate --data-dir "$work/D" > "$work/wayland$run.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  "$xd" wait-window "$title" 60 > /dev/null || fail "the window did not appear (run $run)"
  if [ "$run" = 1 ]; then
    read -r _ _ bw bh < <("$xd" wait-window "$box" 20) || fail "no Wayland notice at the first start"
    # OK sits in the box's bottom right corner, whose height follows the text.
    "$xd" click "$box" $((bw - 56)) $((bh - 16))
    "$xd" wait-gone "$box" 10 || fail "the notice did not close"
    [ -e "$work/D/WaylandNotice.shown" ] || fail "the notice was not remembered"
  elif "$xd" wait-window "$box" 3 > /dev/null; then
    fail "the Wayland notice showed again"
  fi
  kill -TERM "$pid"
  wait_exit "$pid" 10 || fail "the window did not end (run $run)"
done
echo "desktop_e2e: ok"
