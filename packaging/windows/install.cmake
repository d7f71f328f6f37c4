# The portable Windows folder, which scripts/package-windows strips and zips:
#   nekotokei.exe with the six settings files and guide/ beside it: a copy keeps its
#   settings in its own folder; LICENSE, the terms it comes under
#   the Qt and MinGW runtime DLLs, platforms/qwindows.dll, styles/qwindowsvistastyle.dll
#   (the desktop's look for message boxes, menus and the file and colour dialogs)
#   translations/qtbase_ja.qm (Qt's own dialogs in Japanese) and qt.conf, which makes the
#   folder Qt's prefix
install(TARGETS nekotokei RUNTIME DESTINATION .)
file(GLOB default_settings ${PROJECT_SOURCE_DIR}/data/*.zdt)
install(FILES ${default_settings} DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/guide DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Network RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)

foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()

install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_ja.qm DESTINATION translations)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)
