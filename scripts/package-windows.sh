#!/usr/bin/env bash
# `make windows`: the Windows build packed into
# dist/dungeon-ledger-VERSION-windows-x64.zip, with the program's source in
# the zip as its licence asks; the installer
# dist/dungeon-ledger-VERSION-windows-x64-setup.exe, built with NSIS from the
# zip's own files; and winget's and Scoop's manifests for the two, with their
# SHA-256, in dist/winget/ and dist/scoop/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

command -v makensis >/dev/null || { echo "makensis is missing: install nsis (make windows does)" >&2; exit 1; }
build_windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINDOWS_BUILD/CMakeCache.txt")
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git archive --format=zip --prefix="dungeon-ledger-$version-source/" \
    -o "$WINDOWS_BUILD/dungeon-ledger-source.zip" HEAD
fi
(cd "$WINDOWS_BUILD" && cpack -G ZIP)
name=dungeon-ledger-$version-windows-x64
zip=dist/$name.zip
setup=dist/$name-setup.exe
echo "wrote $zip"

# The installer is made from the zip as packed, so that both carry the same
# files, byte for byte.
work=$WINDOWS_BUILD/installer
rm -rf "$work"
mkdir -p "$work/files" "$work/lists"
(cd "$work/files" && cmake -E tar xf "$OLDPWD/$zip")
files=$(realpath "$work/files/$name")
[ -f "$files/dungeon-ledger.exe" ] || { echo "$zip holds no $name/dungeon-ledger.exe" >&2; exit 1; }

# The lists the installer is made with (packaging/windows/installer.nsi):
# install-files.nsh writes each file into its folder; files.nsh names each
# file with its folder, and folders.nsh each folder, deepest first, for the
# checks, the moves aside and the uninstaller, which removes only what it
# installed, and a folder only if it is empty then. Paths are Windows'.
write_file_lists() {
  local dir rel file folder
  (cd "$files" && find . -type f -o -type d) | grep -q '[$"]' &&
    { echo "a file name in $zip holds \$ or \", which the lists cannot quote" >&2; return 1; }
  while read -r dir; do
    rel=${dir#.}
    echo "SetOutPath \"\$INSTDIR${rel//\//\\}\""
    while read -r file; do
      file=${rel#/}${rel:+/}$file
      echo "!insertmacro Extract \"${file//\//\\}\" \"$files/$file\""
    done < <(find "$files$rel" -mindepth 1 -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort)
  done < <(cd "$files" && find . -type d | LC_ALL=C sort) >"$work/lists/install-files.nsh"
  while read -r file; do
    file=${file#./}
    folder=$(dirname "$file")
    [ "$folder" != . ] || folder=""
    echo "!insertmacro \${FOR_EACH_FILE} \"${folder//\//\\}\" \"${file//\//\\}\""
  done < <(cd "$files" && find . -type f | LC_ALL=C sort) >"$work/lists/files.nsh"
  while read -r dir; do
    dir=${dir#./}
    echo "!insertmacro \${FOR_EACH_FOLDER} \"${dir//\//\\}\""
  done < <(cd "$files" && find . -mindepth 1 -type d | LC_ALL=C sort -r) >"$work/lists/folders.nsh"
}
write_file_lists

# Windows' version resources take four numbers.
version4=$version
while [ "$(tr -cd . <<<"$version4" | wc -c)" -lt 3 ]; do version4+=.0; done
size_kib=$(find "$files" -type f -printf '%s\n' | awk '{ sum += $1 } END { printf "%d", (sum + 1023) / 1024 }')
# The picture beside the finish page, from the program's icon.
python3 scripts/installer-picture.py resources/AppIcon128.png "$work/picture.bmp"
rm -f "$setup"
# -WX: a warning (a missing file, an unused define) fails the build. The
# script is UTF-8 (its Japanese texts).
makensis -V2 -WX -NOCD -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DVERSION4=$version4" "-DSIZE_KIB=$size_kib" \
  "-DFILES=$files" "-DLISTS=$(realpath "$work/lists")" \
  "-DICON=$PWD/resources/AppIcon.ico" "-DPICTURE=$(realpath "$work/picture.bmp")" \
  "-DOUTFILE=$PWD/$setup" packaging/windows/installer.nsi
echo "wrote $setup"

# The manifests, from the templates in packaging/windows/. No download
# address exists yet; the templates hold placeholders for it.
# winget's manifest names the installer's exit code for "the program is running".
exit_in_use=$(sed -n 's/^!define EXIT_IN_USE \([0-9]*\)$/\1/p' packaging/windows/installer.nsi)
[ -n "$exit_in_use" ] || { echo "packaging/windows/installer.nsi defines no EXIT_IN_USE" >&2; exit 1; }
fill() {
  sed -e "s|@VERSION@|$version|g" \
    -e "s|@EXIT_IN_USE@|$exit_in_use|g" \
    -e "s|@SETUP_FILE@|$(basename "$setup")|g" \
    -e "s|@SETUP_SHA256@|$(sha256sum "$setup" | cut -d' ' -f1 | tr a-f A-F)|g" \
    -e "s|@ZIP_FILE@|$(basename "$zip")|g" \
    -e "s|@ZIP_SHA256@|$(sha256sum "$zip" | cut -d' ' -f1)|g" \
    -e "s|@ZIP_DIR@|$name|g" "$1" >"$2"
}
rm -rf dist/winget dist/scoop
mkdir -p dist/winget dist/scoop
for template in packaging/windows/winget/*.yaml.in; do
  fill "$template" "dist/winget/$(basename "${template%.in}")"
done
fill packaging/windows/scoop/dungeon-ledger.json.in dist/scoop/dungeon-ledger.json
echo "wrote dist/winget/ and dist/scoop/ (not published: no download address yet)"
