#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Installer package under Wine, rolled out as a school would
# (msiexec /qn): it installs the program and the licence to Program Files,
# a Start-menu shortcut to a program that starts and closes with status 0, and
# an Apps & features entry with name, version, publisher, icon and folder; a
# rebuild of it installed again leaves one entry; a later version replaces it;
# uninstalling leaves no file. Run inside tools/with-wine, alone. STAGE is the
# directory the package was made in; MAKE_MSI makes more packages of it.
# Usage: installer.sh MSI STAGE VERSION MAKE_MSI
set -u
msi=$1
stage=$2
version=$3
make_msi=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Quillomar"
# msiexec would read a Unix path's slashes as switches: give it the name only.
msiexec() { (cd "$(dirname "$1")" && wine64 msiexec "$2" "$(basename "$1")" /qn); }
entries() {
    wine64 reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null \
        | tr -d '\r' | grep -B1 -A30 'DisplayName *REG_SZ *Quillomar$'
}
shortcut() { find "$drive" -name Quillomar.lnk 2>/dev/null; }
# Whether the program's window shows on the X server while process $1 lives.
window_timeout=30
window_appears() {
    for _ in $(seq $((window_timeout * 10))); do
        kill -0 "$1" 2>/dev/null || return 1
        xwininfo -root -tree 2>/dev/null | grep -q '"www.prikazki.example   Quillomar"' && return 0
        sleep 0.1
    done
    return 1
}

msiexec "$msi" /i && pass "msiexec /i $(basename "$msi")" || fail "msiexec /i"
for file in quillomar.exe LICENSE.txt; do
    cmp -s "$stage/$file" "$folder/$file" && pass "installed Program Files\\Quillomar\\$file" \
        || fail "no Program Files\\Quillomar\\$file"
done
entry=$(entries)
for value in "DisplayVersion *REG_SZ *$version$" "Publisher *REG_SZ *Quillomar developers$" \
    'InstallLocation *REG_SZ *C:\\Program Files\\Quillomar\\$'; do
    grep -q "$value" <<<"$entry" && pass "Apps & features: $value" || fail "Apps & features lacks $value"
done
find "$drive/windows/Installer" -name quillomar.ico | grep -q . && pass "Apps & features icon" \
    || fail "no icon kept for Apps & features"

# Wine puts a per-machine shortcut in the user's Start menu; Windows in the
# one for all users. Either way it names the installed program.
link=$(shortcut)
if [ -n "$link" ] && { strings -a "$link"; strings -a -el "$link"; } | grep -qi 'Program Files\\Quillomar\\quillomar.exe'; then
    pass "Start-menu shortcut to Program Files\\Quillomar\\quillomar.exe"
    # Wine's own errors go to the log too, to say why if it ends early.
    WINEDEBUG=err+all,fixme-all wine64 'C:\Program Files\Quillomar\quillomar.exe' \
        >"$work/program.log" 2>&1 &
    program=$!
    if window_appears $program; then
        pass "the program's window appears"
        wine64 taskkill /IM quillomar.exe >/dev/null 2>&1 # asks its window to close
        wait $program
        status=$?
        [ $status -eq 0 ] && pass "the program starts and closes with status 0" \
            || fail "the program ended with status $status"
    elif kill -0 $program 2>/dev/null; then
        fail "no window within ${window_timeout}s; the program still runs"
        kill $program
        wait $program
    else
        wait $program
        fail "the program ended with status $? before its window appeared; it wrote:"
        cat "$work/program.log"
    fi
else
    fail "no Start-menu shortcut to the program"
fi

# A rebuild is the same package: installed again, it repairs the copy there
# and is still one entry.
sh "$make_msi" "$version" "$work/rebuild.msi" || fail "make-msi $version"
cmp -s "$msi" "$work/rebuild.msi" && pass "a rebuild is the same bytes" || fail "a rebuild differs"
rm -f "$folder/LICENSE.txt"
msiexec "$work/rebuild.msi" /i && pass "msiexec /i the rebuild" || fail "msiexec /i the rebuild"
[ "$(entries | grep -c DisplayName)" -eq 1 ] && pass "one entry in Apps & features" \
    || fail "the rebuild installed beside $version"
cmp -s "$stage/LICENSE.txt" "$folder/LICENSE.txt" && pass "the lost licence is back" \
    || fail "installing again did not repair"

# A later version of the same package replaces this one.
sh "$make_msi" 99.0 "$work/quillomar-99.0.msi" || fail "make-msi 99.0"
msiexec "$work/quillomar-99.0.msi" /i && pass "msiexec /i quillomar-99.0.msi" || fail "upgrade"
entry=$(entries)
[ "$(grep -c 'DisplayName' <<<"$entry")" -eq 1 ] && grep -q 'DisplayVersion *REG_SZ *99.0$' <<<"$entry" \
    && pass "99.0 replaced $version in Apps & features" || fail "99.0 installed beside $version"

msiexec "$work/quillomar-99.0.msi" /x && pass "msiexec /x" || fail "msiexec /x"
[ ! -e "$folder" ] && pass "Program Files\\Quillomar removed" || fail "left: $(ls "$folder")"
[ -z "$(shortcut)" ] && pass "shortcut removed" || fail "shortcut left"
[ -z "$(entries)" ] && pass "Apps & features entry removed" || fail "Apps & features entry left"
exit $failed
