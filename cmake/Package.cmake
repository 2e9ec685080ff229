# The Debian package, meldora_<version>_<arch>.deb, made by cpack from the
# install rules. scripts/build-deb.sh configures a build for it (prefix /usr,
# the program in /usr/games, Debian's hardening flags) and runs cpack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME meldora)
set(CPACK_PACKAGE_VENDOR "The Meldora developers")
set(CPACK_PACKAGE_CONTACT "The Meldora developers <developers@meldora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rummy card game against the computer opponent Dorvil")
set(CPACK_PACKAGE_DESCRIPTION
    "Meldora is Rummy for one player against the computer opponent Dorvil, in a\n"
    "desktop window. Take a card from the stock or the discard pile, lay sets\n"
    "and runs card by card in the six meld columns, lay single cards off on\n"
    "complete melds, and discard. The first side to reach the target points\n"
    "with a lead wins the game. Games won and the score owed between the two\n"
    "sides are kept from one session to the next.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://meldora.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps, and with them
# the Qt plugins it loads: the X11 platform and image formats (libqt6gui6),
# SVG images and icons (libqt6svg6). What it reads at run time is named here:
# the card deck and the table's fonts. The sound goes through PulseAudio's
# client library (a dependency of libqt6multimedia6; Qt 6.4 loads no
# multimedia plugin for it) to whichever sound server speaks its protocol;
# without one the game is silent, hence only a recommendation. Qt's own
# translations make its dialogs speak the game's language; without them they
# speak English. Qt's Wayland platform plugin makes the table a native window
# on a Wayland desktop, sharp at fractional scales; without it the game runs
# through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "kdegames-card-data-kf5, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-translations-l10n, qt6-wayland")
include(CPack)
