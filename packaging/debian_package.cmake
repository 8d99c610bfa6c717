# `cpack -G DEB` in the build folder makes the Debian package. Its library
# dependencies come from the binary (dpkg-shlibdeps); the rest are what the
# program loads at run time without linking to it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loop analysis of linear AC networks")
# Lines of the package's long description, each under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Brivel analyses linear AC networks of up to 15 series R-L-C branches and"
    "2 to 5 loops by loop (mesh) currents: branch impedances, currents and"
    "voltages with magnitude and phase, and the input impedance seen from the"
    "source. It sweeps the frequency and draws magnitude and phase graphs to"
    "measure, compare, print and copy. The user interface is Japanese.")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(BRIVEL_PACKAGE_MAINTAINER "Brivel developers <brivel@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRIVEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/brivel/brivel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the pages and prints are drawn in; the platform plugins, which
# libqt6gui6 only recommends although no window opens without them; and the
# toolkit's Japanese texts, loaded at start for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
