#!/usr/bin/env bash
# What a screen reader gets from the real clock: its tree on the AT-SPI bus,
# read with pyatspi as Orca would read it. Run inside a D-Bus session of its
# own (dbus-run-session), which the accessibility bus joins.
#
# Usage: dbus-run-session -- accessibility.sh TEST path/to/tarvik
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

atspi() { /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }

start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The tree's line for the object of the role and name (the first one).
object_line() { grep -m1 -E "^ *$1\|$2\|" "$work/tree"; }

# The clock at 12:30:00 on 17 May 2024 showing all seven bars, each 22 pixels
# high in a client area of 420 x 240; bar k's middle row is 21 + 32k.
test_screen_reader_view() {
    start_xvfb
    start_accessibility_bus
    frozen_at '2024-05-17 12:30:00'
    start_clock '[SETTING]\r\nBARS=YYYYYYY\r\nWINRIGHT=428\r\nWINBOTTOM=248\r\n' "${frozen[@]}"
    import -window root "$work/shot.png"
    atspi tree tarvik >"$work/tree"
    object_line frame vostrel >/dev/null || fail "no frame: $(cat "$work/tree")"
    expect_eq "$(object_line filler tarvik | cut -d'|' -f3)" "現在の時刻を棒グラフで表示します" "the face's description"
    local names=(年 月 日 時 分 秒 ミリ秒) units=(2024年 5月 17日 12時 30分 0秒 0ミリ秒) k
    expect_eq "$(grep -c '^ *progress bar|' "$work/tree")" 7 "progress bars"
    for k in 0 1 2 3 4 5 6; do
        local bar value text drawn
        bar=$(grep '^ *progress bar|' "$work/tree" | sed -n "$((k + 1))p")
        IFS='|' read -r _ name text value minimum maximum _ <<<"$bar"
        expect_eq "$name" "${names[k]}" "bar $k's name"
        expect_eq "$minimum,$maximum" "0,100" "bar $k's range"
        expect_eq "${text%% *}" "${units[k]}" "bar $k's unit"
        expect_eq "${text#* }" "$(awk -v v="$value" 'BEGIN { printf "%d%%", v }')" "bar $k's percent"
        # The value is the face: the bar is 400 pixels long when full.
        drawn=$(columns_of "$work/shot.png" $((4 + 21 + 32 * k)) 444 '#008484' | wc -w)
        awk -v v="$value" -v d="$drawn" 'BEGIN { exit !(int(4 * v) == d) }' ||
            fail "bar $k reads $value % but is drawn $drawn pixels long"
    done

    # The settings dialog: a dialog with its caption, the interval field named
    # by its group box, the spin box with the field's value and its range.
    # Tab goes from the first box to the interval field in nine steps.
    xdotool mousemove 200 130 click --repeat 2 --delay 100 1
    wait_window いろいろ設定
    atspi tree tarvik >"$work/tree"
    object_line dialog いろいろ設定 >/dev/null || fail "no dialog: $(cat "$work/tree")"
    # The boxes and the field stand inside their group boxes, both ways.
    expect_eq "$(atspi parent tarvik 'check box' ミリ秒)" "panel|表示する棒" "the box's parent"
    expect_eq "$(atspi parent tarvik text '更新間隔（ミリ秒）')" "panel|更新間隔（ミリ秒）" "the field's parent"
    expect_eq "$(grep -A1 '^  panel|表示する棒|' "$work/tree" | tail -1)" "    check box|年|||||" "the group's first box"
    expect_eq "$(object_line text '更新間隔（ミリ秒）' | cut -d'|' -f4-7)" "50|0|10000|50" "the interval field"
    expect_eq "$(object_line 'spin button' '更新間隔（ミリ秒）' | cut -d'|' -f4-6)" "50|0|10000" "the spin box"
    # A refused interval: the message box is an alert that says its message.
    xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a type 20000
    xdotool key Return
    for _ in $(seq 40); do
        atspi tree tarvik >"$work/tree"
        grep -q '^alert|' "$work/tree" && break
        sleep 0.05
    done
    expect_eq "$(grep '^alert|' "$work/tree" | cut -d'|' -f3)" "0 から 10000 までの整数を入力してください。" "the alert's message"
    xdotool key Return
    sleep 0.3
    xdotool key Escape
    wait_windows_named いろいろ設定 0

    # The context menu from the keyboard is in the tree while it is open, its
    # items without their "&"; Exit invoked through its action closes the
    # clock the ordinary way, saving the settings.
    xdotool mousemove 200 130 click 1 key shift+F10
    for _ in $(seq 40); do
        atspi tree tarvik >"$work/tree"
        grep -q '^popup menu|' "$work/tree" && break
        sleep 0.05
    done
    expect_eq "$(grep '^ *menu item|' "$work/tree" | cut -d'|' -f2 | tr '\n' ' ')" \
        "設定します パルプンテ！ tarvikについて 終了(X) " "the menu's items"
    atspi do tarvik 'menu item' '終了(X)'
    wait_app_exit "on Exit invoked by the screen reader"
    grep -q $'^BARS=YYYYYYY\r$' "$work/tarvik.ini" || fail "the settings were not saved: $(cat "$work/tarvik.ini")"
}

"test_$test_name"
echo "PASS: $test_name"
