# The one version of Trellwick is project(VERSION). From it come:
# - trellwick_version.h (link trellwick_version): the version, the copyright
#   line of LICENSE and the licence, for --version and the Help message;
# - the release notes of NEWS, whose newest entry must be this version
#   (news.cmake), and the release date that the manual pages carry;
# - trellwick_man_page(), which fills both into a manual page, and
#   trellwick_install_gzipped(), which installs a file compressed.
# Who answers for the program, as the package and the metainfo name them.
set(TRELLWICK_DEVELOPERS "the Trellwick developers")
set(TRELLWICK_CONTACT "Trellwick developers <developers@trellwick.org>")
set(TRELLWICK_HOMEPAGE "https://trellwick.org")

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE TRELLWICK_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/trellwick_version.h.in
               ${PROJECT_BINARY_DIR}/generated/trellwick_version.h @ONLY)
add_library(trellwick_version INTERFACE)
target_include_directories(trellwick_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

include(${CMAKE_CURRENT_LIST_DIR}/news.cmake)
list(GET TRELLWICK_RELEASES 0 newest)
if(NOT newest STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "NEWS begins with Trellwick ${newest}, the project is ${PROJECT_VERSION}: "
                        "add the release's entry to NEWS")
endif()
set(TRELLWICK_RELEASE_DATE ${TRELLWICK_RELEASE_${newest}_DATE})

# trellwick_install_gzipped(<file> <destination>): the file compressed as
# Debian compresses documentation (gzip -9n: no name, no time stamp), installed.
function(trellwick_install_gzipped file destination)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip -9nc ${file} > ${file}.gz
        DEPENDS ${file}
        COMMENT "Compressing ${name}")
    add_custom_target(gzip_${name} ALL DEPENDS ${file}.gz)
    install(FILES ${file}.gz DESTINATION ${destination})
endfunction()

# trellwick_man_page(<name>.<section>.in): the manual page with @PROJECT_VERSION@
# and @TRELLWICK_RELEASE_DATE@ filled in, compressed and installed into its
# section. Nothing on Windows, which reads no manual pages.
function(trellwick_man_page source)
    if(WIN32)
        return()
    endif()
    get_filename_component(page ${source} NAME_WLE)
    string(REGEX MATCH "[0-9]$" section ${page})
    configure_file(${source} ${CMAKE_CURRENT_BINARY_DIR}/${page} @ONLY)
    include(GNUInstallDirs)
    trellwick_install_gzipped(${CMAKE_CURRENT_BINARY_DIR}/${page} ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# trellwick_version_resource(<target> <name>.rc.in): on Windows, the version
# resource with this version filled in (@PROJECT_VERSION@ as text and
# @TRELLWICK_VERSION_NUMBERS@ as the four numbers, "1.02" as 1,2,0,0),
# compiled into the target. Nothing elsewhere.
function(trellwick_version_resource target source)
    if(NOT WIN32)
        return()
    endif()
    set(numbers "")
    foreach(part MAJOR MINOR PATCH TWEAK)
        string(REGEX REPLACE "^0+([0-9])" "\\1" number "${PROJECT_VERSION_${part}}")
        if(number STREQUAL "")
            set(number 0)
        endif()
        list(APPEND numbers ${number})
    endforeach()
    list(JOIN numbers "," TRELLWICK_VERSION_NUMBERS)
    get_filename_component(name ${source} NAME_WLE)
    configure_file(${source} ${CMAKE_CURRENT_BINARY_DIR}/${name} @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name})
endfunction()
