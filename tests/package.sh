#!/usr/bin/env bash
# The packages, made with cpack in the build folder and checked as a
# distribution would check them: the Debian package's files and lintian's
# verdict, its AppStream data, desktop entry and manual page; the Windows
# zip's files, and that tarvik.exe in it needs nothing but Windows itself.
#
# Usage: package.sh deb|zip BUILD_DIR   (VERSION and APP_ID from the environment)
set -euo pipefail
kind=$1
build=$(realpath "$2")
work=$(mktemp -d /tmp/tarvik-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }

# The archive holds exactly these files (folders aside).
expect_files() {
    local expected
    expected=$(printf '%s\n' "$@" | sort)
    [ "$listed" == "$expected" ] || fail "the files: $(diff <(echo "$expected") <(echo "$listed"))"
}

if [ "$kind" = deb ]; then
    deb=$build/tarvik_${VERSION}_amd64.deb
    [ -f "$deb" ] || fail "no $deb"
    listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
    expect_files ./usr/bin/tarvik \
        "./usr/share/applications/$APP_ID.desktop" "./usr/share/metainfo/$APP_ID.metainfo.xml" \
        ./usr/share/man/man1/tarvik.1.gz \
        ./usr/share/doc/tarvik/README.md ./usr/share/doc/tarvik/copyright ./usr/share/doc/tarvik/changelog.gz \
        ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/tarvik.png
    dpkg-deb -f "$deb" Version | grep -qx "$VERSION" || fail "the package's version is not $VERSION"
    dpkg-deb -f "$deb" Depends | grep -q 'fonts-ipafont-gothic | fonts-noto-cjk' || fail "no Japanese font among the dependencies"
    dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependencies from the libraries"
    # lintian: no error and no warning (it says it would rather not run as root).
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' >&2 || true
    lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian found errors or warnings"
    dpkg-deb -x "$deb" "$work/root"
    appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$APP_ID.metainfo.xml" >"$work/as.log" 2>&1 ||
        { cat "$work/as.log" >&2; fail "appstreamcli validate"; }
    grep -q "<release version=\"$VERSION\"" "$work/root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
        fail "the AppStream data names another release"
    desktop-file-validate "$work/root/usr/share/applications/$APP_ID.desktop" || fail "desktop-file-validate"
    gunzip -c "$work/root/usr/share/man/man1/tarvik.1.gz" >"$work/tarvik.1"
    groff -ww -z -t -man "$work/tarvik.1" 2>"$work/groff.log"
    [ ! -s "$work/groff.log" ] || fail "groff warns: $(cat "$work/groff.log")"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/tarvik.1" 2>"$work/man.log" >"$work/man.txt"
    [ ! -s "$work/man.log" ] || fail "man warns: $(cat "$work/man.log")"
    grep -q "tarvik $VERSION" "$work/man.txt" || fail "the manual page names another version"
elif [ "$kind" = zip ]; then
    zip=$build/tarvik-$VERSION-win64.zip
    [ -f "$zip" ] || fail "no $zip"
    top=tarvik-$VERSION-win64
    listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
    expect_files "$top/tarvik.exe" "$top/README.txt" "$top/LICENSE.txt" "$top/NOTICES.txt"
    unzip -q "$zip" -d "$work"
    file_crlf() { [ "$(grep -c $'\r$' "$1")" == "$(wc -l <"$1")" ]; }
    for text in README LICENSE NOTICES; do
        file_crlf "$work/$top/$text.txt" || fail "$text.txt has lines without CRLF"
    done
    # The README is for someone on Windows: no build or Linux commands.
    ! grep -Eiq 'apt|cmake|xvfb|wine|\./run\.sh|\./test\.sh' "$work/$top/README.txt" ||
        fail "README.txt speaks of building or Linux: $(grep -Ein 'apt|cmake|xvfb|wine|run\.sh|test\.sh' "$work/$top/README.txt")"
    grep -q "^tarvik $VERSION " "$work/$top/README.txt" || fail "README.txt names another version"
    grep -q '^MIT License' "$work/$top/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
    # Each library linked into tarvik.exe has its notice.
    for notice in 'MinGW-w64 runtime' 'Lucent Technologies' 'David M. Gay' 'winpthreads' 'Lockless Inc.' \
                  'GCC RUNTIME LIBRARY EXCEPTION'; do
        grep -q "$notice" "$work/$top/NOTICES.txt" || fail "NOTICES.txt lacks $notice"
    done
    # Only the system's own libraries: nothing to install beside the .exe.
    dlls=$(x86_64-w64-mingw32-objdump -p "$work/$top/tarvik.exe" | awk '/DLL Name:/ { print toupper($3) }' | sort)
    for dll in $dlls; do
        case $dll in
        ADVAPI32.DLL | COMCTL32.DLL | COMDLG32.DLL | GDI32.DLL | KERNEL32.DLL | MSVCRT.DLL | OLE32.DLL | OLEACC.DLL | \
            OLEAUT32.DLL | SHCORE.DLL | USER32.DLL | WINMM.DLL) ;;
        *) fail "tarvik.exe needs $dll, which Windows does not bring" ;;
        esac
    done
else
    fail "no such package kind: $kind"
fi
