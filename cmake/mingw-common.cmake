# Shared part of the MinGW-w64 toolchain files. The including file sets VO_MINGW_TRIPLET
# (i686-w64-mingw32 or x86_64-w64-mingw32) first. Compiler settings that also hold for a
# native MinGW build (Unicode, C++17, runtime DLLs) live in cmake/VoWindows.cmake.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

# The -posix compilers: std::thread, std::mutex and friends work (winpthreads).
set(CMAKE_C_COMPILER   ${VO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${VO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test and demo executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
