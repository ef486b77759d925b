# GoogleTest and GoogleMock built from source with the project's compiler, as static libraries.
# Sets VO_HAVE_GTEST when the targets gtest, gtest_main and gmock exist.

set(VO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree (googletest + googlemock)")

set(VO_HAVE_GTEST OFF)
if(NOT EXISTS ${VO_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(STATUS "GoogleTest sources not found in ${VO_GTEST_SOURCE_DIR}: tests are not built")
    return()
endif()

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
# On MinGW GoogleTest uses Win32 threads and mutexes whatever this says; keeping it ON would
# only let its CMake look for pthreads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${VO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(VO_HAVE_GTEST ON)
