# One GoogleTest executable per subfolder: <parent>/<name>/*.cpp (+ *.rc) -> <prefix><name>.exe.
# A folder with a main.cpp provides its own main(); the others get gtest_main.

# vo_add_gtest_folders(<parent dir> <prefix> [RUN_AS_TESTS])
# RUN_AS_TESTS registers each executable with CTest as test <name>, run through Wine with bin/
# as working directory.
function(vo_add_gtest_folders parent prefix)
    cmake_parse_arguments(arg "RUN_AS_TESTS" "" "" ${ARGN})
    if(NOT VO_HAVE_GTEST)
        message(STATUS "No GoogleTest: skipping ${parent}")
        return()
    endif()
    file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${parent}/*)
    foreach(child ${children})
        # A folder with its own CMakeLists.txt is a separate project (such as tests/host).
        if(IS_DIRECTORY ${child} AND NOT EXISTS ${child}/CMakeLists.txt)
            get_filename_component(name ${child} NAME)
            vo_add_gtest_program(${prefix}${name} ${child})
            if(TARGET ${prefix}${name} AND arg_RUN_AS_TESTS)
                vo_register_test(${name} ${prefix}${name})
            endif()
        endif()
    endforeach()
endfunction()

# Builds <target> from the sources of <dir>; does nothing for a folder without .cpp files.
function(vo_add_gtest_program target dir)
    file(GLOB cpp_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT cpp_sources)
        return()
    endif()
    file(GLOB rc_sources CONFIGURE_DEPENDS ${dir}/*.rc)
    add_executable(${target} ${cpp_sources} ${rc_sources})
    target_include_directories(${target} PRIVATE ${dir} ${PROJECT_SOURCE_DIR}/src)
    foreach(library afxlite vo_share vo_lang)
        if(TARGET ${library})
            target_link_libraries(${target} PRIVATE ${library})
        endif()
    endforeach()
    if(NOT EXISTS ${dir}/main.cpp)
        target_link_libraries(${target} PRIVATE gtest_main)
    endif()
    target_link_libraries(${target} PRIVATE gmock gtest ${VO_WIN32_LIBS})
    # Building one test program alone still brings what it needs at run time.
    foreach(dependency vo_runtime vo_data faceanim transfile)
        if(TARGET ${dependency})
            add_dependencies(${target} ${dependency})
        endif()
    endforeach()
endfunction()

function(vo_register_test name target)
    add_test(NAME ${name} COMMAND ${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    set_tests_properties(${name} PROPERTIES
                         TIMEOUT 300
                         ENVIRONMENT "VO_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
