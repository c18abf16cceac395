# Run by cpack on the staged package: the executable loses its .comment section, the compilers'
# version notes that Debian's own packaging strips (the C runtime's objects bring one even when
# the game's own code is compiled without it). CPACK_STRIP_FILES has already stripped the rest.
file(GLOB_RECURSE executables "${CPACK_TEMPORARY_DIRECTORY}/uragae")
list(FILTER executables INCLUDE REGEX "/games/uragae$")
if(NOT executables)
    message(FATAL_ERROR "no games/uragae under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(executable IN LISTS executables)
    execute_process(COMMAND "${URAGAE_STRIP}" --remove-section=.comment "${executable}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
