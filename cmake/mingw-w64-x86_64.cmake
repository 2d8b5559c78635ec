# Cross-compiles the Windows x64 executable on Linux with MinGW-w64, the
# "posix" threads variant (Debian: g++-mingw-w64-x86-64-posix).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# or the `windows` preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVEL_MINGW_TRIPLE x86_64-w64-mingw32)

# The -posix names are explicit: the unsuffixed ones follow whichever variant
# the update-alternatives system currently points at.
find_program(CMAKE_C_COMPILER NAMES ${QUORVEL_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUORVEL_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUORVEL_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW-w64 sysroot only, never from the
# build machine; programs (the Wine test helpers) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
