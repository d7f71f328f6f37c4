# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and std::mutex need). Used to build Qt for Windows and, chained by Qt's own
# toolchain file, nekotokei.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NEKOTOKEI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NEKOTOKEI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NEKOTOKEI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NEKOTOKEI_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW-w64 tree (and the prefixes added to it),
# programs run at build time from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${NEKOTOKEI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
