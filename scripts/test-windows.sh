#!/usr/bin/env bash
# Cross-compiles the whole project for Windows (mingw-w64, against the Qt
# that build-qt-windows.sh builds once and caches) and runs every test under
# Wine: the save file core with the Win32 file backend (once more in
# Japanese, where Windows words its reasons in Japanese), the editor's
# widget tests on Qt's offscreen platform, --version and the program's
# version resource. Needs no display; `make windows` installs what it needs
# (the Makefile's WINDOWS_DEPS).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

build_windows
# Wine speaks the language of its locale. The Japanese run of the save file
# tests (tests/savedata/CMakeLists.txt) takes ja_JP.UTF-8 from here, made
# from the locales package's sources, whatever locales the system has.
locales=$WINDOWS_BUILD/locale
if [ ! -d "$locales/ja_JP.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" || [ -d "$locales/ja_JP.UTF-8" ]
fi
export DISPLAY= # the tests need none: Qt draws offscreen
start_wine
(cd "$WINDOWS_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
# The real emulator's check (scripts/check-emulator.sh) needs Debian's
# RetroArch, which does not run under Wine here.
echo "test-windows: the real-emulator check is Linux only and skipped for Windows"
