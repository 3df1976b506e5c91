#!/usr/bin/env bash
# End-to-end tests of the clock on a scaled desktop (QT_SCALE_FACTOR), under
# openbox: every pointer path of one run, checked in device pixels, and the
# rectangle stored at the end in 96-dpi units.
#
# Usage: scale.sh TEST path/to/tarvik     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "${1:-$window}" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}

# Device pixels of a length in units, rounded as the desktop rounds.
dev() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + (v < 0 ? -0.5 : 0.5) }'; }

near() {  # actual expected tolerance what
    local d=$(($1 - $2))
    [ ${d#-} -le "$3" ] || fail "$4: expected $2 (within $3), got $1"
}

# Drags the face by dx,dy device pixels from the screen point x,y, in steps
# (the pointer stops at the screen's edges).
drag_by() {
    local x=$1 y=$2 dx=$3 dy=$4
    at() { echo $(($1 < 0 ? 0 : $1)) $(($2 < 0 ? 0 : $2)); }
    xdotool mousemove "$x" "$y" mousedown 1 mousemove $(at $((x + dx / 2)) $((y + dy / 2))) \
        mousemove $(at $((x + dx)) $((y + dy))) mouseup 1
    sleep 0.3
}

# One run at the scale: start, right-click, keyboard menu, drags, the
# settings dialog, the surprises, then Exit from the menu.
scaled_run() {
    scale=$1
    start_xvfb 1280x800
    start_wm
    start_clock '[SETTING]\r\nWINLEFT=150\r\nWINTOP=100\r\nWINRIGHT=550\r\nWINBOTTOM=200\r\n' \
        env QT_SCALE_FACTOR="$scale"
    read_geometry
    expect_eq "$X $Y $WIDTH $HEIGHT" "$(dev 150) $(dev 100) $(dev 400) $(dev 100)" "the stored rectangle, scaled"

    # The menu opens at the pointer, and at the face's corner for the keyboard.
    open_menu $((X + 300)) $((Y + 40))
    read_geometry "$found"
    near "$X" $(($(dev 150) + 300)) 1 "the menu's left at the pointer"
    near "$Y" $(($(dev 100) + 40)) 1 "the menu's top at the pointer"
    xdotool key Escape
    sleep 0.2
    xdotool key shift+F10
    for _ in $(seq 100); do found=$(menu_window); [ -n "$found" ] && break; sleep 0.05; done
    [ -n "$found" ] || fail "Shift+F10 opened no menu"
    read_geometry "$found"
    expect_eq "$X $Y" "$(dev 154) $(dev 104)" "the keyboard menu at the face's corner"
    xdotool key Escape
    sleep 0.2

    # A drag follows the pointer exactly and stops at the screen's edges.
    read_geometry
    local x0=$X y0=$Y
    drag_by $((x0 + 200)) $((y0 + 50)) 120 60
    read_geometry
    expect_eq "$X $Y" "$((x0 + 120)) $((y0 + 60))" "after a drag by 120,60"
    drag_by $((X + 200)) $((Y + 50)) -600 30
    read_geometry
    expect_eq "$X $Y" "0 $((y0 + 90))" "after a drag past the left edge"
    drag_by 200 $((Y + 50)) 60 -600
    read_geometry
    expect_eq "$X $Y" "60 0" "after a drag past the top edge"
    drag_by 260 50 "$(dev 100)" "$(dev 300)"
    read_geometry
    expect_eq "$X $Y" "$((60 + $(dev 100))) $(dev 300)" "after a drag back"
    local cx=$X cy=$Y cw=$WIDTH ch=$HEIGHT

    # The settings dialog: centred on the clock, wholly on the screen (at
    # scale 2 the clock stands low enough for it to be pushed up).
    open_menu $((cx + 100)) $((cy + 50))
    xdotool key Down Return
    wait_window いろいろ設定
    sleep 0.3
    local frame
    frame=$(frame_rect "$found")
    read -r X Y WIDTH HEIGHT <<<"$frame"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + HEIGHT)) -le 800 ] ||
        fail "the dialog's frame at $X,$Y ${WIDTH}x$HEIGHT leaves the 1280 x 800 screen"
    near $((X + WIDTH / 2)) $((cx + cw / 2)) "$(dev 2)" "the dialog's centre across the clock"
    xdotool key Escape
    sleep 0.3
    drag_by $((cx + 100)) $((cy + 50)) 0 "$(dev -200)"

    # The pranks: a shake keeps near where the clock stood, the blue covers
    # the screen and the character stands at its top centre, scaled.
    local seen="" i j moved
    for i in $(seq 10); do
        read_geometry
        open_menu $((X + 100)) $((Y + 50))
        xdotool key Down Down Return
        sleep 0.3
        read_geometry
        cx=$X cy=$Y moved=0
        # A shake step moves it at most 4 units each way (two steps may fall
        # between two looks); the steps add up from where it stood.
        for j in $(seq 10); do
            sleep 0.05
            read_geometry
            near "$X" "$cx" "$(dev 8)" "a shake step across"
            near "$Y" "$cy" "$(dev 8)" "a shake step down"
            [ "$X $Y" != "$cx $cy" ] && moved=1
            cx=$X cy=$Y
        done
        if [ $moved = 1 ]; then
            seen+="shake "
            continue
        fi
        import -window root "$work/shot.png"
        if [ "$(pixel 5 795 "$work/shot.png")" = "#0000FF" ]; then
            expect_eq "$(pixel 1275 5 "$work/shot.png")" "#0000FF" "the blue at the screen's far corner"
            expect_eq "$(pixel $((cx + cw / 2)) $((cy + ch - $(dev 6))) "$work/shot.png")" "#ADDEFF" "the face above the blue"
            xdotool mousemove 5 795 click 1
            seen+="blue "
        elif [ "$(pixel 640 "$(dev 2)" "$work/shot.png")" = "#FFFFFF" ]; then
            local ink
            ink=$(convert "$work/shot.png" -crop "$(dev 200)x$(dev 250)+$((640 - $(dev 100)))+0" +repage \
                -threshold 30% -format '%[fx:int((1-mean)*w*h)]' info:)
            [ "$ink" -gt "$(dev "$(dev 3000)")" ] || fail "only $ink black pixels in the character's scaled cell"
            xdotool mousemove 640 "$(dev 2)" click 1
            seen+="character "
        fi
        sleep 0.2
    done
    echo "pranks seen: $seen"

    # Exit from the menu stores the rectangle in units; a shake is stopped
    # first by as many surprises as it takes.
    for i in $(seq 10); do
        read_geometry
        cx=$X cy=$Y
        sleep 0.25
        read_geometry
        [ "$X $Y" = "$cx $cy" ] && break
        open_menu $((X + 100)) $((Y + 50))
        xdotool key Down Down Return
        sleep 0.3
    done
    open_menu $((cx + 100)) $((cy + 50))
    xdotool key x
    wait_app_exit "after Exit"
    local expected_left expected_top
    expected_left=$(awk -v v="$cx" -v s="$scale" 'BEGIN { printf "%d", v / s + 0.5 }')
    expected_top=$(awk -v v="$cy" -v s="$scale" 'BEGIN { printf "%d", v / s + 0.5 }')
    for key in "WINLEFT=$expected_left" "WINTOP=$expected_top" "WINRIGHT=$((expected_left + 400))" \
               "WINBOTTOM=$((expected_top + 100))"; do
        grep -q "^$key"$'\r$' "$work/tarvik.ini" || fail "no $key in the INI: $(tr '\r\n' ' |' <"$work/tarvik.ini")"
    done
}

# The outer rectangle of a window with the window manager's frame, as the X
# server has it: x y width height.
frame_rect() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
    xwininfo -id "$1" | awk -v e="$extents" 'BEGIN { split(e, m, ",") }
        /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } /Width/ { w = $2 } /Height/ { h = $2 }
        END { print x - m[1], y - m[3], w + m[1] + m[2], h + m[3] + m[4] }'
}

pixel() {
    convert "${3:-x:root}" -crop "1x1+$1+$2" +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

test_scale_2_under_wm() { scaled_run 2; }
test_scale_1_5_under_wm() { scaled_run 1.5; }

"test_$test_name"
echo "PASS: $test_name"
