# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The same bytes from every build of one commit, wherever and whenever it is
# built. Where an artefact records a time, it records QUILLOMAR_SOURCE_DATE_EPOCH:
# SOURCE_DATE_EPOCH when it is given, as Debian's builders give it, or else
# the last commit's time (failing a clone, the changelog's).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(QUILLOMAR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    # Another user's clone is refused unless it is declared safe.
    execute_process(COMMAND git -c safe.directory=* log -1 --format=%ct
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE QUILLOMAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE git_failed ERROR_QUIET)
    if(git_failed OR NOT QUILLOMAR_SOURCE_DATE_EPOCH)
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/dist/changelog QUILLOMAR_SOURCE_DATE_EPOCH %s UTC)
    endif()
endif()
if(NOT QUILLOMAR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not '${QUILLOMAR_SOURCE_DATE_EPOCH}'")
endif()

# The linkers that record a time (MinGW's, in the PE header) take it from the
# environment.
foreach(language C CXX)
    set(CMAKE_${language}_LINKER_LAUNCHER
        ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUILLOMAR_SOURCE_DATE_EPOCH})
endforeach()

# So does CPack, for every file of the Debian package.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/cpack_project.cmake CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} @QUILLOMAR_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack_project.cmake)
