#!/usr/bin/env bash
# Runs a command against a private Xvfb. The server picks a free display number itself
# (-displayfd), so several runs on one machine never race for a number. QX71_XVFB_SCREEN sets
# the screen's size (default 1024x768).
set -euo pipefail

fifo_dir=$(mktemp -d)
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/display"

Xvfb -displayfd 3 -screen 0 "${QX71_XVFB_SCREEN:-1024x768}x24" -nolisten tcp -noreset 3>"$fifo_dir/display" \
  >"$fifo_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -rf "$fifo_dir"' EXIT

# The server writes its number once it accepts connections.
if ! read -r -t 60 number <"$fifo_dir/display"; then
  echo "with-xvfb: Xvfb did not start" >&2
  cat "$fifo_dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
unset XAUTHORITY
# The program picks the pointer settings' store from the session: a plain X11 session here,
# never the user's own desktop settings.
unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY
"$@"
