# CPack: a Debian package of the installed game (cpack -G DEB in a build
# configured with -DCMAKE_INSTALL_PREFIX=/usr; scripts/package does both).
# The shared libraries the programs link are found by dpkg-shlibdeps; what
# they need without linking it is named here: Qt's platform plugins to open
# a window, and the board's Japanese serif font.

set(CPACK_PACKAGE_NAME bexoru)
set(CPACK_PACKAGE_VENDOR "Bexoru")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chu Shogi, the 12x12 shogi with the Lion")
set(CPACK_PACKAGE_DESCRIPTION
    "Bexoru is a game of Chu Shogi (the large shogi variant on a 12x12 board with\n\
the Lion). Play the computer at three levels or a second person on one board;\n\
the rules are enforced. Game records, handicaps, move guidance and help.\n\
Includes bexoru-cli, the rules and the computer on positions given as text.")
set(CPACK_PACKAGE_CONTACT "Bexoru developers <bexoru@localhost>" CACHE STRING "The package's maintainer")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY bexoru)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-mincho")
# Qt's Japanese button texts, and a web browser for the help page (the game
# shows the page itself without one).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")

include(CPack)
