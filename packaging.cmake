# A Debian package of what `cmake --install` places.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo-othello)
set(CPACK_PACKAGE_VENDOR Tarvo)
set(CPACK_PACKAGE_CONTACT "Tarvo <games@tarvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Othello against the computer")
set(CPACK_PACKAGE_DESCRIPTION "Play Othello on an 8 by 8 board against the computer, at a classic
level or with a look-ahead engine that plays the endgame perfectly. Every
move is marked before the pieces turn; your ten best results are kept per
level. Hints, undo, shown legal moves, a keyboard frame, screen reader
support, a review of every game, statistics, board styles, animated moves
and sound are there when you want them. The engine also plays other programs
through the Go Text Protocol.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tarvo.example/)
# The libraries come from dpkg-shlibdeps, and with libqt6svg6 the plugin
# that draws the SVG icons. The window system plugins (X11 and Wayland) and
# the board's font are loaded at run time and must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-liberation2")
# The web command asks xdg-mime for the desktop's browser; Qt's own texts
# (the Yes and No of its boxes) come translated with qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
