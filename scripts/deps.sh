# Package lists and the installer shared by run.sh and test.sh.
# Sourced, not run: it defines ensure_packages.

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev qt6-translations-l10n qt6-wayland
                fonts-ipafont-gothic fonts-ipafont-mincho)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
               clang libclang-rt-14-dev
               xvfb xauth xdotool x11-utils x11-xserver-utils faketime imagemagick openbox weston xwayland
               dpkg-dev lintian appstream desktop-file-utils groff-base man-db
               dbus-daemon at-spi2-core python3-pyatspi)

# The Windows build: MinGW-w64 (the POSIX thread model), GoogleTest's sources
# to build for it, wixl for the installer, and Wine with Japanese fonts to run
# it; its tests drive it under Xvfb like the Linux build's.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
                  wine64 googletest fonts-ipafont-gothic fonts-ipafont-mincho wixl)
WINDOWS_TEST_PACKAGES=(xvfb xserver-xephyr xauth xdotool x11-utils x11-xserver-utils faketime imagemagick openbox unzip msitools)

# Installs whichever of the named Debian packages are missing. Nothing is
# installed (and apt is not touched) when all of them are present already.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "tarvik: missing packages (${missing[*]}) and no sudo to install them" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "tarvik: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# Configures and builds the Release tree in build/.
build_release() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build
}

# Configures and builds the unit tests with the sanitizers in build-asan/.
build_sanitized() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_SANITIZE=ON
    cmake --build build-asan --target tarvik_unit_tests
}

# The Wine prefix of build-win/ (unless WINEPREFIX names another), made once
# and given the settings of scripts/wineprefix.reg (Japanese fonts, frames
# drawn by Wine) whenever they change; $wine is Wine's 64-bit loader.
prepare_wine() {
    export WINEPREFIX=${WINEPREFIX:-$PWD/build-win/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    cmp -s scripts/wineprefix.reg "$WINEPREFIX/tarvik-applied.reg" && return 0
    echo "tarvik: preparing the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1 || true
    { printf '\xff\xfe'; sed 's/$/\r/' scripts/wineprefix.reg | iconv -f UTF-8 -t UTF-16LE; } >"$WINEPREFIX/tarvik.reg"
    "$wine" regedit /S "$WINEPREFIX/tarvik.reg" >/dev/null 2>&1
    "$(dirname "$wine")/wineserver" -w
    cp scripts/wineprefix.reg "$WINEPREFIX/tarvik-applied.reg"
}

# Configures and builds tarvik.exe and its tests in build-win/.
build_windows() {
    prepare_wine
    cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
    cmake --build build-win
}
