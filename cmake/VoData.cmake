# Runtime data trees: folders of the source tree whose contents the programs find beside them.

# vo_add_data_tree(<target> SOURCE <dir> [DESTINATION <subdir of bin>])
# Adds target <target> (part of ALL) that copies the files below SOURCE into
# ${CMAKE_BINARY_DIR}/bin[/DESTINATION] whenever one of them changes or a file is added, and
# installs them to bin[/DESTINATION].
function(vo_add_data_tree target)
    cmake_parse_arguments(arg "" "SOURCE;DESTINATION" "" ${ARGN})
    if(NOT IS_DIRECTORY "${arg_SOURCE}")
        message(STATUS "${target}: no ${arg_SOURCE}, nothing to copy")
        return()
    endif()
    set(dest ${CMAKE_BINARY_DIR}/bin)
    set(install_dest bin)
    if(arg_DESTINATION)
        string(APPEND dest /${arg_DESTINATION})
        string(APPEND install_dest /${arg_DESTINATION})
    endif()
    file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${arg_SOURCE}/*")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
    add_custom_command(OUTPUT ${stamp}
                       COMMAND ${CMAKE_COMMAND} -E copy_directory ${arg_SOURCE} ${dest}
                       COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                       DEPENDS ${files}
                       COMMENT "Copying data tree ${arg_SOURCE} to ${dest}")
    add_custom_target(${target} ALL DEPENDS ${stamp})
    install(DIRECTORY ${arg_SOURCE}/ DESTINATION ${install_dest})
endfunction()
