# The Windows edition's files, which scripts/package-windows strips and packs, in three
# install components:
#   program: nekotokei.exe; README.txt (where to start, where the settings live, how to
#     remove it) and LICENSE.txt; the Qt and MinGW runtime DLLs, platforms/qwindows.dll,
#     styles/qwindowsvistastyle.dll (the desktop's look for message boxes, menus and the
#     file and colour dialogs), translations/qtbase_ja.qm (Qt's own dialogs in Japanese),
#     qt.conf (the folder is Qt's prefix); licences/, the notice of every bundled DLL
#   portable (the zip): the six settings files and guide/ beside the executable, so that
#     a copy keeps its settings in its own folder
#   installed (the MSI): the same in data\, so that the settings live in %APPDATA%, which
#     an upgrade and an uninstall leave alone
install(TARGETS nekotokei RUNTIME DESTINATION . COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/README.txt DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION . COMPONENT program)
install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_ja.qm
        DESTINATION translations COMPONENT program)

file(GLOB default_settings ${PROJECT_SOURCE_DIR}/data/*.zdt)
set(layouts portable installed)
set(layout_folders . ${NEKOTOKEI_DATA_FROM_EXECUTABLE})
foreach(component folder IN ZIP_LISTS layouts layout_folders)
    install(FILES ${default_settings} DESTINATION ${folder} COMPONENT ${component})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/guide DESTINATION ${folder} COMPONENT ${component})
endforeach()

# nekotokei_bundle(NOTICE <name> [TARGETS <imported Qt target> <folder>...]
#                  [RUNTIMES <MinGW DLL>...] TEXTS <licence file>...)
# Ships DLLs with licences/<name>.txt: packaging/windows/notices/<name>.txt (configured),
# a line naming every DLL it covers, and the licence texts.
function(nekotokei_bundle)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NOTICE" "TARGETS;RUNTIMES;TEXTS")
    set(covered)
    set(pairs ${arg_TARGETS})
    while(pairs)
        list(POP_FRONT pairs target folder)
        get_target_property(location ${target} IMPORTED_LOCATION_RELEASE)
        get_filename_component(name ${location} NAME)
        install(FILES ${location} DESTINATION ${folder} COMPONENT program)
        list(APPEND covered ${name})
    endwhile()
    foreach(runtime IN LISTS arg_RUNTIMES)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
        endif()
        install(FILES ${path} DESTINATION . COMPONENT program)
        list(APPEND covered ${runtime})
    endforeach()

    file(READ ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/notices/${arg_NOTICE}.txt intro)
    string(CONFIGURE "${intro}" intro @ONLY)
    list(JOIN covered " " covered)
    set(notice ${CMAKE_CURRENT_BINARY_DIR}/licences/${arg_NOTICE}.txt)
    file(WRITE ${notice} "${intro}\n対象のファイル: ${covered}\n")
    foreach(text IN LISTS arg_TEXTS)
        file(READ ${text} content)
        file(APPEND ${notice} "\n\n==== ${text} ====\n\n${content}")
    endforeach()
    install(FILES ${notice} DESTINATION licences COMPONENT program)
endfunction()

function(debian_version package variable)
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${package}
                    OUTPUT_VARIABLE version RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The Debian package ${package} is not installed")
    endif()
    set(${variable} ${version} PARENT_SCOPE)
endfunction()
debian_version(qt6-base-dev QT_DEBIAN_VERSION)
debian_version(mingw-w64-x86-64-dev MINGW_DEBIAN_VERSION)
debian_version(gcc-mingw-w64-x86-64-posix-runtime GCC_DEBIAN_VERSION)

nekotokei_bundle(NOTICE Qt
    TARGETS Qt6::Core . Qt6::Gui . Qt6::Widgets . Qt6::Network .
            Qt6::QWindowsIntegrationPlugin platforms Qt6::QWindowsVistaStylePlugin styles
    TEXTS /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
          /usr/share/doc/libqt6core6/copyright)
nekotokei_bundle(NOTICE MinGW-w64
    RUNTIMES libwinpthread-1.dll
    TEXTS /usr/share/doc/mingw-w64-x86-64-dev/copyright)
nekotokei_bundle(NOTICE GCC
    RUNTIMES libstdc++-6.dll libgcc_s_seh-1.dll
    TEXTS /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright /usr/share/common-licenses/GPL-3)
