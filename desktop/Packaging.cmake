# `cpack -G DEB` in the build folder: a Debian package of everything
# `cmake --install` puts in place, under /usr. The libraries come from
# dpkg-shlibdeps; the rest of what runs with it is listed by hand: Qt loads
# its SQLite driver (for the help file) and its display plugins at run time.
set(CPACK_PACKAGE_NAME vtutil)
set(CPACK_PACKAGE_VENDOR "Vantora")
set(CPACK_PACKAGE_CONTACT "${VT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Open, merge and relocate the folders of Vantora slide shows")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "vtutil opens the Vantora viewer's .VTS slide shows, appends further shows,\n"
    "moves the folders their media live in, lists every file they need and puts\n"
    "launchers on the desktop. vtshow does the same from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libglib2.0-0")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
include(CPack)
