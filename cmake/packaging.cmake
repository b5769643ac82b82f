# The packages. On Linux `cpack -G DEB` in a build folder makes
# trellwick_<version>_amd64.deb with both programs, the desktop entry, the
# icons, the AppStream metainfo, the manual pages and, in
# /usr/share/doc/trellwick, the licence as Debian's copyright file and the
# changelog from NEWS; dpkg-shlibdeps finds the libraries it depends on. On
# Windows `cpack` makes a ZIP of the installed folder and an NSIS installer.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME trellwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Trellwick)
set(CPACK_PACKAGE_CONTACT "${TRELLWICK_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TRELLWICK_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Trellwick)
    set(CPACK_NSIS_PACKAGE_NAME Trellwick)
    set(CPACK_NSIS_DISPLAY_NAME "Trellwick ${PROJECT_VERSION}")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/icons/trellwick.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\trellwick.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT "${TRELLWICK_HOMEPAGE}")
    # The shortcut's "Start in" is the working directory, where Trellwick reads
    # quorvel.ini and writes macro.temp: the user's own folder, as a launcher
    # on Linux gives, since the program's folder isn't writable. $OUTDIR is the
    # working directory that CreateShortCut records; Windows expands the
    # variable when the shortcut is opened.
    set(CPACK_NSIS_CREATE_ICONS_EXTRA
        "  StrCpy $OUTDIR '%USERPROFILE%'
  CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Trellwick.lnk' '$INSTDIR\\\\bin\\\\trellwick.exe'
  SetOutPath '$INSTDIR'")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\Trellwick.lnk'")
    include(CPack)
    return()
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the description's first line; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trellwick converts an API macro, whose code names its parameters %1 to %14,
into an SCM macro for the macro library of ASD version 2. The desktop program
trellwick leads through the conversion in three steps; trellwick-convert does
the same from the command line, for one macro or a batch.")

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(package_files ${PROJECT_BINARY_DIR}/package)

# The licence in Debian's machine-readable copyright format: its text after the
# copyright line, indented, with " ." for an empty line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*\nCopyright [^\n]*\n\n" "" licence "${licence}")
string(REGEX REPLACE "\n$" "" licence "${licence}")
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence " ${licence}")
string(REGEX REPLACE "^Copyright \\([Cc]\\) " "" copyright "${TRELLWICK_COPYRIGHT}")
file(WRITE ${package_files}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Trellwick
Upstream-Contact: ${TRELLWICK_CONTACT}

Files: *
Copyright: ${copyright}
License: Expat
${licence}
")

trellwick_debian_changelog(${CPACK_PACKAGE_NAME} "${TRELLWICK_CONTACT}" changelog)
file(WRITE ${package_files}/changelog "${changelog}")
trellwick_install_gzipped(${package_files}/changelog ${doc_dir})
install(FILES ${package_files}/copyright DESTINATION ${doc_dir})
install(FILES cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})

# CPack strips the programs of their symbols; Debian's packages also leave out
# the compiler's notes, as dh_strip does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program trellwick trellwick-convert)
            set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
            if(EXISTS \"\${file}\")
                execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                                        --remove-section=.note \"\${file}\" COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endforeach()
    endif()")

include(CPack)
