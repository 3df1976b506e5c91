#!/usr/bin/env bash
# End-to-end tests: the real tarvik binary under Xvfb, driven and inspected
# from outside as a person would see it (window geometry, screenshot pixels,
# the INI file it leaves).
#
# Usage: e2e.sh TEST path/to/tarvik     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

test_placement() {
    start_xvfb
    # With a Wayland display named too, the clock still takes X11, where it
    # can place and move its window.
    start_clock '[SETTING]\r\nWINLEFT=100\r\nWINRIGHT=500\r\nWINTOP=50\r\nWINBOTTOM=250\r\n' \
        env WAYLAND_DISPLAY=wayland-tarvik-test
    expect_eq "$(geometry)" "X=100 Y=50 WIDTH=400 HEIGHT=200 " "window geometry"
    stop_clock
}

test_default_placement() {
    start_xvfb
    start_clock ''
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=400 HEIGHT=100 " "window geometry without an INI file"
    stop_clock
    expect_eq "$(cat "$work/tarvik.ini")" "$(printf '[SETTING]\r\nWINTOP=0\r\nWINBOTTOM=100\r\nWINLEFT=0\r\nWINRIGHT=400\r\nBARS=NNNNYYY\r\nUPDATE=50\r\nFGCOLOR=8684544\r\nBGCOLOR=16768685\r\nUSESYSCOLOR=0\r')" "INI written on SIGTERM"
}

test_face_at_fixed_time() {
    start_xvfb
    frozen_at '2024-05-17 12:30:00'
    start_clock '[SETTING]\r\nBARS=NNNYNNN\r\nWINRIGHT=428\r\nWINBOTTOM=108\r\n' "${frozen[@]}"
    import -window root "$work/shot.png"
    check_hour_face "$work/shot.png" 4 4  # the client area starts inside the 4-pixel border
    stop_clock
}

# Under openbox on two monitors: the clock on the right one comes wholly onto
# the left one when the right one goes, and is stored where it then stands.
# Then, started with stored numbers far past the desktop, it opens on it.
test_lost_monitor_and_hostile_values() {
    start_two_monitors
    start_wm
    start_clock '[SETTING]\r\nWINLEFT=1500\r\nWINRIGHT=1900\r\nWINTOP=600\r\nWINBOTTOM=700\r\nUPDATE=1000\r\n'
    expect_eq "$(geometry)" "X=1500 Y=600 WIDTH=400 HEIGHT=100 " "on the right monitor"
    xrandr --delmonitor right
    wait_position "$window" 624 600
    expect_eq "$(geometry)" "X=624 Y=600 WIDTH=400 HEIGHT=100 " "after the right monitor went"
    stop_clock
    grep -q $'WINLEFT=624\r' "$work/tarvik.ini" && grep -q $'WINRIGHT=1024\r' "$work/tarvik.ini" ||
        fail "stored rectangle: $(grep WIN "$work/tarvik.ini" | tr -d '\r' | tr '\n' ' ')"

    start_clock '[SETTING]\r\nWINTOP=-5000\r\nWINLEFT=-5000\r\nWINBOTTOM=90000\r\nWINRIGHT=90000\r\n'
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=1024 HEIGHT=768 " "a rectangle past the desktop every way"
    stop_clock
    start_clock '[SETTING]\r\nWINTOP=abc\r\nWINBOTTOM=\r\nWINLEFT=-99999999999999\r\nWINRIGHT=1e9\r\n'
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=1024 HEIGHT=100 " "hand-edited junk"
    stop_clock
}

# A face that changes slowly wakes the clock about once a second; when the
# time steps (the clock set, summer time, a resume) it catches up within it.
test_slow_face_catches_up() {
    start_xvfb
    echo '2024-05-17 12:30:00' >"$work/now"
    frozen_by_file "$work/now"
    start_clock '[SETTING]\r\nBARS=NNNYNNN\r\nWINRIGHT=428\r\nWINBOTTOM=108\r\n' "${frozen[@]}"
    sleep 1.2
    import -window root "$work/shot.png"
    check_hour_face "$work/shot.png" 4 4
    echo '2024-05-17 18:00:00' >"$work/now"
    sleep 1.2
    import -window root "$work/shot.png"
    expect_eq "$(columns_of "$work/shot.png" 54 444 '#008484' | wc -w)" 300 "hour bar width a second after 18:00"
    stop_clock
}

