# Run by cpack on the finished Debian package: each member of its ar archive gets the mode 0644, as
# dpkg-deb gives them, instead of the one cpack's files on disk took from the builder's umask.
# The members' headers are plain text at known places; dd rewrites the mode field where it stands.
set(mode_text "${CPACK_TOPLEVEL_DIRECTORY}/ar_member_mode")
file(WRITE "${mode_text}" "100644  ")  # the header's 8 characters: octal, padded with spaces
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    file(READ "${deb}" magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${deb} is not an ar archive")
    endif()
    file(SIZE "${deb}" deb_size)
    set(header 8)
    while(header LESS deb_size)
        # A 60-byte header: name 16, date 12, owner 6, group 6, mode 8, size 10, then "`\n".
        math(EXPR mode_at "${header} + 40")
        math(EXPR size_at "${header} + 48")
        math(EXPR end_at "${header} + 58")
        file(READ "${deb}" size LIMIT 10 OFFSET ${size_at})
        file(READ "${deb}" end LIMIT 2 OFFSET ${end_at})
        string(STRIP "${size}" size)
        if(NOT end STREQUAL "`\n" OR NOT size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb}: no ar member header at byte ${header}")
        endif()
        execute_process(COMMAND dd "if=${mode_text}" "of=${deb}" bs=1 seek=${mode_at} conv=notrunc status=none
                        COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header "${header} + 60 + ${size} + ${size} % 2")  # members start at even bytes
    endwhile()
endforeach()
