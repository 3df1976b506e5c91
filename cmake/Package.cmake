# The packages, made with cpack from a built tree: on Linux a Debian package
# (./run.sh --package), tarvik_<version>_amd64.deb; on Windows a zip of
# tarvik.exe with its README, licence and a note on its settings
# (./test.sh --windows), tarvik-<version>-win64.zip. Both land in the build
# folder.
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TARVIK_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${TARVIK_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TARVIK_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop clock that shows the local time as bars")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 1)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME tarvik-${PROJECT_VERSION}-win64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The interface is Japanese: without a Japanese font every label is boxes.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk")
    # Wayland alone needs Qt's Wayland plugin; Qt's own dialogs (the colour
    # and file choosers) speak Japanese with its translations.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    set(CPACK_PACKAGE_DESCRIPTION
        "tarvik shows the local time as up to seven horizontal bars (year, month,
day, hour, minute, second and millisecond), each filled as far as its period
has gone, with tick marks on top. It lives in a small borderless window that
is moved by dragging its face; a right-click opens its settings, a surprise
and its About box. The interface is in Japanese.")
endif()

include(CPack)
