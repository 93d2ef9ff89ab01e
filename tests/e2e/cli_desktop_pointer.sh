# qx71ctl sets the pointer settings in the desktop's own store: GNOME's GSettings (the keyfile
# back end in a temporary XDG_CONFIG_HOME) and Plasma's files; "pointer show" reads them back.
source "$(dirname "$0")/lib.sh"

export XDG_CONFIG_HOME="$work/config"
export GSETTINGS_BACKEND=keyfile
keyfile="$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"

XDG_CURRENT_DESKTOP=GNOME "$ctl" --simulate pointer set --speed 15 --precision off > "$work/out"
grep -qx 'speed=0.5' "$keyfile" || fail "GNOME's speed is not 0.5: $(cat "$keyfile")"
grep -qx "accel-profile='flat'" "$keyfile" || fail "GNOME's profile is not flat: $(cat "$keyfile")"

XDG_CURRENT_DESKTOP=ubuntu:GNOME XDG_SESSION_TYPE=wayland "$ctl" pointer show > "$work/show"
expect_eq "$(cat "$work/show")" "desktop: GNOME
kept settings: speed, precision
pointer speed: 15
enhanced precision: off
wheel: not kept by this desktop" "pointer show under GNOME"

shown=$(XDG_CURRENT_DESKTOP=GNOME "$ctl" profile show | tail -n 1)
expect_eq "$shown" "  this desktop (GNOME) uses of the pointer settings: speed, precision" \
  "profile show under GNOME"

# Plasma: kcminputrc and kdeglobals.
XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
  "$ctl" --simulate pointer set --speed 5 --precision on --wheel-lines 6 > /dev/null 2>"$work/err"
grep -q '^PointerAcceleration=-0.5555' "$XDG_CONFIG_HOME/kcminputrc" ||
  fail "Plasma's speed was not written: $(cat "$XDG_CONFIG_HOME/kcminputrc")"
grep -qx 'WheelScrollLines=6' "$XDG_CONFIG_HOME/kdeglobals" || fail "Plasma's wheel lines"
XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland "$ctl" --json pointer show | tr -d ' \n' > "$work/json"
grep -q '"current":{"precision":true,"speed":5,"wheelLines":6}' "$work/json" ||
  fail "pointer show under KDE: $(cat "$work/json")"

# A Wayland compositor without a known store keeps them itself.
shown=$(XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland "$ctl" pointer show | head -n 2)
expect_eq "$shown" "desktop: Wayland compositor
kept settings: none" "pointer show under sway"
echo "cli_desktop_pointer: ok"
