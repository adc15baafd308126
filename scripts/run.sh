#!/usr/bin/env bash
# Installs what is missing, builds, and starts the organizer. Arguments are
# passed to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/src/corvandine" "$@"
