#!/usr/bin/env bash
# The statistics page of the running program, on the X server in DISPLAY, against the
# simulated mouse: middle and right clicks and wheel steps sent with XTest show on the page at
# once, reach Sts.cfg when the program closes, and show again after a restart.
# usage: stats_window_e2e.sh QX71 XDRIVER
set -euo pipefail
qx71=$1
xd=$2
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$work"/*.log >&2 2>/dev/null || true; exit 1; }
title="Tolvi QX71 Gaming Mouse Driver"
le32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
# The value boxes of the middle, right and wheel rows, in window pixels (the page is at
# (15, 128); the boxes span x 152..242 in both layouts).
rows="167,247,257,267 167,280,257,300 167,378,257,398 167,412,257,432 167,447,257,467"
# Prints a digest of each of these regions of a PNG screenshot.
regions() {
  python3 - "$1" "$rows" <<'PY'
import hashlib, struct, sys, zlib
data = open(sys.argv[1], "rb").read()
pos, idat, width, height, colour = 8, b"", 0, 0, 0
while pos < len(data):
    length, kind = struct.unpack(">I4s", data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if kind == b"IHDR":
        width, height, _, colour = struct.unpack(">IIBB", body[:10])
    elif kind == b"IDAT":
        idat += body
    pos += 12 + length
bpp = {2: 3, 6: 4}[colour]
raw, stride, rows, prev = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp)
for y in range(height):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - bpp] if i >= bpp else 0
        b, c = prev[i], prev[i - bpp] if i >= bpp else 0
        p = a + b - c
        pred = [0, a, b, (a + b) // 2,
                a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else (b if abs(p - b) <= abs(p - c) else c)][f]
        line[i] = (line[i] + pred) & 0xFF
    rows.append(bytes(line)); prev = line
for box in sys.argv[2].split():
    x0, y0, x1, y1 = map(int, box.split(","))
    h = hashlib.sha1()
    for y in range(y0, y1):
        h.update(rows[y][x0 * bpp:x1 * bpp])
    print(h.hexdigest()[:12], end=" ")
print()
PY
}
start() {
  "$qx71" --simulate --data-dir "$work/D" > "$work/$1.log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null || fail "$1: the window did not appear"
  sleep 0.5
  "$xd" click "$title" 655 103 # the statistics tab
  "$xd" move "$title" 480 30
  sleep 0.5
}
stop() {
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$pid" 2>/dev/null || fail "the program did not end"
  pid=
}

start first
"$xd" shot "$title" "$work/fresh.png"
fresh=$(regions "$work/fresh.png")
# Over the large trophy picture: 2 middle and 3 right clicks, 4 steps forward, 1 backward.
for button in 2 2 3 3 3 4 4 4 4 5; do "$xd" click "$title" 470 330 "$button"; done
"$xd" move "$title" 480 30
sleep 1
"$xd" shot "$title" "$work/live.png"
live=$(regions "$work/live.png")
for i in 1 2 3 4 5; do
  [ "$(echo "$fresh" | cut -d' ' -f$i)" != "$(echo "$live" | cut -d' ' -f$i)" ] ||
    fail "row $i of the page did not change while counting"
done
stop
expect() { [ "$(le32 "$work/D/Sts.cfg" "$1")" = "$2" ] || fail "$3: $(le32 "$work/D/Sts.cfg" "$1"), expected $2"; }
expect 4 2 "middle clicks"
expect 8 3 "right clicks"
expect 12 4 "wheel forward"
expect 16 1 "wheel backward"

start second
"$xd" shot "$title" "$work/again.png"
[ "$(regions "$work/again.png")" = "$live" ] || fail "the page after the restart shows other counts"
stop
echo "stats window e2e: ok"
