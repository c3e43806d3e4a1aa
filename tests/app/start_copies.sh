#!/usr/bin/env bash
# Starts ten copies of the program at once, twenty rounds, on one display:
# each round exactly one main window appears and the nine others show
# "Application is already running". Every copy is then killed with SIGKILL,
# so each round also proves that a lock left by a killed copy never blocks
# the next start.   start_copies.sh PROGRAM [ROUNDS] [COPIES]
set -euo pipefail
program=$1
rounds=${2:-20}
copies=${3:-10}
if [[ -z ${DISPLAY:-} ]]; then
    exec "$(dirname "$0")/../../scripts/with-display" "$0" "$@"
fi

work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
pids=()
cleanup() {
    ((${#pids[@]})) && kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb

count() { xwininfo -root -tree | grep -c -F "\"$1\"" || true; }

for round in $(seq "$rounds"); do
    pids=()
    for _ in $(seq "$copies"); do
        "$program" 2>/dev/null &
        pids+=($!)
    done
    main=0
    refused=0
    for _ in $(seq 300); do
        main=$(count "VQ Rudraksha Numerology v1.0")
        refused=$(count "VQ Rudraksha Numerology")
        ((main + refused >= copies)) && break
        sleep 0.1
    done
    sleep 0.3
    main=$(count "VQ Rudraksha Numerology v1.0")
    refused=$(count "VQ Rudraksha Numerology")
    if ((main != 1 || refused != copies - 1)); then
        echo "round $round: $main main windows and $refused refusals from $copies copies" >&2
        exit 1
    fi
    kill -9 "${pids[@]}"
    wait "${pids[@]}" 2>/dev/null || true
    pids=()
done
echo "$rounds rounds of $copies copies: one main window each round"
