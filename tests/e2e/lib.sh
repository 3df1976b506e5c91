# What the end-to-end tests share: a work folder, Xvfb, the clock started from
# a copy of the binary with its INI file beside it, and ways to look at the
# screen. Sourced by the test scripts, after they set test_name and binary.
work=$(mktemp -d /tmp/tarvik-e2e-XXXXXX)
xvfb_pid=
app_pid=
cleanup() {
    if [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; then
        # A clock that is told to end saves its settings first: the folder
        # goes once it has.
        for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
        kill -KILL "$app_pid" 2>/dev/null || true
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Freezes the wall clock of the command at the given time while its timers
# (on the monotonic clock) keep running. The library is preloaded directly,
# so that the clock keeps its own process id for signals.
frozen_at() {
    local lib
    lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)
    frozen=(env "LD_PRELOAD=$lib" "FAKETIME=$1" FAKETIME_DONT_FAKE_MONOTONIC=1)
}

# The same, with the wall clock read from a file at every look, so that a
# test can step the time while the clock runs.
frozen_by_file() {
    local lib
    lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)
    frozen=(env "LD_PRELOAD=$lib" "FAKETIME_TIMESTAMP_FILE=$1" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1)
}

# A failure shows what the clocks said too, which is where a crash or a
# refused display shows up.
fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$work"/app*.log; do
        [ -s "$log" ] && sed "s|^|${log##*/}: |" "$log" >&2
    done
    exit 1
}
expect_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }

# Xvfb with one screen, 1024 x 768 unless a size is given.
start_xvfb() {
    exec 3>"$work/display"
    # -noreset: a server resets when its last client leaves, and refuses
    # connections meanwhile; a helper that connects and leaves (the
    # accessibility bus, xdotool) would then leave the clock without a display.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(cat "$work/display")"
}

# Xvfb with one screen 2048 x 768 shown as two monitors side by side, the
# primary on the left. A client stays connected, so that the server keeps
# the monitors (it resets when its last client leaves).
start_two_monitors() {
    start_xvfb 2048x768
    xprop -root -spy _NET_ACTIVE_WINDOW >/dev/null 2>&1 &
    xrandr --setmonitor '*left' 1024/271x768/203+0+0 screen >/dev/null
    xrandr --setmonitor right 1024/271x768/203+1024+0 none >/dev/null
}

# Copies the binary into the work folder (its INI file lies beside it) and
# starts it with the given INI content; extra arguments prefix the command,
# and clock_args (an array) follow it.
clock_args=()
start_clock() {
    local ini=$1; shift
    cp "$binary" "$work/tarvik"
    [ -n "$ini" ] && printf '%b' "$ini" >"$work/tarvik.ini"
    TZ=UTC "$@" "$work/tarvik" "${clock_args[@]}" >"$work/app.log" 2>&1 &
    app_pid=$!
    xdotool search --sync --onlyvisible --name '^vostrel$' >/dev/null &
    local search=$!
    for _ in $(seq 200); do
        kill -0 $search 2>/dev/null || break
        sleep 0.05
    done
    kill $search 2>/dev/null && fail "the clock window did not appear"
    window=$(xdotool search --onlyvisible --name '^vostrel$' | head -1)
    sleep 0.3  # a few clock ticks
}

stop_clock() {
    kill "-${1:-TERM}" "$app_pid"
    wait_app_exit "on SIG${1:-TERM}"
}

# Waits until the clock has ended, with status 0; the words say what ended it.
wait_app_exit() {
    for _ in $(seq 200); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the clock did not end $1"
    wait "$app_pid" || fail "the clock ended with an error"
    app_pid=
}

geometry() {
    xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '
}

# The columns of one pixel row of an image that have the given colour (#RRGGBB).
columns_of() {
    local image=$1 y=$2 width=$3 colour=$4
    convert "$image" -crop "${width}x1+0+${y}" +repage -depth 8 txt:- |
        awk -v c="$colour" 'index($0, c) { split($1, p, ","); printf "%s ", p[1] }'
}


# The hour bar at a frozen 12:30:00: a client area 420 wide leaves 400 pixels
# for the bar, so the marks stand at 10 + 400k/24 and the bar is 208 long.
readonly hour_marks="10 26 43 60 76 93 110 126 143 160 176 193 210 226 243 260 276 293 310 326 343 360 376 393 410 "

