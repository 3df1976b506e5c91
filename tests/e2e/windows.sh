#!/usr/bin/env bash
# End-to-end tests of tarvik.exe, the Windows build, under Wine and Xvfb:
# started beside its INI file, looked at, driven by mouse and keyboard, closed.
# WINEPREFIX names the Wine prefix to use (./test.sh --windows prepares it).
#
# Usage: windows.sh TEST path/to/tarvik.exe     (TEST is one of the functions below)
set -euo pipefail

test_name=$1
binary=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The test has the Wine prefix to itself, and every Wine process of it goes
# with the test, before its display does: Wine's desktop process stays tied
# to the display it started on.
end_wine() { "$(dirname "$wine")/wineserver" -k 2>/dev/null || true; }
end_wine
trap 'end_wine; cleanup' EXIT

# Two 800 x 600 screens joined by Xinerama in Xephyr (inside an Xvfb), the
# primary on the right: Wine, which takes the monitors from Xinerama when the
# server has no RandR, makes its first head the primary at 0, 0, and the other
# lies left of it at x = -800, as on Windows. Xephyr ends with its Xvfb.
start_two_screens_primary_on_the_right() {
    start_xvfb 1700x700
    exec 4>"$work/nested-display"
    Xephyr -displayfd 4 -nolisten tcp +xinerama -extension RANDR \
        -origin 800,0 -screen 800x600 -origin 0,0 -screen 800x600 >"$work/xephyr.log" 2>&1 &
    for _ in $(seq 200); do
        [ -s "$work/nested-display" ] && break
        sleep 0.05
    done
    [ -s "$work/nested-display" ] || fail "Xephyr did not start: $(cat "$work/xephyr.log")"
    export DISPLAY=":$(cat "$work/nested-display")"
}

readonly nine_keys='WINTOP WINBOTTOM WINLEFT WINRIGHT BARS UPDATE FGCOLOR BGCOLOR USESYSCOLOR'

# Starts tarvik.exe from the work folder with the given INI content; extra
# arguments prefix the command, and clock_args (an array) follow it.
start_exe() {
    local ini=$1; shift
    cp "$binary" "$work/tarvik.exe"
    [ -n "$ini" ] && printf '%b' "$ini" >"$work/tarvik.ini"
    TZ=UTC "$@" "$wine" "$work/tarvik.exe" "${clock_args[@]}" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_window vostrel
    window=$found
    sleep 0.5  # a few clock ticks
}

