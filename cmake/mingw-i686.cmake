# Cross build for 32-bit Windows with Debian's mingw-w64 toolchain. The
# posix thread model serves both the launcher (which uses no threads) and
# the GoogleTest programs that run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(QUENFOLD_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUENFOLD_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENFOLD_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENFOLD_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENFOLD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
