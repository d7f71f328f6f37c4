# nekotokei_add_windows_resource(<target>): gives a Windows executable the program icon
# (every size of assets/icon/, packed into one .ico by ImageMagick) and its version
# information, as Explorer and the file's properties show them.
function(nekotokei_add_windows_resource target)
    find_program(NEKOTOKEI_CONVERT convert REQUIRED)
    file(GLOB icons ${PROJECT_SOURCE_DIR}/assets/icon/icon*.png)
    list(SORT icons COMPARE NATURAL)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${NEKOTOKEI_CONVERT} ${icons} ${icon}
        DEPENDS ${icons}
        COMMENT "Packing the program icon"
        VERBATIM
    )
    set(NEKOTOKEI_ICON ${icon})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/nekotokei.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
