#!/usr/bin/env bash
# End-to-end tests of what a person does with the mouse and keyboard: the
# drag, the context menu, the settings dialog, About and Exit.
#
# Usage: interaction.sh TEST path/to/tarvik     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

readonly at100x80='[SETTING]\r\nWINLEFT=100\r\nWINTOP=80\r\nWINRIGHT=500\r\nWINBOTTOM=180\r\n'

expect_ini() {
    grep -q "^$1"$'\r$' "$work/tarvik.ini" || fail "no $1 in the INI: $(tr '\r\n' ' |' <"$work/tarvik.ini")"
}

# The window follows the face; neither edge goes past the left or the top of
# the screen, each on its own.
drag() {
    start_xvfb
    [ "${1:-}" = wm ] && start_wm
    start_clock "$at100x80"
    xdotool mousemove 300 130 mousedown 1 mousemove 320 140 mousemove 360 170 mouseup 1
    sleep 0.2
    expect_eq "$(geometry)" "X=160 Y=120 WIDTH=400 HEIGHT=100 " "after dragging right and down"
    xdotool mousemove 170 130 mousedown 1 mousemove 100 150 mousemove 0 200 mouseup 1
    sleep 0.2
    expect_eq "$(geometry)" "X=0 Y=190 WIDTH=400 HEIGHT=100 " "after dragging past the left edge"
    xdotool mousemove 20 200 mousedown 1 mousemove 40 100 mousemove 60 0 mouseup 1
    sleep 0.2
    expect_eq "$(geometry)" "X=40 Y=0 WIDTH=400 HEIGHT=100 " "after dragging past the top edge"
    stop_clock
    expect_ini WINLEFT=40
    expect_ini WINTOP=0
    expect_ini WINRIGHT=440
    expect_ini WINBOTTOM=100
}
test_drag() { drag; }
test_drag_under_wm() { drag wm; }

test_context_menu_at_the_pointer() {
    start_xvfb
    start_clock "$at100x80"
    open_menu 300 130
    expect_eq "$(window_geometry "$found" | cut -d' ' -f1-2)" "X=300 Y=130" "the menu's corner"
    xdotool key Escape
    sleep 0.2
    [ -z "$(menu_window)" ] || fail "the menu stayed after Escape"
    stop_clock
}

# 設定します by keyboard in the menu: the year box on with Tab and Space, a
# new interval typed into the field, Enter. The face then shows four bars.
test_settings_from_the_menu() {
    start_xvfb
    start_clock "$at100x80"
    open_menu 300 130
    xdotool key Down Return
    wait_window いろいろ設定
    xdotool key Tab Tab space Tab Tab Tab Tab Tab Tab Tab
    xdotool type 250
    xdotool key Return
    wait_windows_named いろいろ設定 0
    sleep 0.3
    import -window root "$work/shot.png"
    # The bars start at client column 10, their marks two rows above them:
    # four bars in a client area 92 high stand at 10, 30, 50 and 70.
    expect_eq "$(rows_of "$work/shot.png" 114 200 '#008484' | run_starts)" "92 112 132 152 " "the four bars"
    stop_clock
    expect_ini BARS=YNNNYYY
    expect_ini UPDATE=250
}

# A double-click opens the settings; 10001 is refused with a message box and
# the dialog stays; Escape then discards everything. Under a window manager.
test_refused_interval_under_wm() {
    start_xvfb
    start_wm
    start_clock "$at100x80"
    xdotool mousemove 300 130 click --repeat 2 --delay 100 1
    wait_window いろいろ設定
    xdotool key Tab Tab space Tab Tab Tab Tab Tab Tab Tab
    xdotool type 10001
    xdotool key Return
    wait_windows_named vostrel 2  # the clock and the message box
    xdotool key Return
    wait_windows_named vostrel 1
    expect_eq "$(windows_named いろいろ設定)" 1 "the dialog after the message"
    xdotool key Escape
    wait_windows_named いろいろ設定 0
    stop_clock
    expect_ini BARS=NNNNYYY
    expect_ini UPDATE=50
}

readonly wide_milliseconds='[SETTING]\r\nBARS=NNNNNNY\r\nWINLEFT=0\r\nWINTOP=0\r\nWINRIGHT=800\r\nWINBOTTOM=100\r\n'

