#!/usr/bin/env bash
# Measures the running clock under Xvfb: CPU use, CPU time per interval of
# 50 ms, wake-ups per second, peak memory, and how long the first frames take
# to appear; for the default face, seven bars, a wide window, the slow faces
# (the year bar alone, the day bar alone, hour and minute, day and hour) and
# a clock whose window is unmapped; or, given BARS values, for those faces.
# Absolute figures move with the machine's load; bench/cpu-ratio-faces.py and
# ../shared/perf/cpu-ratio.py set them against floor programs measured alongside.
#
# Usage: bench/measure.sh [SECONDS [BARS...]]   (default 30 s; build first with ./run.sh or ./test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift $(($# > 0 ? 1 : 0))
binary=$PWD/build/tarvik
probe=$PWD/build/bench/tarvik_firstframe
[ -x "$binary" ] && [ -x "$probe" ] || { echo "build first: ./test.sh" >&2; exit 1; }

work=$(mktemp -d /tmp/tarvik-measure-XXXXXX)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

# CPU time of all the process's threads, in nanoseconds.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { print sum + 0 }'
}

# Context switches of all the process's threads: its wake-ups.
wakeups() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { sum += $2 } END { print sum + 0 }'
}

measure() {
    local label=$1 ini=$2 interval=$3 unmap=${4:-}
    rm -f "$work/tarvik.ini"
    cp "$binary" "$work/tarvik"
    [ -n "$ini" ] && printf '%b' "$ini" >"$work/tarvik.ini"

    # First frames: the pixel just inside the face's top-left corner turns
    # white at the first paint and takes the background colour at the first tick.
    local first
    first=$("$probe" 9 9 FFFFFF,ADDEFF "$work/tarvik" | tr '\n' ' ')
    sleep 0.5

    "$work/tarvik" &
    local pid=$!
    sleep 2  # start-up done, clock running
    if [ -n "$unmap" ]; then
        xdotool search --name '^vostrel$' windowunmap >/dev/null
        sleep 0.5
    fi
    local before after woken
    before=$(cpu_ns $pid)
    woken=$(wakeups $pid)
    sleep "$seconds"
    after=$(cpu_ns $pid)
    woken=$(($(wakeups $pid) - woken))
    local hwm
    hwm=$(awk '/VmHWM/ { print $2 }' /proc/$pid/status)
    kill -TERM $pid
    wait $pid || true

    awk -v label="$label" -v ns=$((after - before)) -v s="$seconds" -v iv="$interval" -v hwm="$hwm" -v first="$first" \
        -v woken="$woken" 'BEGIN {
        frames = s * 1000 / iv
        printf "%-34s CPU %.3f %% of one core, %.0f us per %d ms, %.1f wake-ups/s, peak RSS %.1f MiB, first frames: %s\n",
               label, ns / (s * 1e9) * 100, ns / 1000 / frames, iv, woken / s, hwm / 1024, first
    }'
}

echo "tarvik under Xvfb, ${seconds} s per case, $(nproc) cores, $(date -u +%Y-%m-%d)"
if [ $# -gt 0 ]; then
    for bars in "$@"; do
        measure "BARS=$bars" "[SETTING]\\r\\nBARS=$bars\\r\\n" 50
    done
    exit 0
fi
measure "default face (3 bars, 400x100)" "" 50
measure "seven bars (400x100)" '[SETTING]\r\nBARS=YYYYYYY\r\n' 50
measure "seven bars, 1920x200" '[SETTING]\r\nBARS=YYYYYYY\r\nWINRIGHT=1920\r\nWINBOTTOM=200\r\n' 50
measure "year bar only" '[SETTING]\r\nBARS=YNNNNNN\r\n' 50
measure "day bar only" '[SETTING]\r\nBARS=NNYNNNN\r\n' 50
measure "hour and minute" '[SETTING]\r\nBARS=NNNYYNN\r\n' 50
measure "day and hour" '[SETTING]\r\nBARS=NNYYNNN\r\n' 50
measure "default face, window unmapped" "" 50 unmap
