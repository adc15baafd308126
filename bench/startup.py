#!/usr/bin/env python3
"""Time from process start to the main window shown, on an empty archive.

Usage: bench/startup.py [path/to/corvandine] [runs]

Each run starts the program on a fresh, empty archive folder (so it creates
the archive and its seven tables), waits for the window to come up, and
kills it. The first-start archive report is a modal box; the timing stops
when the window is shown, before the box is read. Runs headless
(QT_QPA_PLATFORM=offscreen) unless DISPLAY is set and OFFSCREEN=0.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

exe = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build", "src", "corvandine")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10

env = dict(os.environ)
if env.get("OFFSCREEN", "1") != "0":
    env["QT_QPA_PLATFORM"] = "offscreen"
env["QT_LOGGING_RULES"] = "corvandine.startup.info=true"

def one_run(existing):
    with tempfile.TemporaryDirectory() as folder:
        archive = os.path.join(folder, "arc")
        if existing:
            # A first run creates the archive; the timed second run opens it.
            p = subprocess.Popen([exe, "--archive", archive], env=env, stderr=subprocess.PIPE, text=True)
            for line in p.stderr:
                if "window shown" in line:
                    break
            p.kill(); p.wait()
        start = time.perf_counter()
        p = subprocess.Popen([exe, "--archive", archive], env=env, stderr=subprocess.PIPE, text=True)
        for line in p.stderr:
            if "window shown" in line:
                elapsed = time.perf_counter() - start
                break
        else:
            raise SystemExit("the program ended without showing its window")
        p.kill(); p.wait()
        return elapsed * 1000

for label, existing in (("new archive", False), ("existing archive", True)):
    times = [one_run(existing) for _ in range(runs)]
    print(f"{label}: median {statistics.median(times):.1f} ms, min {min(times):.1f} ms, max {max(times):.1f} ms over {runs} runs")
