# A real desktop for the window program's end-to-end scripts, on the X server in DISPLAY:
# openbox as the window manager and, where a notification area matters, tint2 as the panel.
# Source it and call e2e_begin, then start_openbox and start_tint2 XDRIVER as needed.
# Their configuration comes from a temp folder, so a user's own never changes a test.
desktop_dir=$(mktemp -d)
desktop_pids=()

# Waits until openbox manages the screen (it then names itself on the root window).
start_openbox() {
  XDG_CONFIG_HOME="$desktop_dir/config" openbox --sm-disable > "$desktop_dir/openbox.log" 2>&1 &
  desktop_pids+=("$!")
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "desktop: openbox did not start" >&2
  cat "$desktop_dir/openbox.log" >&2
  return 1
}

# A panel holding only a notification area, along the bottom of the screen; waits until it
# owns the tray selection. $1: qx71_xdriver.
start_tint2() {
  cat > "$desktop_dir/tint2rc" << 'RC'
panel_items = S
panel_size = 100% 32
panel_position = bottom center horizontal
panel_layer = top
systray_padding = 4 4 4
systray_icon_size = 24
RC
  XDG_CONFIG_HOME="$desktop_dir/config" tint2 -c "$desktop_dir/tint2rc" \
    > "$desktop_dir/tint2.log" 2>&1 &
  desktop_pids+=("$!")
  tint2_pid=$!
  "$1" wait-tray 20 || {
    cat "$desktop_dir/tint2.log" >&2
    return 1
  }
}

# Ends the panel alone: the notification area goes away.
stop_tint2() {
  kill "$tint2_pid" 2> /dev/null || true
  wait "$tint2_pid" 2> /dev/null || true
}

stop_desktop() {
  for p in "${desktop_pids[@]}"; do kill "$p" 2> /dev/null || true; done
  for p in "${desktop_pids[@]}"; do wait "$p" 2> /dev/null || true; done
  rm -rf "$desktop_dir"
}

# The common start of a window script: a temp folder in $work; $pid, the window program's
# process, killed at exit with the desktop; fail MESSAGE, which prints the window's log
# ($work/window.log) and ends the script; the titles of the window and of its boxes.
e2e_begin() {
  work=$(mktemp -d)
  pid=
  trap e2e_end EXIT
  title="Tolvi QX71 Gaming Mouse Driver"
  box="TolviQX71InfoDlg"
}
e2e_end() {
  [ -z "$pid" ] || kill -9 "$pid" 2> /dev/null || true
  stop_desktop
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*" >&2
  [ -e "$work/window.log" ] && cat "$work/window.log" >&2
  exit 1
}