# The clock's face, its client area at 4,4 inside the window at the
# top-left corner, is within about a second the face a fresh start draws (a
# snapshot) at the time in the file.
face_is_fresh_at() {
    local zone=$1 time=$2
    env -u DISPLAY -u WAYLAND_DISPLAY TZ="$zone" LD_PRELOAD="$faketime_lib" FAKETIME="$time" \
        "$work/tarvik" --snapshot "$work/fresh.png" || fail "no snapshot at $time"
    expect_shown 420x260+4+4 "$work/fresh.png" "in $zone at $time"
}

# The clock in a zone, stepped through the times (each a wall-clock jump):
# after each its face is the one a fresh start draws.
steps_in_zone() {
    local zone=$1; shift
    echo "$1" >"$work/now"
    frozen_by_file "$work/now"
    TZ="$zone" "${frozen[@]}" "$work/tarvik" >"$work/app-${zone//\//-}.log" 2>&1 &
    app_pid=$!
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^vostrel$' >/dev/null && break
        sleep 0.05
    done
    local time
    for time in "$@"; do
        if [ "$time" = stop ]; then  # stopped for five seconds, as by a suspend, while time goes on
            kill -STOP "$app_pid"
            echo "$last" | sed 's/:00$/:05/' >"$work/now"
            sleep 5
            kill -CONT "$app_pid"
            time=$(cat "$work/now")
        else
            echo "$time" >"$work/now"
        fi
        face_is_fresh_at "$zone" "$time"
        last=$time
    done
    stop_clock
}

# Jumping and stopping clocks: summer time starting and ending (in Berlin,
# and on Lord Howe Island, which moves by 30 minutes), jumps back decades
# and on years, month and leap-day ends, the ends of 32-bit time and its
# start, the year bar after 2038, and a stop of five seconds.
test_jumping_and_stopping_clocks() {
    start_xvfb
    faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)
    cp "$binary" "$work/tarvik"
    printf '[SETTING]\r\nBARS=YYYYYYY\r\nWINRIGHT=428\r\nWINBOTTOM=268\r\n' >"$work/tarvik.ini"
    steps_in_zone UTC '2024-05-17 12:30:00' '1994-05-17 12:30:00' '2031-11-02 07:00:00' \
        '2024-01-31 23:59:59' '2024-02-01 00:00:00' '2024-02-29 23:59:59' '2024-03-01 00:00:00' \
        '2023-02-28 23:59:59' '2023-03-01 00:00:00' '2023-12-31 23:59:59' '2024-01-01 00:00:00' \
        '2038-01-19 03:14:07' '2038-01-19 03:14:08' '1969-12-31 23:59:59' '1970-01-01 00:00:00' \
        '2040-02-29 12:00:00' '2024-06-01 10:00:00' stop
    steps_in_zone Europe/Berlin '2024-03-31 01:59:59' '2024-03-31 03:00:00' '2024-10-27 01:59:59' \
        '2024-10-27 03:00:00'
    steps_in_zone Australia/Lord_Howe '2024-04-07 01:29:59' '2024-04-07 02:00:00' '2024-10-06 01:59:59' \
        '2024-10-06 02:30:00'
}

# At a device pixel ratio of 2 every pixel of the face becomes a sharp 2 x 2
# block: the marks are exactly two device pixels wide, with no blended colours.
test_hidpi_face() {
    start_xvfb
    frozen_at '2024-05-17 12:30:00'
    start_clock '[SETTING]\r\nBARS=NNNYNNN\r\nWINRIGHT=428\r\nWINBOTTOM=108\r\n' "${frozen[@]}" QT_SCALE_FACTOR=2
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=856 HEIGHT=216 " "window geometry in device pixels"
    import -window root "$work/shot.png"
    local doubled="" x
    for x in $hour_marks; do doubled+="$((2 * (x + 4))) $((2 * (x + 4) + 1)) "; done
    expect_eq "$(columns_of "$work/shot.png" $((2 * 12)) 900 '#008484')" "$doubled" "marks, first device row"
    expect_eq "$(columns_of "$work/shot.png" $((2 * 13 + 1)) 900 '#008484')" "$doubled" "marks, last device row"
    expect_eq "$(columns_of "$work/shot.png" $((2 * 14 + 40)) 900 '#008484' | wc -w)" 416 "bar width in device pixels"
    stop_clock
}