# The shown popup menu, Wine's window of the program that has no name, to $found.
find_menu() {
    local w
    for w in $(xdotool search --onlyvisible --class tarvik.exe 2>/dev/null); do
        [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && found=$w && return 0
    done
    return 1
}

# Opens the context menu on the face and chooses its item n (1 first) by
# keyboard. The owner of a dialog just closed is enabled a moment after the
# dialog goes, so a click that opened no menu is tried again.
choose_from_menu() {
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
    local try
    for try in $(seq 10); do
        xdotool mousemove $((X + 60)) $((Y + 30)) click 3
        for _ in $(seq 10); do
            find_menu && break 2
            sleep 0.05
        done
    done
    find_menu || fail "no menu appeared"
    xdotool mousemove --window "$found" 5 2  # keys go where the pointer is
    sleep 0.2
    for _ in $(seq "$1"); do xdotool key Down; sleep 0.1; done
    xdotool key Return
}

keys_in_order() {
    tr -d '\r' <"${INI:-$work/tarvik.ini}" | sed -n 's/=.*//p' | grep -v '^\[' | tr '\n' ' '
}

# A file's path as Wine names it, on its drive Z:.
wine_path() { echo "Z:${1//\//\\}"; }

ini_value() {
    tr -d '\r' <"${INI:-$work/tarvik.ini}" | sed -n "s/^$1=//p"
}

# Placed at the stored rectangle and showing the hour bar at a frozen
# 12:30:00 in the client area, inside Wine's 3-pixel sizing border.
test_windows_face_at_fixed_time() {
    start_xvfb
    frozen_at '2024-05-17 12:30:00'
    start_exe '[SETTING]\r\nBARS=NNNYNNN\r\nWINLEFT=100\r\nWINTOP=80\r\nWINRIGHT=526\r\nWINBOTTOM=186\r\n' "${frozen[@]}"
    expect_eq "$(window_geometry "$window")" "X=100 Y=80 WIDTH=426 HEIGHT=106 " "window on the screen"
    import -window root "$work/shot.png"
    check_hour_face "$work/shot.png" 103 83
}

# The running tarvik.exe, its wall clock stepped (a leap day's end, past the
# end of 32-bit time, decades back) and stopped for five seconds: after each
# step its face is, within about a second, the one a fresh start draws at
# that time (a snapshot, from a window of the same client size). Then the
# screen is made smaller under it (Wine cannot take a monitor away while it
# runs; it tells a smaller screen as Windows does, with WM_DISPLAYCHANGE):
# the clock comes wholly onto what remains, at its size, and is stored there.
test_windows_jumping_clock_and_shrinking_screen() {
    start_xvfb 2048x768
    xrandr --newmode smaller 63.5 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
    xrandr --addmode screen smaller
    local lib time
    lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)
    mkdir "$work/fresh"
    cp "$binary" "$work/fresh/tarvik.exe"
    printf '[SETTING]\r\nBARS=YYYYYYY\r\nWINRIGHT=428\r\nWINBOTTOM=268\r\n' >"$work/fresh/tarvik.ini"
    # Wine's server keeps the true time: a server on the stepped one would
    # give the screen's news to no window.
    "$(dirname "$wine")/wineserver" -p
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    echo '2024-05-17 12:30:00' >"$work/now"
    frozen_by_file "$work/now"
    start_exe '[SETTING]\r\nBARS=YYYYYYY\r\nWINLEFT=1500\r\nWINTOP=400\r\nWINRIGHT=1926\r\nWINBOTTOM=666\r\n' \
        "${frozen[@]}"
    expect_eq "$(window_geometry "$window")" "X=1500 Y=400 WIDTH=426 HEIGHT=266 " "on the right part of the screen"
    for time in '2024-02-29 23:59:59' '2024-03-01 00:00:00' '2038-01-19 03:14:08' '1994-05-17 12:30:00' stop; do
        if [ "$time" = stop ]; then
            kill -STOP "$app_pid"
            time='1994-05-17 12:30:05'
            echo "$time" >"$work/now"
            sleep 5
            kill -CONT "$app_pid"
        else
            echo "$time" >"$work/now"
        fi
        env -u DISPLAY TZ=UTC LD_PRELOAD="$lib" FAKETIME="$time" "$wine" "$work/fresh/tarvik.exe" \
            --snapshot "$work/fresh.png" >/dev/null 2>&1 || fail "no snapshot at $time"
        expect_shown 420x260+1503+403 "$work/fresh.png" "at $time"
    done

    "$wine" "$DISPLAYSIZE" 1024 768 >"$work/displaysize.log" 2>&1 || fail "$(cat "$work/displaysize.log")"
    wait_position "$window" 598 400
    expect_eq "$(window_geometry "$window")" "X=598 Y=400 WIDTH=426 HEIGHT=266 " "after the screen shrank"
    "$wine" taskkill /im tarvik.exe >/dev/null 2>&1
    wait_app_exit "on a close request"
    expect_eq "$(ini_value WINLEFT),$(ini_value WINTOP),$(ini_value WINRIGHT),$(ini_value WINBOTTOM)" \
        "598,400,1024,666" "the stored rectangle"
}