check_hour_face() {
    local image=$1 dx=$2 dy=$3
    local shifted="" x
    for x in $hour_marks; do shifted+="$((x + dx)) "; done
    expect_eq "$(columns_of "$image" $((dy + 8)) $((dx + 440)) '#008484')" "$shifted" "tick marks, upper row"
    expect_eq "$(columns_of "$image" $((dy + 9)) $((dx + 440)) '#008484')" "$shifted" "tick marks, lower row"
    local bar
    bar=$(columns_of "$image" $((dy + 50)) $((dx + 440)) '#008484' | wc -w)
    expect_eq "$bar" 208 "hour bar width"
    expect_eq "$(columns_of "$image" $((dy + 50)) $((dx + 440)) '#008484' | cut -d' ' -f1)" $((dx + 10)) "hour bar start"
    expect_eq "$(columns_of "$image" $((dy + 90)) $((dx + 440)) '#ADDEFF' | wc -w)" 420 "background below the bar"
}

# Starts openbox, for the tests that meet a real window manager.
start_wm() {
    openbox >"$work/wm.log" 2>&1 &
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "openbox did not start"
}

# Waits until a shown window has exactly this name; its id goes to $found.
wait_window() {
    for _ in $(seq 200); do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
        [ -n "$found" ] && return 0
        sleep 0.05
    done
    fail "no window named $1 appeared"
}

windows_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

wait_windows_named() {
    for _ in $(seq 200); do
        [ "$(windows_named "$1")" -eq "$2" ] && return 0
        sleep 0.05
    done
    fail "expected $2 windows named $1, found $(windows_named "$1")"
}

window_geometry() {
    xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '
}

# Waits until the window stands at x, y.
wait_position() {
    for _ in $(seq 200); do
        [ "$(window_geometry "$1" | cut -d' ' -f1-2)" = "X=$2 Y=$3" ] && return 0
        sleep 0.05
    done
    fail "the window did not get to $2,$3: $(window_geometry "$1")"
}

# The shown popup menu of the program (xdotool's search by name misses
# popups): the window of its class whose name is the program's.
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class tarvik 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = tarvik ] && echo "$w"
    done
    return 0
}

# Opens the clock's context menu with a right click at the screen point; its
# window goes to $found.
open_menu() {
    xdotool mousemove "$1" "$2" click 3
    for _ in $(seq 200); do
        found=$(menu_window)
        [ -n "$found" ] && return 0
        sleep 0.05
    done
    fail "no menu appeared"
}

# The rows of one pixel column of an image that have the given colour (#RRGGBB).
rows_of() {
    local image=$1 x=$2 height=$3 colour=$4
    convert "$image" -crop "1x${height}+${x}+0" +repage -depth 8 txt:- |
        awk -v c="$colour" 'index($0, c) { split($1, p, ","); sub(":", "", p[2]); printf "%s ", p[2] }'
}

# The first row of each run of consecutive rows in a list.
run_starts() {
    awk '{ for (i = 1; i <= NF; ++i) if (i == 1 || $i != $(i - 1) + 1) printf "%s ", $i }'
}

# How many of n screenshots, taken about 100 ms apart, differ from the one before.
screen_changes() {
    local n=$1 i changes=0
    import -window root "$work/shot0.png"
    for i in $(seq 1 "$n"); do
        sleep 0.1
        import -window root "$work/shot$i.png"
        [ "$(compare -metric AE "$work/shot$((i - 1)).png" "$work/shot$i.png" null: 2>&1 || true)" != 0 ] &&
            changes=$((changes + 1))
    done
    echo "$changes"
}

# Waits about a second for the screen's area CROP (WxH+X+Y) to show exactly
# the pixels of the image; fails saying when otherwise, and keeps both images
# as /tmp/tarvik-shown.png and /tmp/tarvik-expected.png.
expect_shown() {
    local crop=$1 image=$2 when=$3
    for _ in $(seq 12); do
        sleep 0.1
        import -window root -crop "$crop" +repage "$work/shown.png"
        [ "$(compare -metric AE "$work/shown.png" "$image" null: 2>&1 || true)" = 0 ] && return 0
    done
    cp "$work/shown.png" /tmp/tarvik-shown.png
    cp "$image" /tmp/tarvik-expected.png
    fail "$when the face differs from a fresh one in $(compare -metric AE "$work/shown.png" "$image" null: 2>&1 ||
        true) pixels (/tmp/tarvik-shown.png, /tmp/tarvik-expected.png)"
}
