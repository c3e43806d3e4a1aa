#!/usr/bin/env bash
# Reads a reading back through the accessibility tree, on a display and a
# session bus of its own.   read_reading.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../scripts/with-display" dbus-run-session -- /usr/bin/python3 -B "$here/read_reading.py" "$1" \
    2> >(grep -v -e '^dbus-daemon' >&2)
