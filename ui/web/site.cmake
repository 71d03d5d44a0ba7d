# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the site folder and its zip, the same bytes from every build:
#   cmake -DSITE=DIR -DZIP=FILE -DPAGE=quillomar_page -DNAME=Quillomar
#         -DFILES=a;b;... -DWORKER=sw.js.in -DEPOCH=SECONDS
#         -DSTRIP_NONDETERMINISM=... -P site.cmake
# FILES are copied in beside the page the page writer writes, and the
# service worker is written for them all (worker.cmake). Every file is dated
# EPOCH and readable by all, whatever the builder's umask.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
execute_process(COMMAND ${PAGE} ${SITE} ${NAME} COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${FILES} DESTINATION ${SITE} NO_SOURCE_PERMISSIONS)

include(${CMAKE_CURRENT_LIST_DIR}/worker.cmake)
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(SORT names)

file(CHMOD ${SITE} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
list(TRANSFORM names PREPEND ${SITE}/ OUTPUT_VARIABLE paths)
file(CHMOD ${paths} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
execute_process(COMMAND touch -d @${EPOCH} ${paths} ${SITE} COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip -- ${names}
    WORKING_DIRECTORY ${SITE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${STRIP_NONDETERMINISM} --type zip --timestamp ${EPOCH} ${ZIP}
    COMMAND_ERROR_IS_FATAL ANY)
