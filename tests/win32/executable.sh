#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a Windows executable as a file: it imports Windows' own DLLs only (the
# C++ runtime is linked in), and carries the version record of VERSION, the
# icon and the manifest; and the portable ZIP, which must hold it and the
# licence and nothing else.
# Usage: executable.sh OBJDUMP EXE VERSION ZIP
set -u
objdump=$1
exe=$2
version=$3
zip=$4
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }

dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
echo "Imports:" $dlls
for dll in $dlls; do
    case $dll in
        kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|uxtheme.dll|ole32.dll|oleaut32.dll|oleacc.dll|msvcrt.dll)
            pass "system DLL $dll" ;;
        *) fail "imports $dll, which is not Windows' own" ;;
    esac
done
[ -n "$dlls" ] || fail "no import table"

# Strings of the version record are UTF-16.
strings=$(strings -a -el "$exe")
for value in "ProductVersion" "$version" "ProductName" "Quillomar"; do
    grep -qx -- "$value" <<<"$strings" && pass "version record has \"$value\"" \
        || fail "version record lacks \"$value\""
done
resources=$("$objdump" -h "$exe" | grep -c '\.rsrc')
[ "$resources" -eq 1 ] && pass "resources" || fail "no resources"
strings -a "$exe" | grep -q 'PerMonitorV2' && pass "manifest: per-monitor DPI aware" \
    || fail "no DPI awareness in the manifest"
strings -a "$exe" | grep -q 'Microsoft.Windows.Common-Controls' && pass "manifest: common controls 6" \
    || fail "no common controls 6 in the manifest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
[ "$(cd "$work" && ls | tr '\n' ' ')" = "LICENSE.txt quillomar.exe " ] \
    && cmp -s "$work/quillomar.exe" "$exe" && pass "$(basename "$zip"): the executable and the licence" \
    || fail "$(basename "$zip") holds: $(ls "$work")"
exit $failed
