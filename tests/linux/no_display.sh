#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a usable display the program says so in one line and exits with
# status 1: no abort, no core dump. Tries no DISPLAY and a DISPLAY nobody
# serves, in the C locale, whose character set Qt would warn about.
# Usage: no_display.sh PROGRAM
set -u
program=$1
failed=0
check() {
    local what=$1; shift
    local err status
    err=$( (ulimit -c 0; "$@" env LC_ALL=C QT_QPA_PLATFORM=xcb "$program") 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] \
            && [[ "$err" == *"no display available"* ]]; then
        echo "PASS: $what: $err"
    else
        echo "FAIL: $what: exit status $status, stderr:"; printf '%s\n' "$err"; failed=1
    fi
}
check "no DISPLAY" env -u DISPLAY -u WAYLAND_DISPLAY
check "DISPLAY that refuses" env -u WAYLAND_DISPLAY DISPLAY=:4093
exit $failed
