#!/bin/sh
# Whole-process timings of the agenda against Remind on the same tasks.
#
#   bench/compare_remind.sh [BUILD_DIR] [RUNS]
#
# Writes, for 1,000, 10,000 and 100,000 generated tasks, an archive and a
# Remind file holding the same logical tasks (bench_archivewriter), checks
# that both list the same tasks on the day and the month timed, and then
# times, as whole processes over RUNS runs (median):
#   day:   remind FILE DATE          against  corvandine --agenda DATE
#   month: remind -s FILE DATE       against  corvandine --agenda DATE --days 31
# Each is reported as wall time and as processor time (user + system).
# CORVANDINE names the program to time; by default the program itself,
# whose command line loads Qt's core and SQLite only (the window library is
# never loaded for the agenda). Remind is installed when missing: it
# is a benchmark tool, not a dependency of the program or its tests.
set -eu

BUILD_DIR=${1:-build}
RUNS=${2:-15}
DAY=2026-06-17
MONTH=2026-06-01
CORVANDINE=${CORVANDINE:-$BUILD_DIR/src/corvandine}
WRITER=$BUILD_DIR/bench/bench_archivewriter

if ! command -v remind >/dev/null 2>&1; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y remind >/dev/null; else sudo apt-get install -y remind >/dev/null; fi
fi
for tool in "$CORVANDINE" "$WRITER"; do
    [ -x "$tool" ] || { echo "missing $tool: build the bench targets first" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

python3 - "$CORVANDINE" "$WRITER" "$WORK" "$RUNS" "$DAY" "$MONTH" <<'PY'
import os, resource, statistics, subprocess, sys, time

corvandine, writer, work, runs, day, month = sys.argv[1:7]
runs = int(runs)

# Wall time and processor time (user + system) of a whole process, median of
# the runs. Processor time hardly moves with the machine's load, wall time
# does: on a busy machine compare the processor times.
def median_ms(command):
    walls, cpus = [], []
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        walls.append((time.perf_counter() - start) * 1000)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpus.append((after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000)
    return statistics.median(walls), statistics.median(cpus)

def ids(lines):
    return sorted(line.split()[-1] for line in lines if line.strip())

print(f"{'tasks':>8} {'what':>6} {'remind ms':>10} {'agenda ms':>10} {'remind/agenda':>14}"
      f" {'remind cpu':>11} {'agenda cpu':>11} {'cpu ratio':>10}")
for count in (1000, 10000, 100000):
    folder = os.path.join(work, f"a{count}")
    rem = os.path.join(work, f"t{count}.rem")
    subprocess.run([writer, folder, str(count), rem], check=True)

    # Same logical tasks: both list the same task numbers.
    ours = subprocess.run([corvandine, "--agenda", day, "--archive", folder],
                          capture_output=True, text=True, check=True).stdout.splitlines()
    theirs = subprocess.run(["remind", rem, day], capture_output=True, text=True).stdout.splitlines()[1:]
    if ids(ours) != ids(theirs):
        sys.exit(f"{count}: the day's lists differ ({len(ours)} against {len(ids(theirs))})")
    ours_month = subprocess.run([corvandine, "--agenda", month, "--days", "30", "--archive", folder],
                                capture_output=True, text=True, check=True).stdout.splitlines()
    theirs_month = subprocess.run(["remind", "-s", rem, month], capture_output=True, text=True).stdout.splitlines()
    if len(ours_month) != len(theirs_month):
        sys.exit(f"{count}: the month's lists differ ({len(ours_month)} against {len(theirs_month)})")

    timings = [
        ("day", ["remind", rem, day], [corvandine, "--agenda", day, "--archive", folder]),
        ("month", ["remind", "-s", rem, month],
         [corvandine, "--agenda", month, "--days", "31", "--archive", folder]),
    ]
    for what, theirs_cmd, ours_cmd in timings:
        r, rc = median_ms(theirs_cmd)
        o, oc = median_ms(ours_cmd)
        print(f"{count:>8} {what:>6} {r:>10.1f} {o:>10.1f} {r / o:>13.1f}x"
              f" {rc:>11.1f} {oc:>11.1f} {rc / max(oc, 0.001):>9.1f}x", flush=True)
PY
