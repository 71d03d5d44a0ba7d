# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Ties the site in SITE together as one release, after every file but the
# service worker is there; site.cmake includes it, and the tests run it alone:
#   cmake -DSITE=DIR -DWORKER=sw.js.in -P worker.cmake
# index.html names its style sheet and script with a digest of the other
# files in their query: a browser that kept the last release's in memory
# (Firefox keeps style sheets across reloads) cannot take them for this
# release's. Then sw.js is written from WORKER: it caches every file, in a
# cache named after a digest of them all, so that any change of the site
# reaches an installed page, version bump or not.

function(digest result)
    set(digests "")
    foreach(name IN LISTS ARGN)
        file(SHA256 ${SITE}/${name} digest)
        string(APPEND digests "${digest}  ${name}\n")
    endforeach()
    string(SHA256 digest "${digests}")
    string(SUBSTRING ${digest} 0 16 digest)
    set(${result} ${digest} PARENT_SCOPE)
endfunction()

file(REMOVE ${SITE}/sw.js)
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(SORT names)

set(others ${names})
list(REMOVE_ITEM others index.html)
digest(key ${others})
file(READ ${SITE}/index.html page)
string(REGEX REPLACE "(\"quillomar\\.(css|js))(\\?v=[0-9a-f]*)?\"" "\\1?v=${key}\"" keyed "${page}")
if(keyed STREQUAL page AND NOT page MATCHES "\\?v=${key}\"")
    message(FATAL_ERROR "worker.cmake: index.html names no quillomar.css or quillomar.js")
endif()
file(WRITE ${SITE}/index.html "${keyed}")

digest(QUILLOMAR_SITE_DIGEST ${names})
# Every file, and the folder itself, which is index.html.
list(TRANSFORM names PREPEND "'" OUTPUT_VARIABLE quoted)
list(TRANSFORM quoted APPEND "'")
list(PREPEND quoted "'./'")
list(JOIN quoted ", " QUILLOMAR_SITE_FILES)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
