#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from
# it: the programs, their menu entries, the software-centre description, the
# icons, the help pages where the game looks for them, and the file type that
# sends a double-clicked .avn file to the game.
# usage: install_test.sh BUILD_DIR EXPECT_EDITOR(0|1)
set -euo pipefail
build=$1
expect_editor=${2:-0}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { [ -e "$prefix/$1" ] || fail "missing $1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for p in aurovane aurovane-cli; do
  [ -x "$prefix/bin/$p" ] || fail "bin/$p is not an installed program"
done
if [ "$expect_editor" = 1 ]; then
  [ -x "$prefix/bin/aurovane-editor" ] || fail "bin/aurovane-editor is not an installed program"
  need share/applications/org.aurovane.AurovaneEditor.desktop
fi

apps=$prefix/share/applications
need share/applications/org.aurovane.Aurovane.desktop
for d in "$apps"/*.desktop; do
  [ -e "$d" ] || continue
  name=$(basename "$d")
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$d" || fail "$name does not validate"
  fi
  grep -qx 'Categories=Game;StrategyGame;' "$d" || fail "$name is not in Game;StrategyGame"
  exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$d")
  [ -x "$prefix/bin/$exe" ] || fail "$name starts $exe, which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$d")
  [ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$name's icon $icon is not in the theme"
done
# The game's entry takes the file it is given and claims the saved-game type.
game_desktop=$apps/org.aurovane.Aurovane.desktop
grep -q '^Exec=aurovane %[fFuU]' "$game_desktop" || fail "the game's entry does not pass the opened file"
grep -q '^MimeType=.*application/x-aurovane-game;' "$game_desktop" || fail "the game's entry does not claim .avn files"

for size in 16 32 48 64 128 256; do
  f=share/icons/hicolor/${size}x${size}/apps/aurovane.png
  need "$f"
  if [ -e "$prefix/$f" ] && command -v file >/dev/null; then
    file "$prefix/$f" | grep -q "PNG image data, $size x $size" || fail "$f is not $size pixels square"
  fi
done
need share/icons/hicolor/scalable/apps/aurovane.svg

# The help pages, where the installed game looks for them: beside the program,
# in ../share/aurovane/web.
for page in guide.html quiz.html tutorial.html style.css; do
  [ -f "$prefix/bin/../share/aurovane/web/$page" ] || fail "help page $page is not installed"
done

meta=$prefix/share/metainfo/org.aurovane.Aurovane.metainfo.xml
need share/metainfo/org.aurovane.Aurovane.metainfo.xml
if [ -e "$meta" ]; then
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$meta" || fail "the metainfo does not validate"
  fi
  launch=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta")
  [ -e "$apps/$launch" ] || fail "the metainfo launches $launch, which is not installed"
fi

mime=$prefix/share/mime/packages/aurovane.xml
need share/mime/packages/aurovane.xml
if [ -e "$mime" ] && command -v update-mime-database >/dev/null; then
  # Build the database the desktop would build and look the pattern up in it.
  update-mime-database "$prefix/share/mime" >/dev/null || fail "the MIME database does not build from aurovane.xml"
  grep -q '^[0-9]*:application/x-aurovane-game:\*\.avn' "$prefix/share/mime/globs2" \
    || fail "*.avn is not application/x-aurovane-game in the built MIME database"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed tree"
  exit 1
fi
echo "installed tree complete"
