#!/usr/bin/env bash
# End-to-end tests of the surprise command: パルプンテ！ chosen from the menu
# by keyboard, each effect recognised from X geometry and screenshots.
#
# Usage: surprise.sh TEST path/to/tarvik     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

readonly clock_ini='[SETTING]\r\nWINLEFT=300\r\nWINTOP=300\r\nWINRIGHT=700\r\nWINBOTTOM=400\r\n'
readonly far_point="5 760"   # no window is ever there
readonly top_centre="512 2"  # the huge character's cell on a 1024 x 768 screen

# The colour (#RRGGBB) of one pixel of the screen, or of a screenshot.
pixel() {
    convert "${3:-x:root}" -crop "1x1+$1+$2" +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}

# Chooses パルプンテ！ in the menu opened on the middle of the clock.
surprise() {
    read_geometry
    open_menu $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    xdotool key Down Down Return
    sleep 0.15
}

# Recognises the effect of the last surprise, checks that it is well-formed
# and takes a screen drawing away with a click on it; the effect goes to $kind.
classify() {
    local xs=() ys=() i moved=0
    for i in $(seq 12); do
        read_geometry
        xs+=("$X") ys+=("$Y")
        sleep 0.03
    done
    for i in $(seq 1 11); do
        local dx=$((xs[i] - xs[i - 1])) dy=$((ys[i] - ys[i - 1]))
        # A shake step moves it at most 4 pixels each way; a loaded machine
        # may let two steps (100 ms apart) fall between two looks.
        [ ${dx#-} -le 8 ] && [ ${dy#-} -le 8 ] || fail "the window jumped by $dx,$dy"
        [ "$dx$dy" != 00 ] && moved=1
    done
    import -window root "$work/shot.png"
    local far centre corner
    far=$(pixel $far_point "$work/shot.png")
    centre=$(pixel $((X + WIDTH / 2)) $((Y + HEIGHT - 6)) "$work/shot.png")
    corner=$(pixel $((X + 1)) $((Y + 1)) "$work/shot.png")
    if [ $moved = 1 ]; then
        kind=shake
    elif [ "$far" = "#0000FF" ]; then
        kind=blue
        expect_eq "$centre" "#ADDEFF" "the clock's face above the blue screen"
        xdotool mousemove $far_point click 1
        sleep 0.2
        expect_eq "$(pixel $far_point)" "#000000" "the screen after a click on the blue"
    elif [ "$(pixel $top_centre "$work/shot.png")" = "#FFFFFF" ]; then
        kind=character
        local ink
        ink=$(convert "$work/shot.png" -crop 200x250+412+0 +repage -threshold 30% -format '%[fx:int((1-mean)*w*h)]' info:)
        [ "$ink" -gt 3000 ] || fail "only $ink black pixels in the character's cell"
        xdotool mousemove $top_centre click 1
        sleep 0.2
        expect_eq "$(pixel $top_centre)" "#000000" "the screen after a click on the character"
    elif [ "$corner" = "#000000" ]; then
        kind=ellipse
        expect_eq "$centre" "#ADDEFF" "the face inside the ellipse"
    else
        kind=cd
    fi
}

# Each surprise is one of the five pranks, well-formed, and clicks take the
# screen drawings away.
surprises_well_formed() {
    start_xvfb
    [ "${1:-}" = wm ] && start_wm
    start_clock "$clock_ini"
    local kinds="" i
    for i in $(seq 12); do
        surprise
        classify
        kinds+="$kind "
    done
    echo "surprises: $kinds"
    [ "$(echo $kinds | tr ' ' '\n' | sort -u | wc -l)" -ge 3 ] || fail "twelve surprises brought only: $kinds"
    stop_clock
}
test_surprises_well_formed() { surprises_well_formed; }
test_surprises_well_formed_under_wm() { surprises_well_formed wm; }
# A clock kept on top (--on-top) meets the pranks as any other does.
test_surprises_well_formed_on_top() {
    clock_args=(--on-top)
    surprises_well_formed wm
}

# Fifty surprises keep the clock alive with flat memory; a drawing left on
# the screen goes when the clock closes.
test_surprises_keep_memory_flat() {
    start_xvfb
    start_clock "$clock_ini"
    local i before after
    for i in $(seq 5); do surprise; done
    before=$(awk '/^VmRSS/ { print $2 }' /proc/$app_pid/status)
    for i in $(seq 50); do surprise; done
    after=$(awk '/^VmRSS/ { print $2 }' /proc/$app_pid/status)
    echo "resident memory: ${before} kB, then ${after} kB after 50 surprises"
    [ $((after - before)) -lt 8000 ] || fail "memory grew from $before kB to $after kB"
    for i in $(seq 30); do
        [ "$(pixel $far_point)" = "#0000FF" ] || [ "$(pixel $top_centre)" = "#FFFFFF" ] && break
        surprise
    done
    stop_clock
    expect_eq "$(pixel $far_point)$(pixel $top_centre)" "#000000#000000" "the screen after the clock closed"
}

# On two monitors the pranks draw on the primary one, as the desktop window
# is the primary monitor on Windows: the character centred on it, the blue
# covering it and nothing of the other.
test_surprises_on_the_primary_monitor() {
    start_two_monitors
    start_clock "$clock_ini"
    local seen="" i
    for i in $(seq 40); do
        surprise
        import -window root "$work/shot.png"
        if [ "$(pixel 512 2 "$work/shot.png")" = "#FFFFFF" ] && [[ $seen != *character* ]]; then
            expect_eq "$(pixel 1024 2 "$work/shot.png")" "#000000" "the right monitor beside the character"
            local ink
            ink=$(convert "$work/shot.png" -crop 200x250+412+0 +repage -threshold 30% -format '%[fx:int((1-mean)*w*h)]' info:)
            [ "$ink" -gt 3000 ] || fail "only $ink black pixels in the character's cell on the primary monitor"
            seen+=character
        elif [ "$(pixel $far_point "$work/shot.png")" = "#0000FF" ] && [[ $seen != *blue* ]]; then
            expect_eq "$(pixel 1023 400 "$work/shot.png")" "#000000" "the blue's outline at the primary's right edge"
            expect_eq "$(pixel 1500 400 "$work/shot.png")" "#000000" "the right monitor beside the blue"
            seen+=blue
        fi
        [[ $seen == *character* && $seen == *blue* ]] && break
        xdotool mousemove $far_point click 1  # takes a drawing away
        sleep 0.1
    done
    [[ $seen == *character* && $seen == *blue* ]] || fail "forty surprises brought no character and blue screen: $seen"
    stop_clock
}

"test_$test_name"
echo "PASS: $test_name"
