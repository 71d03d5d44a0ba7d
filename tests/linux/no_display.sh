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
    local expected=$1; shift
    err=$( (ulimit -c 0; "$@" env LC_ALL=C "$program") 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] \
            && [[ "$err" == "quillomar: no display available ("*"$expected"*")" ]]; then
        echo "PASS: $what: $err"
    else
        echo "FAIL: $what: exit status $status, stderr:"; printf '%s\n' "$err"; failed=1
    fi
}
check "no DISPLAY" "DISPLAY is not set" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
check "DISPLAY that refuses" "cannot connect to DISPLAY=:4093" \
    env -u WAYLAND_DISPLAY DISPLAY=:4093 QT_QPA_PLATFORM=xcb
# A Wayland session: the line names what is wrong there, the compositor or
# the missing platform plugin, whichever this machine has.
if ls /usr/lib/*/qt6/plugins/platforms/libqwayland* >/dev/null 2>&1; then
    wayland="cannot connect to WAYLAND_DISPLAY=quillomar-none"
else
    wayland="install qt6-wayland"
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
check "Wayland session" "$wayland" env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY=quillomar-none XDG_SESSION_TYPE=wayland
exit $failed
