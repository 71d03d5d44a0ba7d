#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build, unpacks it and checks its
# dependencies, its files, the desktop entry and AppStream data, that the
# packaged executable finds all its shared libraries, searches no private
# path and keeps its hardening, and that lintian finds nothing to say.
# Usage: package.sh BUILD_DIR SOURCE_DIR VERSION
set -u
build=$1
source=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; exit 1; }
deb=$(ls "$work"/quillomar_"$version"_*.deb 2>/dev/null)
[ -n "$deb" ] || { fail "no quillomar_${version}_*.deb built"; ls "$work"; exit 1; }
pass "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] && pass "depends on $needed" || fail "does not depend on $needed"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in qt6-translations-l10n qt6-wayland; do
    [[ "$recommends" == *"$wanted"* ]] && pass "recommends $wanted" || fail "does not recommend $wanted"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quillomar usr/share/applications/quillomar.desktop \
        usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/quillomar.png \
        usr/share/icons/hicolor/scalable/apps/quillomar.svg \
        usr/share/metainfo/example.prikazki.quillomar.metainfo.xml \
        usr/share/man/man1/quillomar.1.gz usr/share/man/bg/man1/quillomar.1.gz \
        usr/share/doc/quillomar/copyright usr/share/doc/quillomar/changelog.gz; do
    [ -f "$root/$file" ] && pass "has /$file" || fail "lacks /$file"
done

# One version everywhere: the package, its changelog, AppStream, the manual.
zcat "$root/usr/share/doc/quillomar/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] \
    && pass "changelog starts at $version" || fail "changelog does not start at $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/example.prikazki.quillomar.metainfo.xml" \
    && pass "AppStream release $version" || fail "no AppStream release $version"
zcat "$root/usr/share/man/bg/man1/quillomar.1.gz" | grep -q "^\.TH QUILLOMAR 1 .*\"Quillomar $version\"" \
    && pass "manual page of $version" || fail "manual page not of $version"

missing=$(ldd "$root/usr/bin/quillomar" | grep 'not found')
[ -z "$missing" ] && pass "every shared library found" || fail "libraries missing: $missing"
readelf -d "$root/usr/bin/quillomar" | grep -qE 'RPATH|RUNPATH' \
    && fail "executable carries a library search path" || pass "no RPATH or RUNPATH"

desktop-file-validate "$root/usr/share/applications/quillomar.desktop" \
    && pass "desktop-file-validate" || fail "desktop-file-validate"
grep -q '^Comment\[bg\]=' "$root/usr/share/applications/quillomar.desktop" \
    && pass "Bulgarian comment" || fail "no Bulgarian comment"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.prikazki.quillomar.metainfo.xml" \
    && pass "appstreamcli validate" || fail "appstreamcli validate"

# Lintian, pedantic and informational tags included. A tag may be let through
# only by naming it here, with the reason; none is.
allowed_tags=""
lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
    ${allowed_tags:+--suppress-tags "$allowed_tags"} "$deb" >"$work/lintian.log" 2>&1
status=$?
grep -v 'root privileges' "$work/lintian.log"
[ $status -eq 0 ] && pass "lintian finds nothing" || fail "lintian"

"$source/tests/linux/hardening.sh" "$root/usr/bin/quillomar" || failed=1
exit $failed
