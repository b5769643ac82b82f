# trellwick_library(<folder> SOURCES ... [PUBLIC <library> ...] [PRIVATE <library> ...])
#
# The library of one folder, trellwick_<folder>. The folders are added from the
# bottom up, so a library may use only those already made: naming one that is
# not yet there (a folder above, or beside it later in the list) is refused.
# Its headers are exported as <folder>/..., and only its own: a user of it
# sees the headers of the folders it links, and of their PUBLIC libraries.
function(trellwick_library folder)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    set(name trellwick_${folder})
    foreach(used IN LISTS ARG_PUBLIC ARG_PRIVATE)
        if(used MATCHES "^trellwick_" AND NOT TARGET ${used})
            message(FATAL_ERROR "${folder}/ uses ${used}, which is not a folder below it")
        endif()
    endforeach()
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})

    # A directory that holds only a link to this folder; where the system
    # makes no symbolic links, the whole tree (the layers then go unchecked).
    set(exported ${CMAKE_BINARY_DIR}/exported/${folder})
    file(MAKE_DIRECTORY ${exported})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${exported}/${folder} SYMBOLIC
         RESULT link_error)
    if(link_error)
        set(exported ${PROJECT_SOURCE_DIR})
    endif()
    target_include_directories(${name} PUBLIC ${exported})
endfunction()