# --snapshot draws the same face into a PNG file, with no display at all.
test_windows_snapshot() {
    cp "$binary" "$work/tarvik.exe"
    printf '[SETTING]\r\nBARS=NNNYNNN\r\nWINRIGHT=428\r\nWINBOTTOM=108\r\n' >"$work/tarvik.ini"
    frozen_at '2024-05-17 12:30:00'
    env -u DISPLAY TZ=UTC "${frozen[@]}" "$wine" "$work/tarvik.exe" --snapshot "$work/face.png" >"$work/app.log" 2>&1
    expect_eq "$(identify -format '%wx%h' "$work/face.png")" "420x100" "snapshot size"
    check_hour_face "$work/face.png" 0 0
    # The local time is the system's, whichever form TZ takes: the C runtime's
    # own, or the name a Linux shell hands to Wine, which the runtime cannot
    # read. libfaketime takes the frozen time as local time too.
    local tz
    for tz in JST-9 Asia/Tokyo; do
        env -u DISPLAY TZ=$tz "${frozen[@]}" "$wine" "$work/tarvik.exe" --snapshot "$work/face.png" >"$work/app.log" 2>&1
        check_hour_face "$work/face.png" 0 0
    done
    # With no INI file yet the defaults are used, with nothing to say about it.
    rm "$work/tarvik.ini"
    env -u DISPLAY "$wine" "$work/tarvik.exe" --snapshot "$work/face.png" >"$work/app.log" 2>&1
    expect_eq "$(identify -format '%wx%h' "$work/face.png")" "392x92" "snapshot at the default size"
    expect_eq "$(grep -c '^tarvik' "$work/app.log")" 0 "messages of the program"
}

# Dragged by its face, then closed with Exit from the menu: the nine keys are
# saved in order, with where the window was moved.
test_windows_drag_and_exit_save() {
    start_xvfb
    start_exe '[SETTING]\r\nWINTOP=80\r\nWINBOTTOM=200\r\nWINLEFT=100\r\nWINRIGHT=500\r\n'
    xdotool mousemove 200 120 mousedown 1 mousemove 230 140 sleep 0.1 mousemove 250 160 sleep 0.1 mouseup 1
    wait_position "$window" 150 120
    choose_from_menu 4  # the separators are skipped: 終了(&X) is the fourth step down
    wait_app_exit "after Exit"
    expect_eq "$(keys_in_order)" "$nine_keys " "keys written at the close"
    expect_eq "$(ini_value WINLEFT),$(ini_value WINTOP),$(ini_value WINRIGHT),$(ini_value WINBOTTOM)" \
        "150,120,550,240" "the moved rectangle"
}

# The value of the Run key in $work/reg. Wine now and then fails to start
# reg.exe itself ("Application could not be started"): that is asked again,
# a missing value is not.
query_run_value() {
    local run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
    for _ in 1 2 3; do
        "$wine" reg query "$run" /v tarvik >"$work/reg" 2>&1 && return 0
        grep -q "could not be started" "$work/reg" || return 1
        sleep 0.5
    done
    return 1
}

# --autostart on writes the per-user Run key's value, starting this very
# file (on top with --on-top), and off removes it; --on-top makes the clock a
# topmost window, which the window manager keeps above.
test_windows_autostart_and_on_top() {
    cp "$binary" "$work/tarvik.exe"
    "$wine" "$work/tarvik.exe" --autostart on --on-top >"$work/out" 2>&1 || fail "--autostart on: $(cat "$work/out")"
    grep -qF 'tarvik: starts at login, on top, from now on (HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run\tarvik)' "$work/out" ||
        fail "the word for --autostart on: $(cat "$work/out")"
    query_run_value || fail "no Run value: $(cat "$work/reg")"
    local exe="Z:${work//\//\\}\\tarvik.exe"  # the path as Wine names it
    grep -qF "\"$exe\" --on-top" "$work/reg" || fail "the Run value: $(cat "$work/reg")"
    "$wine" "$work/tarvik.exe" --autostart off >"$work/out" 2>&1 || fail "--autostart off: $(cat "$work/out")"
    ! query_run_value || fail "--autostart off left the Run value"
    "$wine" "$work/tarvik.exe" --autostart off >"$work/out" 2>&1 || fail "a second --autostart off failed"
    grep -q '^tarvik: was not set to start at login' "$work/out" || fail "the word: $(cat "$work/out")"
    end_wine  # its desktop process would stay without a display
    start_xvfb
    start_wm
    clock_args=(--on-top)
    start_exe ""
    for _ in $(seq 40); do
        xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && break
        sleep 0.05
    done
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
        fail "the clock is not above: $(xprop -id "$window" _NET_WM_STATE)"
}

