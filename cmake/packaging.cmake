# The Debian package: `cpack -G DEB` in a build folder makes
# trellwick_1.02_amd64.deb with both programs, the desktop entry, the icons,
# the AppStream metainfo and the manual page. dpkg-shlibdeps finds the
# libraries it depends on.
set(CPACK_PACKAGE_NAME trellwick)
set(CPACK_PACKAGE_VERSION ${TRELLWICK_VERSION})
set(CPACK_PACKAGE_VENDOR Trellwick)
set(CPACK_PACKAGE_CONTACT "Trellwick developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the description's first line; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trellwick converts an API macro, whose code names its parameters %1 to %14,
into an SCM macro for the macro library of ASD version 2. The desktop program
trellwick leads through the conversion in three steps; trellwick-convert does
the same from the command line, for one macro or a batch.")

include(CPack)
