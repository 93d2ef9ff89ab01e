# qx71ctl autostart: the entry in the user's autostart folder is a valid desktop entry that
# starts the window hidden, and off removes it.
source "$(dirname "$0")/lib.sh"

export XDG_CONFIG_HOME="$work/config dir"
entry="$XDG_CONFIG_HOME/autostart/qx71.desktop"
expect_eq "$("$ctl" autostart status)" "off" "status before"
"$ctl" autostart on > /dev/null
[ -f "$entry" ] || fail "no entry written"
desktop-file-validate "$entry" || fail "the entry is not valid: $(cat "$entry")"
grep -q '^Exec=.*/qx71 --hidden$' "$entry" || fail "the entry does not start qx71 hidden"
expect_eq "$("$ctl" autostart status)" "on: $entry" "status after on"
"$ctl" autostart off > /dev/null
[ ! -e "$entry" ] || fail "off left the entry"
expect_eq "$("$ctl" autostart status)" "off" "status after off"
"$ctl" autostart off > /dev/null || fail "off without an entry failed"
echo "cli_autostart: ok"
