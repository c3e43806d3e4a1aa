#!/usr/bin/env bash
# Starts a virtual display and a session bus, then reads a reading back
# through the accessibility tree.   run.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# Xvfb writes its display number to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { cat "$work/xvfb.log"; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
dbus-run-session -- /usr/bin/python3 "$here/read_reading.py" "$1" 2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry' >&2)