test_snapshot() {
    cp "$binary" "$work/tarvik"
    printf '[SETTING]\r\nBARS=NNNYNNN\r\nWINRIGHT=428\r\nWINBOTTOM=108\r\n' >"$work/tarvik.ini"
    frozen_at '2024-05-17 12:30:00'
    env -u DISPLAY -u WAYLAND_DISPLAY TZ=UTC "${frozen[@]}" "$work/tarvik" --snapshot "$work/face.png"
    expect_eq "$(identify -format '%wx%h' "$work/face.png")" "420x100" "snapshot size"
    check_hour_face "$work/face.png" 0 0
    # A stored window larger than any desktop draws at the default size.
    printf '[SETTING]\r\nWINRIGHT=20000\r\nWINBOTTOM=20000\r\n' >"$work/tarvik.ini"
    env -u DISPLAY -u WAYLAND_DISPLAY "$work/tarvik" --snapshot "$work/face.png"
    expect_eq "$(identify -format '%wx%h' "$work/face.png")" "392x92" "snapshot of an oversized window"
    expect_eq "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/tarvik" 2>&1 >/dev/null | head -c 22)" "tarvik: no display to " "message without a display"
    # The file goes under the very bytes of its name, UTF-8 or not; a failure
    # says why, and a name asking for another format is refused.
    local name status
    name=$(printf '%s/f\xe4ce.png' "$work")
    env -u DISPLAY -u WAYLAND_DISPLAY "$work/tarvik" --snapshot "$name" || fail "a snapshot to a Latin-1 name failed"
    [ -f "$name" ] || fail "no file under the Latin-1 name: $(ls "$work")"
    ! ls "$work" | LC_ALL=C grep -q $'\xef\xbf\xbd' || fail "a file with a replacement character: $(ls "$work")"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$work/tarvik" --snapshot "$work/gone/face.png" 2>"$work/err" || status=$?
    expect_eq "$status:$(cat "$work/err")" "1:tarvik: cannot write $work/gone/face.png: No such file or directory" \
        "a snapshot into a missing folder"
    status=0
    "$work/tarvik" --snapshot "$work/face.jpg" 2>"$work/err" || status=$?
    expect_eq "$status:$(head -1 "$work/err")" "2:tarvik: --snapshot writes PNG files only, not .jpg ($work/face.jpg)" \
        "a snapshot to a JPEG name"
    [ ! -e "$work/face.jpg" ] || fail "PNG bytes written under a .jpg name"
}

test_signal_keeps_other_sections() {
    start_xvfb
    local before='; my clock\r\n[Recent File List]\r\nFile1=/tmp/a.vst\r\n\r\n[SETTING]\r\nBARS=YYYYYYY\r\nUPDATE=40\r\n\r\n[Other]\nkey=value\n'
    start_clock "$before"
    xdotool windowmove "$window" 30 45
    sleep 0.2
    stop_clock
    local expected='; my clock\r\n[Recent File List]\r\nFile1=/tmp/a.vst\r\n\r\n[SETTING]\r\nBARS=YYYYYYY\r\nUPDATE=40\r\nWINTOP=45\r\nWINBOTTOM=145\r\nWINLEFT=30\r\nWINRIGHT=430\r\nFGCOLOR=8684544\r\nBGCOLOR=16768685\r\nUSESYSCOLOR=0\r\n\r\n[Other]\nkey=value\n'
    cmp "$work/tarvik.ini" <(printf '%b' "$expected") || fail "INI after SIGTERM: $(cat -A "$work/tarvik.ini")"
}

