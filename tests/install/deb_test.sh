#!/usr/bin/env bash
# Builds the Debian package from the build and checks that it installs the
# programs and the desktop files under /usr and depends on the libraries the
# programs are linked with.
# usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was built"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6multimedia6; do
  echo "$depends" | grep -q "\b$lib\b" || fail "the package does not depend on $lib"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/aurovane ./usr/bin/aurovane-cli \
         ./usr/share/applications/org.aurovane.Aurovane.desktop \
         ./usr/share/metainfo/org.aurovane.Aurovane.metainfo.xml \
         ./usr/share/mime/packages/aurovane.xml \
         ./usr/share/icons/hicolor/48x48/apps/aurovane.png \
         ./usr/share/icons/hicolor/scalable/apps/aurovane.svg \
         ./usr/share/aurovane/web/guide.html; do
  echo "$contents" | grep -qx "$f" || fail "the package lacks $f"
done

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "package $(basename "$deb") complete"
