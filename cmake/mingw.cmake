# Cross-compiles with MinGW-w64 (posix threads, which GoogleTest needs for std::mutex). The launcher ships
# as a 32-bit Windows program (SKV_WINDOWS_ARCH i686, the default); x86_64 builds the same sources for
# 64-bit Windows, only to time them on a machine whose kernel runs no 32-bit code (scripts/bench), where
# emulating 32-bit code would distort every timing. Windows test programs run through Wine; the bench
# (scripts/wine-bench) sets WINEPREFIX and DISPLAY, and puts a "wine" on the PATH that runs 64-bit
# programs where needed.
if(NOT SKV_WINDOWS_ARCH)
    set(SKV_WINDOWS_ARCH i686)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SKV_WINDOWS_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SKV_WINDOWS_ARCH})

set(CMAKE_C_COMPILER ${SKV_WINDOWS_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${SKV_WINDOWS_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${SKV_WINDOWS_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SKV_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