# Dragging the sizing border resizes the window; the face follows and the
# new rectangle is what the clock stores.
test_resize_by_border() {
    start_xvfb
    start_clock '[SETTING]\r\nWINLEFT=50\r\nWINTOP=60\r\nWINRIGHT=450\r\nWINBOTTOM=160\r\n'
    xdotool mousemove 448 158 mousedown 1 mousemove 500 190 mousemove 548 208 mouseup 1  # bottom-right corner
    sleep 0.3
    expect_eq "$(geometry)" "X=50 Y=60 WIDTH=500 HEIGHT=150 " "after dragging the bottom-right corner"
    xdotool mousemove 51 100 mousedown 1 mousemove 40 100 mousemove 31 100 mouseup 1  # left edge
    sleep 0.3
    expect_eq "$(geometry)" "X=30 Y=60 WIDTH=520 HEIGHT=150 " "after dragging the left edge"
    import -window root "$work/shot.png"
    # The face fills the new client area: background just inside the border.
    expect_eq "$(columns_of "$work/shot.png" 200 560 '#ADDEFF' | cut -d' ' -f1)" 34 "face starts inside the left border"
    stop_clock
    grep -q $'^WINRIGHT=550\r$' "$work/tarvik.ini" || fail "stored rectangle: $(cat -A "$work/tarvik.ini")"
    # The border takes the window no larger than the desktop, and the next
    # start keeps that size.
    start_clock '[SETTING]\r\n'
    xdotool mousemove 398 98 mousedown 1 mousemove 700 400 mousemove 1023 767 mouseup 1
    sleep 0.3
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=1024 HEIGHT=768 " "after dragging the corner to the screen's"
    stop_clock
    start_clock ''
    expect_eq "$(geometry)" "X=0 Y=0 WIDTH=1024 HEIGHT=768 " "as large as the desktop, at the next start"
    stop_clock
}

# Ctrl+C in a terminal and a hang-up at logout close the clock like Exit, so
# where it stood is kept.
test_interrupt_and_hangup_save() {
    start_xvfb
    local sig
    for sig in INT HUP; do
        rm -f "$work/tarvik.ini"
        start_clock ''
        xdotool windowmove "$window" 12 34
        sleep 0.2
        stop_clock $sig
        grep -q $'^WINLEFT=12\r$' "$work/tarvik.ini" || fail "no WINLEFT=12 after SIG$sig"
        grep -q $'^WINTOP=34\r$' "$work/tarvik.ini" || fail "no WINTOP=34 after SIG$sig"
    done
}

test_options() {
    expect_eq "$("$binary" --version | head -1)" "tarvik $TARVIK_VERSION" "--version"
    "$binary" --version | grep -qx 'License MIT: .*' || fail "--version names no licence: $("$binary" --version)"
    "$binary" --help | grep -q -- '--snapshot FILE.png' || fail "--help lists --snapshot"
    "$binary" --help | grep -q -- '^  FILE ' || fail "--help explains FILE"
    expect_eq "$("$binary" -h)" "$("$binary" --help)" "-h"
    local status=0
    "$binary" --bogus >/dev/null 2>"$work/err" || status=$?
    expect_eq "$status" 2 "exit status for an unknown option"
    grep -q '^tarvik: unknown option --bogus$' "$work/err" || fail "no word on --bogus: $(cat "$work/err")"
    grep -q '^Usage: ' "$work/err" || fail "no usage after an unknown option"
    # Files that cannot be opened end the start with a word and a failure,
    # a folder included, and join no list of recent files.
    start_xvfb
    cp "$binary" "$work/tarvik"
    local file
    for file in "$work/missing.vst" "$work"; do
        status=0
        "$work/tarvik" "$file" >/dev/null 2>"$work/err" || status=$?
        [ "$status" -ne 0 ] || fail "a start with $file ended with status 0"
        grep -q "^tarvik: cannot open $file: " "$work/err" || fail "no word on $file: $(cat "$work/err")"
    done
    [ ! -e "$work/tarvik.ini" ] || fail "a failed start wrote $(cat "$work/tarvik.ini")"
    # Start at login: the entry in the user's autostart folder, a valid
    # desktop entry that starts this very file, and gone again with off.
    local entry=$work/cfg/autostart/tarvik.desktop
    XDG_CONFIG_HOME=$work/cfg "$work/tarvik" --autostart on --on-top >"$work/out" || fail "--autostart on failed"
    expect_eq "$(cat "$work/out")" "tarvik: starts at login, on top, from now on ($entry)" "--autostart on"
    grep -qx "Exec=$work/tarvik --on-top" "$entry" || fail "the entry starts another file: $(cat "$entry")"
    grep -qx "TryExec=$work/tarvik" "$entry" || fail "the entry is not skipped once the file is gone: $(cat "$entry")"
    desktop-file-validate "$entry" || fail "the autostart entry is not a valid desktop entry"
    XDG_CONFIG_HOME=$work/cfg "$work/tarvik" --autostart off >/dev/null || fail "--autostart off failed"
    [ ! -e "$entry" ] || fail "--autostart off left $entry"
}

