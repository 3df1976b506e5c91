#!/usr/bin/env bash
# Runs the clock under Xvfb with its wall clock going 1000 times as fast
# (libfaketime; its timers keep real time), so that the given minutes
# (default 10) cover about a week of days, months' ends and all. Every 30
# seconds it reports the clock's memory and CPU time, whether the face still
# moves (no stall), and whether the year, month and day bars are the ones a
# fresh start draws at that moment (a snapshot). It reports; it asserts nothing.
# The CPU time is libfaketime's more than the clock's: it shortens every
# poll's timeout by the speed-up, so the event loop spins (the clock itself
# still paints about 20 times a second).
#
# Usage: bench/week.sh [MINUTES [START]]   (START e.g. '2024-02-25 00:00:00', UTC; build first)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
start=${2:-2024-02-25 00:00:00}
binary=$PWD/build/tarvik
[ -x "$binary" ] || { echo "build first: ./test.sh" >&2; exit 1; }
lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)

work=$(mktemp -d /tmp/tarvik-week-XXXXXX)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

cp "$binary" "$work/tarvik"
printf '[SETTING]\r\nBARS=YYYYYYY\r\nWINRIGHT=428\r\nWINBOTTOM=268\r\n' >"$work/tarvik.ini"
TZ=UTC LD_PRELOAD="$lib" FAKETIME="@$start x1000" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$work/tarvik" >"$work/app.log" 2>&1 &
app=$!
began=$(date +%s.%N)
start_epoch=$(TZ=UTC date -d "$start" +%s)
sleep 2

# The rows of the year, month and day bars: the first three runs of rows in
# which the fresh face has the bar colour at its left edge.
slow_rows() {
    convert "$1" -crop 1x260+1+0 +repage -depth 8 txt:- |
        awk 'index($0, "#008484") { split($1, p, ","); sub(":", "", p[2]); print p[2] }' |
        awk 'NR == 1 || $1 != prev + 1 { runs++ } runs <= 3 { last = $1 } { prev = $1 } END { print last + 1 }'
}

rss_first=
printf '%8s %-19s %9s %9s %6s %s\n' elapsed "wall clock (faked)" "RSS KiB" "CPU s" moving "year/month/day bars"
checks=0 right=0 stalls=0
end=$(($(date +%s) + minutes * 60))
while [ "$(date +%s)" -lt "$end" ]; do
    sleep 30
    kill -0 "$app" 2>/dev/null || { echo "the clock ended"; cat "$work/app.log"; exit 1; }
    rss=$(awk '/VmRSS/ { print $2 }' /proc/$app/status)
    rss_first=${rss_first:-$rss}
    cpu=$(awk '{ printf "%.1f", ($14 + $15) / 100 }' /proc/$app/stat)
    import -window root -crop 420x260+4+4 +repage "$work/a.png"
    sleep 0.2
    import -window root -crop 420x260+4+4 +repage "$work/b.png"
    moving=yes
    [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)" = 0 ] && moving=no && stalls=$((stalls + 1))
    # The faked time of the second shot, and a fresh face at it.
    now=$(awk -v b="$began" -v s="$start_epoch" -v n="$(date +%s.%N)" 'BEGIN { printf "%d", s + (n - b) * 1000 }')
    stamp=$(TZ=UTC date -d "@$now" '+%Y-%m-%d %H:%M:%S')
    env -u DISPLAY TZ=UTC LD_PRELOAD="$lib" FAKETIME="$stamp" "$work/tarvik" --snapshot "$work/fresh.png"
    rows=$(slow_rows "$work/fresh.png")
    checks=$((checks + 1))
    diff=$(compare -metric AE "$work/b.png[420x${rows}+0+0]" "$work/fresh.png[420x${rows}+0+0]" null: 2>&1 || true)
    [ "${diff%% *}" -le 3 ] 2>/dev/null && right=$((right + 1))
    printf '%8s %-19s %9s %9s %6s %s px differ\n' "$(awk -v b="$began" -v n="$(date +%s.%N)" 'BEGIN { printf "%d s", n - b }')" \
        "$stamp" "$rss" "$cpu" "$moving" "$diff"
done
echo "RSS $rss_first KiB at the first check, $rss KiB at the last; $stalls stalls;" \
     "the slow bars matched a fresh face (3 px or less apart) at $right of $checks checks"
