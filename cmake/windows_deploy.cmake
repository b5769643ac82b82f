# trellwick_deploy_windows(<target>): what the installed programs need beside
# them on Windows, so that the installed folder (and the ZIP made of it) runs
# as it is. Where Qt has windeployqt, Qt's deploy script runs it for the
# window program. A Qt cross-built for Windows has none: then Qt's libraries,
# the plugins that the window uses (the windows platform, the Windows style,
# the GIF and ICO readers) and the MinGW runtime that both programs use are
# installed by name.
include(GNUInstallDirs)
function(trellwick_deploy_windows target)
    find_program(TRELLWICK_WINDEPLOYQT windeployqt HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
    if(TARGET Qt6::windeployqt OR TRELLWICK_WINDEPLOYQT)
        if(Qt6_VERSION VERSION_LESS 6.5)
            qt_generate_deploy_app_script(TARGET ${target} FILENAME_VARIABLE deploy_script
                                          NO_UNSUPPORTED_PLATFORM_ERROR)
        else()
            qt_generate_deploy_app_script(TARGET ${target} OUTPUT_SCRIPT deploy_script
                                          NO_UNSUPPORTED_PLATFORM_ERROR)
        endif()
        install(SCRIPT ${deploy_script})
        include(InstallRequiredSystemLibraries)
        return()
    endif()

    set(bin ${CMAKE_INSTALL_BINDIR})
    foreach(module Core Gui Widgets)
        install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${bin})
    endforeach()
    foreach(plugin platforms/QWindowsIntegrationPlugin styles/QWindowsVistaStylePlugin
                   imageformats/QGifPlugin imageformats/QICOPlugin)
        get_filename_component(folder ${plugin} DIRECTORY)
        get_filename_component(name ${plugin} NAME)
        install(FILES $<TARGET_FILE:Qt6::${name}> DESTINATION ${bin}/${folder})
    endforeach()
    if(MINGW)
        foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                            OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${file}")
                message(FATAL_ERROR "The compiler ${CMAKE_CXX_COMPILER} has no ${library} to "
                                    "install beside the programs")
            endif()
            # Debian's runtime keeps its debugging sections, 22 MB of
            # libstdc++-6.dll alone; the installed copy goes without them and
            # without the symbols that nothing links against.
            get_filename_component(file ${file} REALPATH)
            file(COPY ${file} DESTINATION ${CMAKE_BINARY_DIR}/runtime)
            if(CMAKE_STRIP)
                execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                                        ${CMAKE_BINARY_DIR}/runtime/${library} COMMAND_ERROR_IS_FATAL ANY)
            endif()
            install(FILES ${CMAKE_BINARY_DIR}/runtime/${library} DESTINATION ${bin})
        endforeach()
    endif()
endfunction()
