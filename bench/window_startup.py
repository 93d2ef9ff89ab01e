#!/usr/bin/env python3
"""Start-up benchmark of the window program under a private Xvfb (never the user's display).

Starts `qx71 --simulate` several times, each on a fresh DataDir, and between them the floor: a
bare Qt window with one label (qx71_bare_window), built the same way. Reports medians of:
  - the time from exec to the main window's first paint, and its ratio to the floor's time
    from exec to its first paint in the same run; goal <= 300 ms
  - the resident memory at the first paint; goal <= 45 MiB (and, for reference, once the
    window shows and after the round of use below, on the page it started on)
  - the longest stall of the window thread during start, a round of all five tabs, a language
    switch and one Apply; goal <= 50 ms. The close that SIGTERM starts is reported apart: it
    stops the threads within the window's 500 ms close delay.
The machine's load average is printed with them: on a busy machine the times grow, the ratio
to the floor less so.

usage: bash bench/window_startup.sh [RUNS]   (builds the bench preset's programs first)
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TITLE = "Tolvi QX71 Gaming Mouse Driver"
PROGRESS = "TolviQX71ProcessDlg"
GOAL_MS = 300.0
TABS = [(120, 103), (290, 103), (470, 103), (655, 103), (840, 103)]
LANGUAGE_BUTTON = (36, 626)
# The language menu opens at the button's left - 4, bottom - 287; items are 22 px from 6 px.
ENGLISH_ITEM = (15 - 4 + 50, 635 - 287 + 6 + 22 + 11)
CHINESE_ITEM = (15 - 4 + 50, 635 - 287 + 6 + 11)
APPLY = (880, 612)


def xd(bindir, *args, check=True):
    return subprocess.run([os.path.join(bindir, "qx71_xdriver"), *map(str, args)],
                          check=check, capture_output=True, text=True).stdout


def read_profile(path):
    """The probe's lines: {key: [fields]} (the last line of a key wins) and the stalls."""
    values, stalls = {}, []
    with open(path) as lines:
        for line in lines:
            key, *fields = line.split()
            if key == "stall-ms":
                stalls.append((float(fields[0]), float(fields[1])))
            else:
                values[key] = fields
    return values, stalls


def floor_run(bindir):
    """The bare Qt window: (ms from exec to its first paint, MiB resident then)."""
    with tempfile.TemporaryDirectory() as work:
        report = os.path.join(work, "profile")
        env = dict(os.environ, QX71_PROFILE_FILE=report, QT_QPA_PLATFORM="xcb")
        exec_ms = time.clock_gettime(time.CLOCK_MONOTONIC) * 1000.0
        subprocess.run([os.path.join(bindir, "qx71_bare_window")], env=env, check=True,
                       timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        values, _ = read_profile(report)
        return (float(values["first-paint-ms"][0]) - exec_ms,
                float(values["first-paint-rss"][0]) / 1024.0)


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(bindir):
    with tempfile.TemporaryDirectory() as work:
        report = os.path.join(work, "profile")
        env = dict(os.environ, QX71_PROFILE_FILE=report, QT_QPA_PLATFORM="xcb")
        exec_ms = time.clock_gettime(time.CLOCK_MONOTONIC) * 1000.0
        proc = subprocess.Popen([os.path.join(bindir, "qx71"), "--simulate", "--data-dir",
                                 os.path.join(work, "data")], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            xd(bindir, "wait-window", TITLE, 60)
            time.sleep(1.0)
            rss = rss_kib(proc.pid)
            for tab in TABS + [TABS[0]]:
                xd(bindir, "click", TITLE, *tab)
                time.sleep(0.2)
            for item in (CHINESE_ITEM, ENGLISH_ITEM):
                xd(bindir, "click", TITLE, *LANGUAGE_BUTTON)
                time.sleep(0.3)
                xd(bindir, "click", TITLE, *item)
                time.sleep(0.3)
            xd(bindir, "click", TITLE, *APPLY)
            xd(bindir, "wait-window", PROGRESS, 20)
            xd(bindir, "wait-gone", PROGRESS, 20)
            time.sleep(0.5)
            rss_used = rss_kib(proc.pid)
            term_ms = time.clock_gettime(time.CLOCK_MONOTONIC) * 1000.0
            proc.send_signal(signal.SIGTERM)
            proc.wait(timeout=20)
        finally:
            if proc.poll() is None:
                proc.kill()
        values, stalls = read_profile(report)
        in_use = [(at - exec_ms, length) for at, length in stalls if at < term_ms]
        at_close = max((length for at, length in stalls if at >= term_ms), default=0.0)
        # Without a listed stall the longest one before the close was at most 20 ms.
        longest = max((length for _, length in in_use), default=20.0)
        return {"paint": float(values["first-paint-ms"][0]) - exec_ms,
                "paint_rss": float(values["first-paint-rss"][0]) / 1024.0,
                "rss": rss / 1024.0, "stall": longest, "close": at_close, "listed": in_use,
                "rss_used": rss_used / 1024.0}


def main():
    bindir = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    load_before = os.getloadavg()[0]
    results, floors = [], []
    for _ in range(runs):
        floors.append(floor_run(bindir))
        results.append(one_run(bindir))
    median = lambda key: statistics.median(r[key] for r in results)
    floor = statistics.median(f[0] for f in floors)
    for i, (r, f) in enumerate(zip(results, floors), 1):
        where = ", ".join(f"{length:.0f} ms at +{at:.0f} ms" for at, length in r["listed"]
                          if length > 50)
        print(f"run {i}: first paint {r['paint']:.0f} ms (floor {f[0]:.0f} ms), "
              f"rss then {r['paint_rss']:.1f} MiB, longest stall {r['stall']:.0f} ms "
              f"({where or 'none over 50 ms'}), at the close {r['close']:.0f} ms")
    paint = median("paint")
    print(f"load average (1 min) {load_before:.1f} before, {os.getloadavg()[0]:.1f} after, "
          f"on {os.cpu_count()} cores")
    print(f"median first paint: {paint:.0f} ms (goal <= {GOAL_MS:.0f}) = "
          f"{paint / floor:.2f} x the bare Qt window's {floor:.0f} ms in this run")
    print(f"median resident memory at first paint: {median('paint_rss'):.1f} MiB (goal <= 45; "
          f"the bare Qt window: {statistics.median(f[1] for f in floors):.1f} MiB)")
    print(f"median resident memory 1 s after the window showed: {median('rss'):.1f} MiB")
    print(f"median resident memory after the round of use: {median('rss_used'):.1f} MiB")
    print(f"median longest UI stall: {median('stall'):.0f} ms (goal <= 50)")
    print(f"median stall at the close: {median('close'):.0f} ms")


if __name__ == "__main__":
    main()