# --on-top: the window manager keeps the clock above other windows; without
# it, the clock is an ordinary window.
test_on_top_under_wm() {
    start_xvfb
    start_wm
    clock_args=(--on-top)
    start_clock ""
    for _ in $(seq 40); do  # the window manager may still be taking the window in
        xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && break
        sleep 0.05
    done
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
        fail "the clock is not above: $(xprop -id "$window" _NET_WM_STATE)"
    stop_clock
    clock_args=()
    start_clock ""
    ! xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the clock is above without --on-top"
}

# The display server going away (a logout where it goes first, a crash)
# leaves the settings and the last known rectangle saved, and a clear word.
test_display_goes_away() {
    start_xvfb
    start_clock '[SETTING]\r\nBARS=YYYYYYY\r\n'
    xdotool windowmove "$window" 33 44
    sleep 0.3
    kill "$xvfb_pid"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    expect_eq "$status" 1 "exit status without the display"
    grep -q '^tarvik: the display went away; the settings are saved$' "$work/app.log" ||
        fail "no word: $(cat "$work/app.log")"
    for key in WINLEFT=33 WINTOP=44 WINRIGHT=433 BARS=YYYYYYY; do
        grep -q "^$key"$'\r$' "$work/tarvik.ini" || fail "no $key in $(cat -A "$work/tarvik.ini")"
    done
}

# A display that does not answer gets the same word and status as none.
test_dead_display() {
    cp "$binary" "$work/tarvik"
    local status=0
    env DISPLAY=:97 "$work/tarvik" >"$work/out" 2>&1 || status=$?
    expect_eq "$status" 1 "exit status for a dead X display"
    grep -q '^tarvik: no display to show the clock on (nothing answers at DISPLAY=:97)' "$work/out" ||
        fail "the word for a dead X display: $(cat "$work/out")"
    status=0
    env -u DISPLAY WAYLAND_DISPLAY=wayland-nobody XDG_RUNTIME_DIR="$work" "$work/tarvik" >"$work/out" 2>&1 || status=$?
    expect_eq "$status" 1 "exit status for a dead Wayland display"
    grep -q 'nothing answers at WAYLAND_DISPLAY=wayland-nobody' "$work/out" || fail "the word: $(cat "$work/out")"
    # An empty QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY choose nothing.
    status=0
    env QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$work/tarvik" >"$work/out" 2>&1 || status=$?
    expect_eq "$status" 1 "exit status with every display variable empty"
    grep -q '^tarvik: no display to show the clock on (DISPLAY is not set)' "$work/out" || fail "the word: $(cat "$work/out")"
}

