#!/usr/bin/env bash
# Starts the real program again and again, as a user restarts it, on a display
# and a session bus of its own.   restart.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../scripts/with-display" dbus-run-session -- /usr/bin/python3 -B "$here/restart.py" "$1" \
    2> >(grep -v -e '^dbus-daemon' -e 'propagateSizeHints' >&2)
