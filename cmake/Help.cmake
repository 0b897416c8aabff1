# The help file "Solvanta.chm", compiled from help/ with chmcmd (Debian's fp-utils) into
# `output`, and a target `help_file` that builds it.
function(solvanta_help_file output)
    file(GLOB help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
    add_custom_command(
        OUTPUT ${output}
        COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${CMAKE_SOURCE_DIR}/help
                ${CMAKE_BINARY_DIR}/help-work ${output}
        DEPENDS ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${help_sources}
        COMMENT "Compiling the help file"
        VERBATIM)
    add_custom_target(help_file ALL DEPENDS ${output})
endfunction()
