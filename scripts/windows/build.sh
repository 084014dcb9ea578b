#!/usr/bin/env bash
# Builds ソラニカ for Windows on Debian: Qt for Windows once (scripts/windows/build-qt.sh, cached
# outside the clone), the program against it, and in build-windows/package/ a portable zip of the
# program folder and the installer soranika-setup.exe. Installs what is missing.
#   scripts/windows/build.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
qt=$("$here/scripts/windows/build-qt.sh" | tail -n 1)
build="$here/build-windows"
. "$here/scripts/lib/version.sh"
version=$(project_version "$here")

"$here/scripts/setup-debian.sh" nsis zip imagemagick binutils-mingw-w64-x86-64 \
    qt6-translations-l10n

# The build-time tools come from the native build.
"$here/scripts/build.sh" "$here/build" > "$here/build.log" 2>&1 ||
    { tail -n 40 "$here/build.log"; exit 1; }
# CTest runs the suites under Wine, in the runtime folder scripts/windows/run-suites.sh lays out.
"$qt/bin/qt-cmake" -G Ninja -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=ON -DSORANIKA_HOST_TOOLS="$here/build" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/scripts/windows/wine-run.sh;$build/suites" > "$build.configure.log" 2>&1 ||
    { tail -n 40 "$build.configure.log"; exit 1; }
ninja -C "$build" soranika soranika-cli > "$build.log" 2>&1 ||
    { grep -E "FAILED|error" "$build.log" | head -n 20; exit 1; }

# The program folder. There is no windeployqt in Debian: what the programs need is listed here,
# and checked below against what each file imports.
package="$build/package"
folder="$package/soranika"
rm -rf "$package"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats" "$folder/translations"
cp "$build"/program/soranika.exe "$build"/program/soranika-cli.exe "$build"/program/*.tkb \
    "$build"/program/readme.txt "$folder/"
for module in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$module.dll" "$folder/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
# The native look: qwindowsvistastyle.dll up to Qt 6.6, qmodernwindowsstyle.dll from 6.7.
cp "$qt"/plugins/styles/q*windows*style.dll "$folder/styles/"
cp "$qt"/plugins/imageformats/{qgif,qico,qjpeg}.dll "$folder/imageformats/"
"$here/scripts/windows/copy-runtime.sh" "$folder"
convert "$here"/data/icons/soranika-{32,128,256}.png "$folder/soranika.ico"
# Qt's own Japanese texts (the colour dialog's, the buttons'): the same release as this Qt.
cp /usr/share/qt6/translations/qtbase_ja.qm "$folder/translations/"

"$here/scripts/windows/check-imports.sh" "$folder"

# The portable zip, and the installer (its uninstaller removes exactly the files it installed).
# Both keep each file's time: every file gets the last commit's, and the zip lists them in one
# order, so that two builds of one commit give the same bytes.
when=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2> /dev/null || echo 0)}
find "$folder" -exec touch -h -d "@$when" {} +
zip_name="soranika-$version-windows-x86_64.zip"
(cd "$package" && find soranika | LC_ALL=C sort | zip -q -X -@ "$zip_name")
# shellcheck disable=SC2016 # $INSTDIR is the installer's own
(cd "$folder" && {
    find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|^|    Delete "$INSTDIR\\|; s|$|"|'
    find . -mindepth 1 -depth -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|^|    RMDir "$INSTDIR\\|; s|$|"|'
}) > "$package/files.nsh"
makensis -V2 -DVERSION="$version" -DPACKAGE="$folder" -DFILELIST="$package/files.nsh" \
    -DOUTFILE="$package/soranika-setup.exe" "$here/scripts/windows/installer.nsi"
echo "$package/$zip_name"
echo "$package/soranika-setup.exe"
