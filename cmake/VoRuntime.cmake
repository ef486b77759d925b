# Copies the MinGW runtime DLLs (libstdc++, libgcc, winpthreads) beside the executables and
# installs them with the program.

function(vo_find_runtime_dll name out_var)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        find_file(path_${name} ${name} PATH_SUFFIXES bin lib NO_CACHE)
        set(path "${path_${name}}")
    endif()
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "Runtime DLL ${name} not found next to ${CMAKE_CXX_COMPILER}")
    endif()
    get_filename_component(path "${path}" REALPATH)
    set(${out_var} "${path}" PARENT_SCOPE)
endfunction()

# Adds target vo_runtime (part of ALL) that keeps the runtime DLLs in ${dest_dir} up to date.
function(vo_copy_runtime_dlls dest_dir)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(libgcc libgcc_s_seh-1.dll)
    else()
        set(libgcc libgcc_s_dw2-1.dll)
    endif()
    set(outputs)
    set(sources)
    foreach(name libstdc++-6.dll ${libgcc} libwinpthread-1.dll)
        vo_find_runtime_dll(${name} source)
        add_custom_command(OUTPUT ${dest_dir}/${name}
                           COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${dest_dir}/${name}
                           DEPENDS ${source}
                           COMMENT "Copying ${name}")
        list(APPEND outputs ${dest_dir}/${name})
        list(APPEND sources ${source})
    endforeach()
    add_custom_target(vo_runtime ALL DEPENDS ${outputs})
    install(FILES ${sources} DESTINATION bin)
endfunction()
