# Cross build for 64-bit Windows with Debian's mingw-w64, posix thread model (std::thread
# and friends through winpthreads, linked in statically).
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
#
# Libraries built for the target (libjpeg-turbo, GoogleTest) live outside the compiler's
# own tree: name their install folders in CMAKE_FIND_ROOT_PATH on the command line and
# they are searched besides it, and nothing is ever taken from the host's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KLARVON_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KLARVON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLARVON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KLARVON_MINGW_TRIPLE}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KLARVON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