# Under Wayland alone, where a program cannot place its window, the clock
# runs and closing keeps the place the file gave.
# weston in a window of Xvfb, with XWayland: its window manager places the
# windows and ignores a program's moves. The stored rectangle is where the
# window really is, and a drag hands the move to the compositor; the clock
# then knows where it stands, and stays above its drawings.
test_xwayland_true_position() {
    start_xvfb
    local outer=$DISPLAY
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --use-pixman --socket=wayland-tarvik --xwayland --idle-time=0 \
        --width=1000 --height=740 >"$work/weston.log" 2>&1 &
    local weston=$!
    local inner=""
    for _ in $(seq 200); do
        inner=$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*$' || true)
        [ -n "$inner" ] && break
        sleep 0.05
    done
    [ -n "$inner" ] || fail "weston started no XWayland: $(tail -3 "$work/weston.log")"
    # weston follows the pointer's motion, not its place: from the far corner
    # to the near one puts both at 0,0.
    xdotool mousemove 999 739 sleep 0.2 mousemove 0 0 sleep 0.2
    real_rect() {  # the clock's outer rectangle as the X server of XWayland has it
        local w
        w=$(DISPLAY=$inner xdotool search --onlyvisible --name '^vostrel$' | head -1)
        DISPLAY=$inner xwininfo -id "$w" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
            /Width/ { w = $2 } /Height/ { h = $2 } END { print x, y, x + w, y + h }'
    }
    stored_rect() { for key in WINLEFT WINTOP WINRIGHT WINBOTTOM; do tr -d '\r' <"$work/tarvik.ini" | sed -n "s/^$key=//p"; done | tr '\n' ' '; }

    # Placed by the compositor: stored where it stood.
    cp "$binary" "$work/tarvik"
    DISPLAY=$inner "$work/tarvik" >"$work/app.log" 2>&1 &
    app_pid=$!
    sleep 2
    local placed
    placed=$(real_rect)
    stop_clock
    expect_eq "$(stored_rect)" "$placed " "the stored rectangle of a window the compositor placed"

    # Dragged by +100,+100: the compositor moves it, and the INI says where to.
    printf '[SETTING]\r\nWINLEFT=400\r\nWINTOP=200\r\nWINRIGHT=800\r\nWINBOTTOM=300\r\n' >"$work/tarvik.ini"
    DISPLAY=$inner "$work/tarvik" >"$work/app.log" 2>&1 &
    app_pid=$!
    sleep 2
    expect_eq "$(real_rect)" "400 200 800 300" "the stored place at the start"
    xdotool mousemove 500 250 sleep 0.2 mousedown 1 sleep 0.2
    local p
    for p in "520 270" "550 300" "580 330" "600 350"; do xdotool mousemove $p sleep 0.2; done
    xdotool mouseup 1 sleep 0.5
    expect_eq "$(real_rect)" "500 300 900 400" "where the drag took the clock"
    # The clock knows where the compositor took it: the menu opens at the
    # pointer, and the blue screen leaves the clock showing above it.
    local i menu far
    for i in $(seq 30); do
        xdotool mousemove 600 330 sleep 0.2 click 3 sleep 0.4
        if [ "$i" = 1 ]; then  # before any drawing, the menu is the one popup
            menu=$(for w in $(DISPLAY=$inner xdotool search --onlyvisible --class tarvik); do
                       [ "$(DISPLAY=$inner xdotool getwindowname "$w")" != tarvik ] || echo "$w"; done)
            [ -n "$menu" ] || fail "no menu at a right click"
            expect_eq "$(DISPLAY=$inner xwininfo -id "$menu" | awk '/Absolute upper-left [XY]/ { printf "%s ", $4 }')" \
                "600 330 " "the menu's corner at the pointer"
        fi
        xdotool key Down Down Return sleep 0.6
        import -window root "$work/shot.png"
        far=$(convert "$work/shot.png" -crop 1x1+20+700 +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
        [ "$far" = "#0000FF" ] || continue
        expect_eq "$(convert "$work/shot.png" -crop 1x1+850+392 +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')" \
            "#ADDEFF" "the clock's face above the blue"
        # A click on the clock is the clock's: the blue stays.
        xdotool mousemove 850 392 sleep 0.2 click 1 sleep 0.5
        import -window root "$work/shot.png"
        expect_eq "$(convert "$work/shot.png" -crop 1x1+20+700 +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')" \
            "#0000FF" "the blue after a click on the clock"
        break
    done
    [ "$far" = "#0000FF" ] || fail "thirty surprises brought no blue screen"
    stop_clock
    expect_eq "$(stored_rect)" "500 300 900 400 " "the stored rectangle after the drag"
    kill "$weston" 2>/dev/null || true
    export DISPLAY=$outer
}

test_wayland_keeps_the_stored_place() {
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=wayland-tarvik --idle-time=0 >"$work/weston.log" 2>&1 &
    xvfb_pid=$!  # stopped by the cleanup, as Xvfb is
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/wayland-tarvik" ] && break
        sleep 0.05
    done
    cp "$binary" "$work/tarvik"
    printf '[SETTING]\r\nWINLEFT=100\r\nWINTOP=50\r\nWINRIGHT=500\r\nWINBOTTOM=150\r\n' >"$work/tarvik.ini"
    env -u DISPLAY WAYLAND_DISPLAY=wayland-tarvik "$work/tarvik" >"$work/app.log" 2>&1 &
    app_pid=$!
    sleep 1.5
    kill -0 "$app_pid" 2>/dev/null || fail "the clock did not run under Wayland: $(cat "$work/app.log")"
    stop_clock
    for key in WINLEFT=100 WINTOP=50 WINRIGHT=500 WINBOTTOM=150; do
        grep -q "^$key"$'\r$' "$work/tarvik.ini" || fail "no $key in $(cat -A "$work/tarvik.ini")"
    done
}

"test_$test_name"
echo "PASS: $test_name"
