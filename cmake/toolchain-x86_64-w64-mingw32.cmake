# Cross-compiles for 64-bit Windows with MinGW-w64. Used to check that the code builds for
# x86-64; the tests run only on the 32-bit build (the Wine prefix is 32-bit).
set(VO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
