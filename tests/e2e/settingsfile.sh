#!/usr/bin/env bash
# End-to-end tests of the settings file as several clocks, read-only files
# and unwritable folders meet it.
#
# Usage: settingsfile.sh TEST path/to/tarvik     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

# Two clocks on one INI file, closed together: the file always holds the
# nine keys once, all of one clock (the last to close).
test_two_clocks_closing_together() {
    start_xvfb
    cp "$binary" "$work/tarvik"
    local round pids ids rect
    for round in 1 2 3 4; do
        printf '; two clocks\r\n[SETTING]\r\nBARS=YNYNYNY\r\n[Other]\r\nk=v\r\n' >"$work/tarvik.ini"
        "$work/tarvik" >"$work/app1.log" 2>&1 &
        pids=$!
        "$work/tarvik" >"$work/app2.log" 2>&1 &
        pids+=" $!"
        wait_windows_named vostrel 2
        ids=($(xdotool search --onlyvisible --name '^vostrel$'))
        xdotool windowmove "${ids[0]}" 100 100 windowmove "${ids[1]}" 500 400
        wait_position "${ids[0]}" 100 100
        wait_position "${ids[1]}" 500 400
        sleep 0.3  # the clocks hear of their new places
        kill -TERM $pids
        for pid in $pids; do wait "$pid" || fail "a clock ended with status $?"; done
        for key in WINTOP WINBOTTOM WINLEFT WINRIGHT BARS UPDATE FGCOLOR BGCOLOR USESYSCOLOR; do
            expect_eq "$(grep -c "^$key=" "$work/tarvik.ini")" 1 "round $round: lines with $key"
        done
        rect=$(grep -E '^WIN(LEFT|TOP|RIGHT|BOTTOM)=' "$work/tarvik.ini" | tr -d '\r' | sort | tr '\n' ' ')
        case "$rect" in
        "WINBOTTOM=200 WINLEFT=100 WINRIGHT=500 WINTOP=100 " | "WINBOTTOM=500 WINLEFT=500 WINRIGHT=900 WINTOP=400 ") ;;
        *) fail "round $round: a rectangle of neither clock: $rect" ;;
        esac
        grep -q $'^k=v\r$' "$work/tarvik.ini" || fail "round $round: the other section was lost"
    done
}

# A read-only INI beside the program: the per-user file starts as a copy of
# it, and the settings are kept there; the file beside is never changed.
test_read_only_ini_gets_a_user_copy() {
    start_xvfb
    local before='; mine\r\n[SETTING]\r\nBARS=YYYYYYY\r\nWINLEFT=20\r\nWINRIGHT=420\r\n[Other]\r\nk=v\r\n'
    printf '%b' "$before" >"$work/tarvik.ini"
    chmod 444 "$work/tarvik.ini"
    start_clock '' env XDG_CONFIG_HOME="$work/cfg"
    local copy="$work/cfg/tarvik/tarvik.ini"
    grep -q "^tarvik: $work/tarvik.ini cannot be written (Permission denied); the settings are kept in $copy\$" \
        "$work/app.log" || fail "no word on the read-only file: $(cat "$work/app.log")"
    cmp -s "$copy" <(printf '%b' "$before") || fail "the user's copy is not the file: $(cat -A "$copy")"
    expect_eq "$(geometry)" "X=20 Y=0 WIDTH=400 HEIGHT=100 " "the clock opens where the file says"
    xdotool windowmove "$window" 60 70
    sleep 0.2
    stop_clock
    cmp -s "$work/tarvik.ini" <(printf '%b' "$before") || fail "the read-only file changed"
    grep -q $'^WINLEFT=60\r$' "$copy" || fail "the move was not kept: $(cat -A "$copy")"
    grep -q $'^k=v\r$' "$copy" || fail "the copy lost a section"
    XDG_CONFIG_HOME="$work/cfg" "$work/tarvik" --help | grep -q "^Settings: $copy\$" || fail "--help names another file"
}

# Settings that cannot be saved anywhere get one line when the clock closes.
test_unsaved_settings_say_so() {
    start_xvfb
    printf '[SETTING]\r\nBARS=YYYYYYY\r\n' >"$work/tarvik.ini"
    chmod 444 "$work/tarvik.ini"
    mkdir -p "$work/cfg/tarvik"
    chmod 555 "$work/cfg/tarvik"
    start_clock '' env XDG_CONFIG_HOME="$work/cfg"
    stop_clock
    grep -q "^tarvik: cannot save the settings to $work/cfg/tarvik/tarvik.ini: " "$work/app.log" ||
        fail "no word on the lost settings: $(cat "$work/app.log")"
    expect_eq "$(grep -c '^tarvik: cannot save' "$work/app.log")" 1 "lines about the lost settings"
}

"test_$test_name"
echo "PASS: $test_name"
