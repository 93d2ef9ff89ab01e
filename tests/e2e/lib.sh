# Shared by the end-to-end scripts: $ctl is qx71ctl, $work a temp folder removed at exit.
set -euo pipefail
ctl="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QX71_DATA_DIR="$work/data"
# apply, profile switch and profile defaults set the X pointer: never the real display's.
unset DISPLAY WAYLAND_DISPLAY
# nor the user's desktop settings store, which the session's desktop names.
unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE
fail() { echo "FAIL: $*" >&2; exit 1; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
