#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it and checks its
# dependencies, its files, the desktop entry and AppStream data, and that the
# packaged executable finds all its shared libraries and keeps its hardening.
# Usage: package.sh BUILD_DIR SOURCE_DIR
set -u
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; exit 1; }
deb=$(ls "$work"/quillomar_1.00_*.deb 2>/dev/null)
[ -n "$deb" ] || { fail "no quillomar_1.00_*.deb built"; ls "$work"; exit 1; }
pass "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] && pass "depends on $needed" || fail "does not depend on $needed"
done

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/quillomar usr/share/applications/quillomar.desktop \
        usr/share/icons/hicolor/32x32/apps/quillomar.png \
        usr/share/metainfo/example.prikazki.quillomar.metainfo.xml; do
    [ -f "$work/root/$file" ] && pass "has /$file" || fail "lacks /$file"
done

missing=$(ldd "$work/root/usr/bin/quillomar" | grep 'not found')
[ -z "$missing" ] && pass "every shared library found" || fail "libraries missing: $missing"

desktop-file-validate "$work/root/usr/share/applications/quillomar.desktop" \
    && pass "desktop-file-validate" || fail "desktop-file-validate"
grep -q '^Comment\[bg\]=' "$work/root/usr/share/applications/quillomar.desktop" \
    && pass "Bulgarian comment" || fail "no Bulgarian comment"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/example.prikazki.quillomar.metainfo.xml" \
    && pass "appstreamcli validate" || fail "appstreamcli validate"
grep -q '<release version="1.00"' "$work/root/usr/share/metainfo/example.prikazki.quillomar.metainfo.xml" \
    && pass "release 1.00" || fail "no release 1.00"

"$source/tests/hardening.sh" "$work/root/usr/bin/quillomar" || failed=1
exit $failed
