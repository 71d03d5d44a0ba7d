# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows Installer package with wixl, the same bytes from every
# build of the same files:
#   cmake -DWIXL=... -DMSIBUILD=... -DMSIINFO=... -DFAKETIME=... -DARCH=x64|x86 -DVERSION=1.04
#         -DEPOCH=SECONDS -DSTAGE=DIR -DOUTPUT=FILE.msi -P msi.cmake
# STAGE holds quillomar.wxs and the files it names. wixl stamps the package
# with the time it runs and the cabinet with the files' times, in local time,
# and gives the package a random code: here it runs at EPOCH, in UTC, on
# copies dated EPOCH, and the package code is then set to one that follows
# from the package's contents. The product code follows from the version and
# the architecture, so that a rebuild is the same product.
cmake_minimum_required(VERSION 3.25)

foreach(name WIXL MSIBUILD MSIINFO FAKETIME ARCH VERSION EPOCH STAGE OUTPUT)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "msi.cmake: -D${name}=... is missing")
    endif()
endforeach()

# The namespace of the codes derived here: never change it.
set(namespace 5E0C8B8E-3C1B-4D6A-9F7E-2A4D1C0B9E37)
string(UUID product_code NAMESPACE ${namespace} NAME "product ${ARCH} ${VERSION}" TYPE SHA1 UPPER)

set(work ${OUTPUT}.files)
file(REMOVE_RECURSE ${work})
file(GLOB files ${STAGE}/*)
file(COPY ${files} DESTINATION ${work})
file(GLOB files ${work}/*)
execute_process(COMMAND touch -d @${EPOCH} ${files} COMMAND_ERROR_IS_FATAL ANY)

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP time "%Y-%m-%d %H:%M:%S" UTC)
set(at ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "${time}")
execute_process(
    COMMAND ${at} ${WIXL} --arch ${ARCH} -D Arch=${ARCH} -D Version=${VERSION}
            -D ProductCode=${product_code} -D Exe=quillomar.exe -D Licence=LICENSE.txt
            -D Icon=quillomar.ico -o ${OUTPUT}.new quillomar.wxs
    WORKING_DIRECTORY ${work}
    COMMAND_ERROR_IS_FATAL ANY)

# The package code: zeros first, then one that follows from what they gave.
# msibuild sets three more fields of the summary with it: as wixl wrote them.
execute_process(COMMAND ${MSIINFO} suminfo ${OUTPUT}.new OUTPUT_VARIABLE summary
    COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
    string(REGEX MATCH "\n${field}: ([^\n]*)" found "\n${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
function(set_package_code code)
    execute_process(
        COMMAND ${at} ${MSIBUILD} ${OUTPUT}.new -s "${Subject}" "${Author}" "${Template}" {${code}}
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_package_code(00000000-0000-0000-0000-000000000000)
file(SHA256 ${OUTPUT}.new contents)
string(UUID package_code NAMESPACE ${namespace} NAME "package ${contents}" TYPE SHA1 UPPER)
set_package_code(${package_code})

file(RENAME ${OUTPUT}.new ${OUTPUT})
file(REMOVE_RECURSE ${work})