# The clock stands still while the settings are open and runs on after.
# Under a window manager the dialogs are modal to it too: marked modal, not
# to be maximised or resized, the keyboard back with them after a click on the
# clock, and never left minimised with the clock; the colour chooser as well.
test_modal_dialogs_under_wm() {
    start_xvfb
    start_wm
    start_clock "$at100x80"
    xdotool mousemove 300 130 click --repeat 2 --delay 100 1
    wait_window いろいろ設定
    local dialog=$found
    xprop -id "$dialog" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the dialog is not modal: $(xprop -id "$dialog" _NET_WM_STATE)"
    local actions
    actions=$(xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] || fail "the dialog cannot be closed: $actions"
    [[ $actions != *MAXIMIZE* && $actions != *RESIZE* ]] || fail "the dialog can be maximised or resized: $actions"
    xdotool mousemove 490 90 click 1  # the clock's corner, beside the dialog
    sleep 0.5
    expect_eq "$(xdotool getwindowfocus)" "$dialog" "the focus after a click on the clock"
    xdotool windowminimize "$dialog"
    sleep 0.8
    xwininfo -id "$dialog" | grep -q IsViewable || fail "the dialog stayed minimised"
    xwininfo -id "$window" | grep -q IsViewable || fail "the clock stayed minimised"
    xdotool key Escape
    wait_windows_named いろいろ設定 0
    # The colour chooser over the dialog: modal too, and Escape closes it.
    xdotool mousemove 300 130 click --repeat 2 --delay 100 1
    wait_window いろいろ設定
    dialog=$found
    xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space  # to 棒の色設定
    local chooser="" w
    for _ in $(seq 100); do
        for w in $(xdotool search --onlyvisible --class tarvik 2>/dev/null); do
            [ "$w" != "$dialog" ] && [ "$w" != "$window" ] && xprop -id "$w" _NET_WM_STATE 2>/dev/null |
                grep -q _NET_WM_STATE_MODAL && chooser=$w
        done
        [ -n "$chooser" ] && break
        sleep 0.05
    done
    [ -n "$chooser" ] || fail "no modal colour chooser appeared"
    xdotool key Escape
    sleep 0.3
    xwininfo -id "$chooser" 2>/dev/null | grep -q IsViewable && fail "Escape left the colour chooser open"
    xdotool key Escape
    wait_windows_named いろいろ設定 0
    stop_clock
}

test_clock_stands_still_while_settings_open() {
    start_xvfb
    start_clock "$wide_milliseconds"
    xdotool mousemove 700 50 click --repeat 2 --delay 100 1
    wait_window いろいろ設定
    sleep 0.2
    expect_eq "$(screen_changes 5)" 0 "screenshots that changed while the dialog was open"
    xdotool key Escape
    wait_windows_named いろいろ設定 0
    [ "$(screen_changes 8)" -gt 0 ] || fail "the clock did not run again after the dialog"
    stop_clock
}

# About opens from the menu by keyboard while the clock runs on, and Enter closes it.
test_about_from_the_menu() {
    start_xvfb
    start_clock "$wide_milliseconds"
    open_menu 100 50
    xdotool key Down Down Down Return
    wait_window TARVIK
    [ "$(screen_changes 12)" -gt 0 ] || fail "the clock stood still while About was open"
    xdotool key Return
    wait_windows_named TARVIK 0
    stop_clock
}

# 終了(&X) by its mnemonic ends the program with status 0, its place saved.
test_exit_from_the_menu() {
    start_xvfb
    start_clock "$at100x80"
    xdotool mousemove 300 130 mousedown 1 mousemove 330 150 mouseup 1
    open_menu 330 150
    xdotool key x
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.05
    done
    wait "$app_pid" || fail "the clock ended with status $?"
    app_pid=
    expect_ini WINLEFT=130
    expect_ini WINTOP=100
}

# SIGTERM while a modal loop runs (the settings dialog, the menu, the file
# chooser of Ctrl+O) ends the loop first; the clock then closes as always,
# with status 0 and its place saved.
term_during() {
    start_xvfb
    start_clock "$at100x80"
    xdotool mousemove 300 130 mousedown 1 mousemove 310 140 mouseup 1
    case $1 in
    dialog)
        xdotool click --repeat 2 --delay 100 1
        wait_window いろいろ設定 ;;
    menu)
        open_menu 310 140 ;;
    open)
        xdotool key ctrl+o
        for _ in $(seq 100); do
            [ "$(xdotool search --onlyvisible --class tarvik | wc -l)" -ge 2 ] && break
            sleep 0.05
        done
        [ "$(xdotool search --onlyvisible --class tarvik | wc -l)" -ge 2 ] || fail "no file chooser appeared" ;;
    esac
    stop_clock TERM
    expect_ini WINLEFT=110
    expect_ini WINTOP=90
}
test_term_during_the_settings_dialog() { term_during dialog; }
test_term_during_the_menu() { term_during menu; }
test_term_during_the_file_chooser() { term_during open; }

"test_$test_name"
echo "PASS: $test_name"
