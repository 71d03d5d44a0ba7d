# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for 32-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-i686-posix). Debian's Wine runs 64-bit programs only (32-bit
# ones need the i386 architecture and wine32), so this build is not tested
# under Wine; its executable is checked as a file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
