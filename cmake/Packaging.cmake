# `cpack -G DEB` in the build folder: build/pelterra_<version>_<arch>.deb from what
# `cmake --install` installs. The dependencies are read off the programs by dpkg-shlibdeps.
set(PELTERRA_MAINTAINER "Pelterra maintainers <maintainers@pelterra.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelterra)
set(CPACK_PACKAGE_VENDOR Pelterra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Winamp 2 skin maker: a picture and ready-made parts become a skin")
# One string: a list of lines would reach the control file joined with ";".
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pelterra makes skins for the Winamp 2 media player without drawing them by hand.\n"
    "Open a base picture, pick ready-made parts (buttons, sliders, title bar, frame,\n"
    "digits, font) for every position of the main window, the equalizer and the\n"
    "playlist, recolour them and save the whole skin as a folder or a .wsz archive\n"
    "that Winamp 2 compatible players load. The package holds the desktop program\n"
    "pelterra, the command line pelterra-cli and the parts library.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELTERRA_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in Japanese and English, and a font for the Japanese captions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
