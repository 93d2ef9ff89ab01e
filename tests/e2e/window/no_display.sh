#!/usr/bin/env bash
# Without a display qx71 says so in one line and ends with a non-zero status.
set -uo pipefail
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" 2>&1)
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0 without a display" >&2; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || { echo "FAIL: not one line: $out" >&2; exit 1; }
case "$out" in
  *DISPLAY*) ;;
  *) echo "FAIL: the line does not name DISPLAY: $out" >&2; exit 1 ;;
esac
# A display that cannot be opened is one line too.
out=$(DISPLAY=:4711 "$1" 2>&1)
status=$?
[ "$status" -ne 0 ] && [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] ||
  { echo "FAIL: unreachable display: $status $out" >&2; exit 1; }
echo "no display: ok"
