#!/usr/bin/env bash
# The lighting page in each mode and with a preset chosen, and the statistics page at a fresh
# start, at a count of the eighth level and with a distance above 1000, in English and in
# Chinese, from the real program against the simulated mouse. Runs under the private Xvfb
# that scripts/screenshots starts; QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
bin=$QX71_BIN
out=$QX71_SCREENSHOTS
xd=$bin/qx71_xdriver
title="Tolvi QX71 Gaming Mouse Driver"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
settle() { sleep 0.4; }
# Page client pixels to window pixels: the pages sit at (15, 128).
page_click() { "$xd" click "$title" $(($1 + 15)) $(($2 + 128)); }
lighting_tab() { "$xd" click "$title" 290 103; }
stats_tab() { "$xd" click "$title" 655 103; }
away() { "$xd" move "$title" 500 50; }
# Centres of the mode buttons (always, breath, apm-breath, spectrum, off) and of preset 9.
modes=("160 78" "160 124" "160 170" "160 216" "160 262")
names=(always breath apm-breath spectrum off)
preset9="426 140"

# Little-endian counters of Sts.cfg: left, middle, right clicks, wheel forward and backward,
# distance.
write_sts() {
  python3 -c 'import struct,sys; sys.stdout.buffer.write(struct.pack("<6I", *map(int, sys.argv[1:])))' "$@"
}

run() { # $1 data folder, $2 language (en, zh)
  "$bin/qx71" --simulate --data-dir "$1" > "$work/log" 2>&1 &
  pid=$!
  "$xd" wait-window "$title" 60 > /dev/null
  settle
  if [ "$2" = zh ]; then
    "$xd" click "$title" 36 626
    settle
    "$xd" click "$title" 61 365
    settle
  fi
}
stop() {
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  pid=
}

for language in en zh; do
  run "$work/$language" "$language"
  lighting_tab
  for i in 0 1 2 3 4; do
    # shellcheck disable=SC2086
    page_click ${modes[$i]}
    away
    settle
    "$xd" shot "$title" "$out/lighting-$language-mode-${names[$i]}.png"
  done
  # shellcheck disable=SC2086
  page_click ${modes[0]}
  # shellcheck disable=SC2086
  page_click $preset9
  away
  settle
  "$xd" shot "$title" "$out/lighting-$language-preset9.png"
  stats_tab
  away
  settle
  "$xd" shot "$title" "$out/stats-$language-fresh.png"
  stop

  # Level 8 (4,000,000 clicks) and a distance of 1234.56.
  write_sts 2500000 500000 1000000 30000 20000 12345600 > "$work/$language/Sts.cfg"
  run "$work/$language" "$language"
  stats_tab
  away
  settle
  "$xd" shot "$title" "$out/stats-$language-level8.png"
  stop
done