# The installer: msiexec installs it for this user alone, with its Start-menu
# shortcut and its entry in the list of programs; the installed clock runs
# and keeps its settings beside itself; a later version replaces it in
# place, settings kept; removing it leaves none of its files, nor the start
# at login, and keeps the settings.
# MSI (the built one), WXS, STAGE, VERSION, PUBLISHER and HOMEPAGE come from
# the environment.
test_windows_installer() {
    local run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
    start_xvfb  # before Wine's first process, whose desktop keeps its display
    # A prefix of its own, with the shared one's settings: no installation
    # left by an earlier run is in the way, and none is left for the others.
    local shared=$WINEPREFIX
    export WINEPREFIX=$work/prefix
    "$wine" wineboot --init >/dev/null 2>&1 || true
    [ ! -f "$shared/tarvik.reg" ] || "$wine" regedit /S "$(wine_path "$shared/tarvik.reg")" >/dev/null 2>&1
    "$wine" msiexec /i "$(wine_path "$MSI")" /qn || fail "msiexec /i failed with status $?"
    local profile dir menu
    profile=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData | grep -v /Public/ | head -1)
    dir=$profile/Local/Programs/tarvik
    menu="$profile/Roaming/Microsoft/Windows/Start Menu/Programs/tarvik.lnk"
    expect_eq "$(cd "$dir" && ls | tr '\n' ' ')" "LICENSE.txt NOTICES.txt README.txt tarvik.exe " "the installed files"
    [ -f "$menu" ] || fail "no Start-menu shortcut"
    strings -el "$menu" | grep -q 'tarvik.exe' || strings "$menu" | grep -q 'tarvik.exe' ||
        fail "the shortcut does not start tarvik.exe"
    programs_entry() {  # the list of programs' entry for tarvik (Wine keeps it under HKLM)
        local root
        for root in HKCU HKLM; do
            { "$wine" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null || true; } |
                tr -d '\r' | awk '/^HKEY/ { key = $0 } { entry[key] = entry[key] "\n" $0 }
                    END { for (k in entry) if (entry[k] ~ /DisplayName +REG_SZ +tarvik\n/) print entry[k] }'
        done
    }
    programs_entry >"$work/entry"
    for value in "DisplayVersion +REG_SZ +$VERSION" "Publisher +REG_SZ +$PUBLISHER" "URLInfoAbout +REG_SZ +$HOMEPAGE"; do
        grep -Eq "$value\$" "$work/entry" || fail "no $value in the entry: $(cat "$work/entry")"
    done
    msiinfo export "$MSI" Property | tr -d '\r' | grep -qx $'ARPPRODUCTICON\ttarvik.ico' || fail "the entry has no icon"

    # The installed clock runs, moves and keeps its settings beside itself.
    "$wine" "$dir/tarvik.exe" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_window vostrel
    window=$found
    sleep 0.5
    xdotool mousemove 100 50 mousedown 1 mousemove 130 70 sleep 0.1 mousemove 150 90 sleep 0.1 mouseup 1
    wait_position "$window" 50 40
    "$wine" taskkill /im tarvik.exe >/dev/null 2>&1
    wait_app_exit "on a close request"
    INI=$dir/tarvik.ini
    expect_eq "$(ini_value WINLEFT),$(ini_value WINTOP)" "50,40" "the installed clock's stored place"

    # A later version: the first three parts of a version are what Windows
    # Installer compares.
    local next
    next=$(echo "$VERSION" | awk -F. '{ printf "%d.%d.%d.0", $1, $2, $3 + 1 }')
    (cd "$STAGE" && wixl -a x64 -D Version="$next" -D Manufacturer="$PUBLISHER" -D HomePage="$HOMEPAGE" \
        -D SourceDir=. -o "$work/next.msi" "$WXS") || fail "wixl could not build version $next"
    "$wine" msiexec /i "$(wine_path "$work/next.msi")" /qn || fail "the upgrade failed with status $?"
    programs_entry >"$work/entry"
    expect_eq "$(grep -c 'DisplayName' "$work/entry")" 1 "entries in the list of programs after the upgrade"
    grep -Eq "DisplayVersion +REG_SZ +$next\$" "$work/entry" || fail "the upgrade's entry: $(cat "$work/entry")"
    [ -f "$dir/tarvik.exe" ] || fail "the upgrade left no tarvik.exe"
    expect_eq "$(ini_value WINLEFT),$(ini_value WINTOP)" "50,40" "the stored place after the upgrade"

    "$wine" "$dir/tarvik.exe" --autostart on >/dev/null 2>&1 || fail "--autostart on failed"

    "$wine" msiexec /x "$(wine_path "$work/next.msi")" /qn || fail "msiexec /x failed with status $?"
    expect_eq "$(cd "$dir" && ls | tr '\n' ' ')" "tarvik.ini " "what removing it leaves"
    [ ! -e "$menu" ] || fail "removing it left the shortcut"
    [ -z "$(programs_entry)" ] || fail "removing it left the entry in the list of programs"
    ! "$wine" reg query "$run" /v tarvik >/dev/null 2>&1 || fail "removing it left the start at login"
}

