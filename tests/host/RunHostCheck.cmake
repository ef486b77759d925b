# Installs the build into <build>/host-install, builds tests/host against that installation
# alone (into <build>/host-build) and runs the host program from the installation's bin folder.
#     cmake -DVO_SOURCE_DIR=<repo> -DVO_BUILD_DIR=<build> [-DVO_TOOLCHAIN_FILE=<file>] -P RunHostCheck.cmake
foreach(variable VO_SOURCE_DIR VO_BUILD_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

set(prefix ${VO_BUILD_DIR}/host-install)
set(host_build ${VO_BUILD_DIR}/host-build)

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result})")
    endif()
endfunction()

run_step("Installing" ${CMAKE_COMMAND} --install ${VO_BUILD_DIR} --prefix ${prefix})
if(NOT EXISTS ${host_build}/CMakeCache.txt)
    set(toolchain)
    if(VO_TOOLCHAIN_FILE)
        set(toolchain -DCMAKE_TOOLCHAIN_FILE=${VO_TOOLCHAIN_FILE})
    endif()
    run_step("Configuring the host" ${CMAKE_COMMAND} -S ${VO_SOURCE_DIR}/tests/host -B ${host_build}
             -G Ninja -DCMAKE_BUILD_TYPE=Debug ${toolchain} -DVO_INSTALL_DIR=${prefix})
endif()
run_step("Building the host" ${CMAKE_COMMAND} --build ${host_build})
file(COPY ${host_build}/vo_host_check.exe DESTINATION ${prefix}/bin)
execute_process(COMMAND ${VO_SOURCE_DIR}/scripts/wine-run ${prefix}/bin/vo_host_check.exe
                WORKING_DIRECTORY ${prefix}/bin RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The host check failed (${result})")
endif()
