#!/usr/bin/env bash
# `make windows`: the Windows build packed into
# dist/dungeon-ledger-VERSION-windows-x64.zip, with the program's source in
# the zip as its licence asks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

build_windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINDOWS_BUILD/CMakeCache.txt")
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git archive --format=zip --prefix="dungeon-ledger-$version-source/" \
    -o "$WINDOWS_BUILD/dungeon-ledger-source.zip" HEAD
fi
(cd "$WINDOWS_BUILD" && cpack -G ZIP)
echo "wrote dist/dungeon-ledger-$version-windows-x64.zip"
