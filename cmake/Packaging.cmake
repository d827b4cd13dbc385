# The Debian package: `cpack --preset release` after a release build (or
# scripts/package.sh). It holds what `cmake --install` puts below /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numerant)
set(CPACK_PACKAGE_VENDOR Vellhorn)
set(CPACK_PACKAGE_CONTACT "Vellhorn <numerant@vellhorn.de>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.vellhorn.de/numerant)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lottery assistant for 6 out of 49")
set(CPACK_PACKAGE_DESCRIPTION
    "Numerant keeps a local database of past draws, shows statistics charts,\n\
generates tips from statistical preferences and rates them against any draw.\n\
Tip files, a printable tip text and nine interface languages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries the program links come from dpkg-shlibdeps; what Qt loads as
# plugins at run time (the window system, the sound) and the font the window
# is laid out for are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own texts (message-box buttons, file dialogs) in the interface
# language; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
