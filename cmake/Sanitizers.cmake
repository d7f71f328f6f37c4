# NEKOTOKEI_SANITIZE: every target built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any finding ends the program, so a test with one fails.
# NEKOTOKEI_BUILD_FUZZ: libFuzzer targets of the file readers (clang, with the sanitizers).
option(NEKOTOKEI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(NEKOTOKEI_BUILD_FUZZ "Build the fuzz targets of the file readers (clang only)" OFF)

if(NEKOTOKEI_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(NEKOTOKEI_BUILD_FUZZ AND NOT (NEKOTOKEI_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
    message(FATAL_ERROR "The fuzz targets need clang and NEKOTOKEI_SANITIZE=ON")
endif()
