# The Debian package: `cpack -G DEB` in the build directory makes trayeko_<version>-1_<arch>.deb,
# which `apt install ./trayeko_*.deb` installs with everything it needs.

set(CPACK_PACKAGE_NAME "trayeko")
set(CPACK_PACKAGE_VENDOR "Trayeko developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn shortest-path search with Dijkstra's and Floyd's methods")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TRAYEKO_HOMEPAGE}")
set(CPACK_PACKAGE_CONTACT "Trayeko developers <trayeko@example.org>"
    CACHE STRING "Package maintainer, as Name <address>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The shared libraries the program links (Qt, Qt Charts among them, the C++ runtime) become
# dependencies by themselves. Qt Charts is GPL 3 only; the copyright file says what that means.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program asks for DejaVu Sans, DejaVu Sans Mono and DejaVu Serif by name (texts, listings
# and printouts, the banner), all three in fonts-dejavu-core. On
# Wayland the program runs through XWayland; the native plugin (qt6-wayland) would pull in Qt
# Quick as well, too much to recommend for one small window.
# "Atur tata letak" in "Jaringan Sendiri" runs Graphviz's neato (EPL-1.0) as a program of its own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, graphviz")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "orca, qt6-wayland")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trayeko is a small teaching program for shortest-path search. Students
edit the fourteen link weights of a drawn network of seven nodes and
watch Dijkstra's method (all seventeen routes, the shortest highlighted)
and Floyd's method (the matrices after each iteration) find the shortest
route from node 1 to node 7, and compare both methods on networks of 4
to 20 nodes. The program is in Indonesian; it works with the keyboard
alone and with a screen reader.")

include(CPack)
