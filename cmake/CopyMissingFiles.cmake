# Copies the settings and alarm files of SOURCE_DIR into TARGET_DIR unless TARGET_DIR
# already has them.
file(GLOB files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.zdt)
foreach(file IN LISTS files)
    if(NOT EXISTS ${TARGET_DIR}/${file})
        get_filename_component(folder ${TARGET_DIR}/${file} DIRECTORY)
        file(COPY ${SOURCE_DIR}/${file} DESTINATION ${folder})
    endif()
endforeach()
