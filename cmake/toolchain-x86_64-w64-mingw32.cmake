# Cross-compiles for 64-bit Windows with MinGW-w64. Used to check that the code builds for
# x86-64, and to build and test on machines that cannot run 32-bit programs (scripts pick it
# there and run the tests under 64-bit Wine).
set(VO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
