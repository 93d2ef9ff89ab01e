#!/usr/bin/env python3
"""Start-up benchmark of the window program under a private Xvfb (never the user's display).

Starts `qx71 --simulate` several times, each on a fresh DataDir, and reports medians of:
  - the time from exec to the main window's first paint, divided by the 1000 ms start-up floor
    (the update-mode search's two 500 ms waits); goal <= 1.10
  - the resident memory once the window shows; goal <= 45 MiB (and, for reference, after the
    round of use below, on the page it started on)
  - the longest stall of the window thread during start, a round of all five tabs, a language
    switch and one Apply; goal <= 50 ms. The close that SIGTERM starts is reported apart: it
    stops the threads within the window's 500 ms close delay.

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
FLOOR_MS = 1000.0
TABS = [(120, 103), (290, 103), (470, 103), (655, 103), (840, 103)]
LANGUAGE_BUTTON = (36, 626)
# The language menu opens at the button's left - 4, bottom - 287; items are 22 px from 6 px.
ENGLISH_ITEM = (15 - 4 + 50, 635 - 287 + 6 + 22 + 11)
CHINESE_ITEM = (15 - 4 + 50, 635 - 287 + 6 + 11)
APPLY = (880, 612)


def xd(bindir, *args, check=True):
    return subprocess.run([os.path.join(bindir, "qx71_xdriver"), *map(str, args)],
                          check=check, capture_output=True, text=True).stdout


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
        values = {}
        in_use = []  # stalls over 20 ms before the close, as (ms after exec, length)
        at_close = 0.0
        with open(report) as lines:
            for line in lines:
                key, *fields = line.split()
                if key == "stall-ms":
                    at, length = float(fields[0]), float(fields[1])
                    if at < term_ms:
                        in_use.append((at - exec_ms, length))
                    else:
                        at_close = max(at_close, length)
                else:
                    values[key] = float(fields[0])
        # Without a listed stall the longest one before the close was at most 20 ms.
        longest = max((length for _, length in in_use), default=20.0)
        return (values["first-paint-ms"] - exec_ms, rss / 1024.0, longest, at_close, in_use,
                rss_used / 1024.0)


def main():
    bindir = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    results = [one_run(bindir) for _ in range(runs)]
    paint = statistics.median(r[0] for r in results)
    rss = statistics.median(r[1] for r in results)
    stall = statistics.median(r[2] for r in results)
    for i, (p, m, s, c, listed, _) in enumerate(results, 1):
        where = ", ".join(f"{length:.0f} ms at +{at:.0f} ms" for at, length in listed
                          if length > 50)
        print(f"run {i}: first paint {p:.0f} ms, rss {m:.1f} MiB, longest stall {s:.0f} ms"
              f" ({where or 'none over 50 ms'}), at the close {c:.0f} ms")
    print(f"median first paint: {paint:.0f} ms = {paint / FLOOR_MS:.3f} x the 1000 ms floor "
          f"(goal <= 1.10)")
    print(f"median resident memory after start: {rss:.1f} MiB (goal <= 45)")
    print(f"median resident memory after the round of use: "
          f"{statistics.median(r[5] for r in results):.1f} MiB")
    print(f"median longest UI stall: {stall:.0f} ms (goal <= 50)")
    print(f"median stall at the close: {statistics.median(r[3] for r in results):.0f} ms")


if __name__ == "__main__":
    main()
