#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine with the screen at DPI dots per inch (144
# is a 150 % screen), then puts 96 back. Run inside tools/with-wine, alone.
# Usage: at_dpi.sh DPI PROGRAM [ARG...]
set -u
dpi=$1
shift
# Wine 10 reads the DPI when its server starts: restart the server, and its
# services, after the change. Away from the caller's output, which those
# would hold open.
set_dpi() {
    wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
    wineserver -k
    wineserver -w
    wineserver -p
    wine64 wineboot
} </dev/null >/dev/null 2>&1
set_dpi "$dpi"
wine64 "$@"
status=$?
set_dpi 96
exit $status
