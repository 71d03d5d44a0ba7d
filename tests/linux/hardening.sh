#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the executable for the hardening Debian expects: PIE, full RELRO,
# stack protector and FORTIFY, read from its ELF headers.
# Usage: hardening.sh EXECUTABLE
set -u
elf=$1
failed=0
check() {
    if eval "$2" >/dev/null; then echo "PASS: $1"; else echo "FAIL: $1"; failed=1; fi
}
check "PIE" "readelf -h '$elf' | grep -q 'Type:.*DYN' && readelf -d '$elf' | grep -q 'FLAGS_1.*PIE'"
check "full RELRO" "readelf -lW '$elf' | grep -q GNU_RELRO && readelf -d '$elf' | grep -q BIND_NOW"
check "stack protector" "readelf --dyn-syms -W '$elf' | grep -q '__stack_chk_fail'"
check "FORTIFY" "readelf --dyn-syms -W '$elf' | grep -q '__[a-z]*_chk@'"
exit $failed
