#!/usr/bin/env bash
# Cross-compiles the whole project for Windows (mingw-w64, against the Qt
# that build-qt-windows.sh builds once and caches) and runs every test under
# Wine: the save file core with the Win32 file backend, and the editor's
# widget tests on Qt's offscreen platform. Needs no display. Install what it
# needs with:
#   ./scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 ninja-build curl xz-utils
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

build_windows
export DISPLAY= # the tests need none: Qt draws offscreen
start_wine
(cd "$WINDOWS_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
# The real emulator's check (scripts/check-emulator.sh) needs Debian's
# RetroArch, which does not run under Wine here.
echo "test-windows: the real-emulator check is Linux only and skipped for Windows"
