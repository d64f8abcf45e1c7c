#!/usr/bin/env bash
# The Debian package as a user gets it, made from this build folder: the
# install leaves the browser's bytes alone, lintian, desktop-file-validate and
# appstreamcli accept the package, the menu entry finds its icons, and the
# browser unpacked from the package opens its window with the embedded
# library (the window smoke test, run on the unpacked file).
# Usage: package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

BUILD_DIR=${1:?build directory}
SOURCE_DIR=${2:?source directory}
APP_ID=org.josekibrowser.JosekiBrowser
ICON_SIZES=(16 32 48 64 128 256)
# Run-time needs that no linked library shows, and two that one does.
NEEDED_DEPENDS=("fonts-liberation2" "fonts-noto-cjk | fonts-wqy-zenhei" "qt6-translations-l10n"
                "libqt6widgets6" "libuchardet0")

fail() { echo "package test: $*" >&2; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli identify; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[[ -f "$BUILD_DIR/CPackConfig.cmake" ]] || fail "no CPack configuration in $BUILD_DIR"
[[ -x "$BUILD_DIR/joseki-browser" ]] || fail "no browser at $BUILD_DIR/joseki-browser"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# A plain install: the browser exactly as built, joseki-pack beside it.
cmake --install "$BUILD_DIR" --prefix "$WORK/install" >"$WORK/install.log" ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
cmp "$BUILD_DIR/joseki-browser" "$WORK/install/bin/joseki-browser" ||
    fail "cmake --install changed the browser's bytes"
[[ -x "$WORK/install/bin/joseki-pack" ]] || fail "cmake --install put no joseki-pack in bin/"

# The package, named as Debian names it.
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/cpack" -G DEB >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.log")"
VERSION=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD_DIR/CPackConfig.cmake")
DEB="$WORK/cpack/joseki-browser_${VERSION}_$(dpkg --print-architecture).deb"
[[ -f "$DEB" ]] || fail "no $(basename "$DEB"); cpack made: $(ls "$WORK/cpack")"

field() { dpkg-deb --field "$DEB" "$1"; }
[[ "$(field Section)" == games ]] || fail "section $(field Section), not games"
[[ "$(field Maintainer)" == *"<"*"@"*">" ]] || fail "maintainer without an address: $(field Maintainer)"
DEPENDS=$(field Depends)
for needed in "${NEEDED_DEPENDS[@]}"; do
    [[ "$DEPENDS" == *"$needed"* ]] || fail "Depends lacks $needed: $DEPENDS"
done
[[ "$(field Description)" == *定式浏览* ]] || fail "no Chinese in the description: $(field Description)"

if ! lintian --fail-on error,warning --display-info "$DEB" >"$WORK/lintian.log" 2>&1; then
    cat "$WORK/lintian.log" >&2
    fail "lintian found errors or warnings"
fi
cat "$WORK/lintian.log"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
# Debian keeps a game's programs in /usr/games, and only there.
cmp "$BUILD_DIR/joseki-browser" "$ROOT/usr/games/joseki-browser" || fail "the packaged browser differs from the built one"
[[ ! -e "$ROOT/usr/bin" ]] || fail "the package has programs in /usr/bin: $(ls "$ROOT/usr/bin")"
"$ROOT/usr/games/joseki-pack" stats "$SOURCE_DIR/data/joseki.sgf" >/dev/null || fail "the packaged joseki-pack does not run"
grep -q "github.com/yusaaki/JosekiExtraction" "$ROOT/usr/share/doc/joseki-browser/copyright" ||
    fail "the copyright file does not name the library's source"

# The menu entry: valid, in Chinese with an English name, and its icon and
# program are in the package.
DESKTOP="$ROOT/usr/share/applications/$APP_ID.desktop"
[[ -f "$DESKTOP" ]] || fail "no menu entry $APP_ID.desktop"
desktop-file-validate "$DESKTOP" >"$WORK/desktop.log" 2>&1 || fail "desktop-file-validate: $(cat "$WORK/desktop.log")"
! grep -E "error|warning" "$WORK/desktop.log" >&2 || fail "desktop-file-validate complained"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
[[ "$(entry 'Name')" == 围棋定式大全 ]] || fail "menu name $(entry 'Name')"
[[ -n "$(entry 'Name\[en\]')" ]] || fail "no English name in the menu entry"
[[ "$(entry 'Categories')" == "Game;BoardGame;Education;" ]] || fail "categories $(entry 'Categories')"
[[ -x "$ROOT/usr/games/$(entry 'Exec')" ]] || fail "the menu entry runs $(entry 'Exec'), which the package lacks"
ICON=$(entry 'Icon')
for size in "${ICON_SIZES[@]}"; do
    png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$ICON.png"
    [[ -f "$png" ]] || fail "no ${size}x${size} icon $ICON"
    [[ "$(identify -format '%wx%h' "$png")" == "${size}x${size}" ]] || fail "$png is not ${size}x${size}"
done

METAINFO="$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml"
appstreamcli validate --no-net "$METAINFO" >"$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$WORK/appstream.log")"
grep -q "<release version=\"$VERSION\"" "$METAINFO" || fail "the metadata has no release $VERSION"
# The whole tree: the metadata together with the menu entry it launches.
appstreamcli validate-tree --no-net "$ROOT" >"$WORK/appstream-tree.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$WORK/appstream-tree.log")"

# The unpacked browser in a real window, its library loaded.
bash "$SOURCE_DIR/tests/smoke/window.sh" "$ROOT/usr/games" "$SOURCE_DIR"
echo "package test: $(basename "$DEB") passes"
