#!/usr/bin/env bash
# The real program on a virtual X display. An archive whose password an
# older version stored as typed starts behind the lock panel; a wrong
# password typed on the keyboard (xdotool) leaves it locked, the right one
# opens it, and from then on the archive file holds the password's hash and
# nowhere the password itself.
#
#   xvfb_lock_run.sh PROGRAM
#
# Exit 0 when all holds, 1 when not, 77 when Xvfb or xdotool is missing.
set -euo pipefail
program="$1"
password="Secret9"

for tool in Xvfb xdotool python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is missing (scripts/setup.sh installs it)"
        exit 77
    fi
done

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# A display of our own, whatever number is free.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
archive="$work/archive"

column() { # column NAME: the settings row's value
    python3 - "$archive/coarc.abs" "$1" <<'PY'
import sqlite3, sys
db = sqlite3.connect("file:%s?mode=ro" % sys.argv[1], uri=True)
print(db.execute("SELECT %s FROM CRset63" % sys.argv[2]).fetchone()[0])
PY
}

window() { # window NAME: the id of the program's window of that name, once mapped
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n1
}

# A first start builds the archive (and reports the tables it made in a
# message of its own); the program is then stopped.
"$program" --archive "$archive" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
window 'Corvandine Organizer' >/dev/null || fail "no window at the first start"
kill "$first"
wait "$first" 2>/dev/null || true

# The password as an older version kept it, and the lock at every start.
python3 - "$archive/coarc.abs" "$password" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE CRset63 SET psw = ?, blocco = 'Y', minimized = 'N'", (sys.argv[2],))
db.commit()
PY

"$program" --archive "$archive" >"$work/second.log" 2>&1 &
pids+=($!)
win="$(window '^Corvandine Organizer$')" || fail "no window at the second start"
sleep 1
xdotool windowfocus --sync "$win"

xdotool type --delay 40 "${password%?}8"
sleep 1
[ "$(column psw)" = "$password" ] || fail "a wrong password changed the stored one"
# Mend the last character: the field now holds the password.
xdotool key --delay 40 BackSpace
xdotool type --delay 40 "${password: -1}"

for _ in $(seq 50); do
    case "$(column psw)" in '$pbkdf2-sha256$'*) break ;; esac
    sleep 0.2
done
stored="$(column psw)"
case "$stored" in '$pbkdf2-sha256$'*) ;; *) fail "the password was not replaced by its hash" ;; esac
for file in "$archive"/*; do
    if grep -qa -- "$password" "$file"; then
        fail "$(basename "$file") still holds the password in plain text"
    fi
done
echo "locked archive opened with the typed password; stored: ${stored:0:22}..."