# A clock stored on the monitor left of the primary opens there, and a drag
# moves it on that monitor, where Windows' coordinates are negative.
test_windows_monitor_left_of_the_primary() {
    start_two_screens_primary_on_the_right
    start_exe '[SETTING]\r\nWINLEFT=-700\r\nWINTOP=100\r\nWINRIGHT=-300\r\nWINBOTTOM=200\r\n'
    expect_eq "$(window_geometry "$window")" "X=100 Y=100 WIDTH=400 HEIGHT=100 " "on the left monitor"
    xdotool mousemove 200 150 mousedown 1 mousemove 215 150 sleep 0.1 mousemove 230 150 sleep 0.1 mouseup 1
    wait_position "$window" 130 100
    "$wine" taskkill /im tarvik.exe >/dev/null 2>&1
    wait_app_exit "on a close request"
    expect_eq "$(ini_value WINLEFT),$(ini_value WINTOP),$(ini_value WINRIGHT),$(ini_value WINBOTTOM)" \
        "-670,100,-270,200" "the moved rectangle"
}

# Wine's DPI for the next start: the prefix's own again when the test ends.
set_dpi() {
    end_wine
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
unset_dpi() {
    end_wine
    "$wine" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
    "$(dirname "$wine")/wineserver" -w
}

# At 100 %, 150 % and 200 % the stored rectangle (in 96-dpi units) opens
# scaled, and the face is drawn at the screen's resolution with every
# measure scaled: margins, spacing, the marks' width and rows, the bar's
# length. A drag of 60 pixels is stored as 60 at 96 dpi, 40 at 144, 30 at 192.
# The sizing border stops at 136 x 39 at 96 dpi, scaled.
test_windows_same_size_at_every_dpi() {
    trap 'unset_dpi; cleanup' EXIT
    start_xvfb 1600x900
    frozen_at '2024-05-17 12:30:00'
    local dpi
    for dpi in 96 144 192; do
        set_dpi $dpi
        start_exe '[SETTING]\r\nBARS=NNNYNNN\r\nWINLEFT=100\r\nWINTOP=80\r\nWINRIGHT=526\r\nWINBOTTOM=186\r\n' "${frozen[@]}"
        local x=$((100 * dpi / 96)) y=$((80 * dpi / 96)) width=$((426 * dpi / 96)) height=$((106 * dpi / 96))
        expect_eq "$(window_geometry "$window")" "X=$x Y=$y WIDTH=$width HEIGHT=$height " "window at $dpi dpi"
        import -window root "$work/shot.png"
        check_hour_face_at_dpi "$work/shot.png" $dpi $x $y $width $height
        xdotool mousemove $((x + width / 2)) $((y + height / 2)) mousedown 1 \
            mousemove $((x + width / 2 + 30)) $((y + height / 2 + 30)) sleep 0.1 \
            mousemove $((x + width / 2 + 60)) $((y + height / 2 + 60)) sleep 0.1 mouseup 1
        wait_position "$window" $((x + 60)) $((y + 60))
        # The sizing border stops at the least size: the left edge dragged
        # past the right one, the bottom edge above the top.
        local least_width=$(((136 * dpi + 48) / 96)) least_height=$(((39 * dpi + 48) / 96))
        xdotool mousemove $((x + 61)) $((y + 60 + height / 2)) mousedown 1 sleep 0.1 \
            mousemove $((x + 60 + width + 100)) $((y + 60 + height / 2)) sleep 0.2 mouseup 1 sleep 0.2
        xdotool mousemove $((x + 60 + width - least_width / 2)) $((y + 60 + height - 1)) mousedown 1 sleep 0.1 \
            mousemove $((x + 60 + width - least_width / 2)) $((y + 20)) sleep 0.2 mouseup 1 sleep 0.2
        # (Wine's pointer stops one pixel short on the left edge.)
        eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
        [ $((WIDTH - least_width)) -ge 0 ] && [ $((WIDTH - least_width)) -le 1 ] &&
            [ "$HEIGHT" = "$least_height" ] && [ $((X + WIDTH)) = $((x + 60 + width)) ] && [ "$Y" = $((y + 60)) ] ||
            fail "the least size at $dpi dpi is ${least_width}x$least_height: $(window_geometry "$window")"
        "$wine" taskkill /im tarvik.exe >/dev/null 2>&1
        wait_app_exit "on a close request at $dpi dpi"
        # Stored in 96-dpi units, each edge within the pixel that scaling rounds.
        local moved=$((60 * 96 / dpi)) right_off width_off
        expect_eq "$(ini_value WINTOP),$(ini_value WINBOTTOM)" "$((80 + moved)),$((80 + moved + 39))" \
            "top and bottom stored at $dpi dpi"
        right_off=$(($(ini_value WINRIGHT) - 526 - moved)) width_off=$(($(ini_value WINRIGHT) - $(ini_value WINLEFT) - 136))
        [ "${right_off#-}" -le 1 ] && [ "$width_off" -ge 0 ] && [ "$width_off" -le 1 ] ||
            fail "left and right stored at $dpi dpi: $(ini_value WINLEFT),$(ini_value WINRIGHT)"
    done
}

# The hour bar at a frozen 12:30 in a window at x, y of the given size, at
# the given DPI: in the client area within Wine's frame, margins and spacing
# of 10, marks 1 wide and 2 high, each scaled as MulDiv rounds.
check_hour_face_at_dpi() {
    local image=$1 dpi=$2 x=$3 y=$4 width=$5 height=$6
    local margin=$(((10 * dpi + 48) / 96)) mark_width=$(((dpi + 48) / 96)) mark_height=$(((2 * dpi + 48) / 96))
    local spacing=$margin
    # The client area: the background's and the bar's columns across the
    # middle row, and the background's rows in the client's last column.
    local columns left right top bottom
    columns=$({ columns_of "$image" $((y + height / 2)) $((x + width)) '#ADDEFF'
                columns_of "$image" $((y + height / 2)) $((x + width)) '#008484'; } | tr ' ' '\n' | sort -n | grep .)
    left=$(head -1 <<<"$columns"); right=$(($(tail -1 <<<"$columns") + 1))
    local rows
    rows=$(rows_of "$image" $((right - 1)) $((y + height)) '#ADDEFF' | tr ' ' '\n' | grep .)
    top=$(head -1 <<<"$rows"); bottom=$(($(tail -1 <<<"$rows") + 1))
    expect_eq "$((left - x)),$((top - y))" "$((x + width - right)),$((y + height - bottom))" "frame even at $dpi dpi"

    local span=$((right - left - 2 * margin)) bar_top=$((top + spacing)) marks="" k c
    for k in $(seq 0 23); do
        for ((c = 0; c < mark_width; ++c)); do marks+="$((left + margin + span * k / 24 + c)) "; done
    done
    for ((c = 0; c < mark_width; ++c)); do marks+="$((right - margin + c)) "; done
    for ((k = 1; k <= mark_height; ++k)); do
        expect_eq "$(columns_of "$image" $((bar_top - k)) "$right" '#008484')" "$marks" "mark row $k at $dpi dpi"
    done
    expect_eq "$(columns_of "$image" $((bar_top - mark_height - 1)) "$right" '#008484')" "" "above the marks at $dpi dpi"
    local length=$((span * 25 / 48))  # 12.5 of 24 hours
    expect_eq "$(columns_of "$image" "$bar_top" "$right" '#008484' | wc -w)" "$length" "bar length at $dpi dpi"
    expect_eq "$(columns_of "$image" "$bar_top" "$right" '#008484' | cut -d' ' -f1)" $((left + margin)) \
        "bar start at $dpi dpi"
    local bar_rows=$((bottom - top - 2 * spacing))
    expect_eq "$(rows_of "$image" $((left + margin)) "$bottom" '#008484' | run_starts)" "$((bar_top - mark_height)) " \
        "marks and bar in one run at $dpi dpi"
    expect_eq "$(rows_of "$image" $((left + margin)) "$bottom" '#008484' | wc -w)" $((mark_height + bar_rows)) \
        "bar height at $dpi dpi"
}

# A read-only INI file beside the exe: the settings go to a copy in the
# user's application data, and that copy can be written, so the move is kept
# (Wine run as root writes through a read-only file, so the copy's attribute
# is looked at too).
test_windows_read_only_ini_keeps_settings() {
    start_xvfb
    local copy="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/tarvik/tarvik.ini"
    rm -f "$copy"
    local before='[SETTING]\r\nWINTOP=80\r\nWINBOTTOM=200\r\nWINLEFT=100\r\nWINRIGHT=500\r\n'
    printf '%b' "$before" >"$work/tarvik.ini"
    chmod 444 "$work/tarvik.ini"
    start_exe ''
    [ -f "$copy" ] || fail "no user's copy: $(cat "$work/app.log")"
    expect_eq "$(stat -c %A "$copy" | cut -c2-3)" rw "the copy's owner may write it"
    xdotool mousemove 200 120 mousedown 1 mousemove 230 140 sleep 0.1 mousemove 250 160 sleep 0.1 mouseup 1
    wait_position "$window" 150 120
    choose_from_menu 4
    wait_app_exit "after Exit"
    cmp -s "$work/tarvik.ini" <(printf '%b' "$before") || fail "the read-only file changed"
    expect_eq "$(INI="$copy" ini_value WINLEFT),$(INI="$copy" ini_value WINTOP)" 150,120 "the move kept in the copy"
}

# Under a window manager, by keyboard: the settings dialog opens from the menu
# and Escape closes it; the About box opens and Enter closes it; in the
# settings a check box is ticked and Enter commits it; a close request from
# outside (WM_CLOSE, as taskkill sends it) while the dialog is open again
# ends the dialog and saves.
test_windows_dialogs_by_keyboard() {
    start_xvfb
    start_wm
    start_exe '[SETTING]\r\nWINTOP=300\r\nWINBOTTOM=400\r\nWINLEFT=300\r\nWINRIGHT=700\r\n'
    # Shift+F10 opens the context menu from the keyboard, as on Windows.
    xdotool mousemove 360 330 click 1
    sleep 0.3
    xdotool key shift+F10
    for _ in $(seq 40); do find_menu && break; sleep 0.05; done
    find_menu || fail "Shift+F10 opened no menu"
    xdotool key Escape
    sleep 0.3
    choose_from_menu 1
    wait_window 'いろいろ設定'
    xdotool key Escape
    wait_windows_named 'いろいろ設定' 0
    choose_from_menu 3
    wait_window TARVIK
    xdotool key Return
    wait_windows_named TARVIK 0
    choose_from_menu 1
    wait_window 'いろいろ設定'
    xdotool key Tab Tab space Return  # OK, Cancel, then the year's check box
    wait_windows_named 'いろいろ設定' 0
    choose_from_menu 1
    wait_window 'いろいろ設定'
    "$wine" taskkill /im tarvik.exe >/dev/null 2>&1
    wait_app_exit "on a close request"
    expect_eq "$(ini_value BARS)" YNNNYYY "bars after ticking the year"
    expect_eq "$(keys_in_order)" "$nine_keys " "keys written at the close"
}

"test_$test_name"
echo "PASS: $test_name"
