#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An install from the build tree, undone by the README's two commands, leaves
# the prefix as it was: its own folders stay, those the install made go.
# Usage: uninstall.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
saved=$(mktemp -d)
for record in install_manifest.txt install_directories.txt; do
    [ -f "$build/$record" ] && cp "$build/$record" "$saved/"
done
cleanup() {
    rm -f "$build/install_manifest.txt" "$build/install_directories.txt"
    cp "$saved"/* "$build/" 2>/dev/null
    rm -rf "$prefix" "$saved"
}
trap cleanup EXIT
rm -f "$build/install_directories.txt"

mkdir -p "$prefix/bin" "$prefix/share/man"
before=$(cd "$prefix" && find . | sort)
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
[ -x "$prefix/bin/quillomar" ] || { echo "FAIL: nothing installed"; exit 1; }
(cd "$build" && xargs -rd '\n' rm -f < install_manifest.txt && xargs -rd '\n' rmdir < install_directories.txt) \
    || { echo "FAIL: the uninstall commands failed"; exit 1; }
after=$(cd "$prefix" && find . | sort)
if [ "$after" != "$before" ]; then
    echo "FAIL: the prefix differs after uninstalling:"; diff <(echo "$before") <(echo "$after"); exit 1
fi
echo "PASS: install and uninstall leave the prefix as it was"
