#!/usr/bin/env bash
# Cross-compiles the save file core and its tests for Windows (mingw-w64) and
# runs them under Wine, so the Win32 file backend is tested for real. Needs
# no display. Install what it needs with:
#   ./scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64
set -euo pipefail
cd "$(dirname "$0")/.."
build=${WINDOWS_BUILD_DIR:-build-win}

# Wine run by root ignores the read-only attribute (it maps it to Unix
# permissions, which root passes), and Windows never does: as root, run the
# tests without the capabilities that pass permissions.
as_tester=()
if [ "$(id -u)" -eq 0 ]; then
  caps=-dac_override,-dac_read_search,-fowner
  as_tester=(setpriv "--inh-caps=$caps" "--bounding-set=$caps" --)
fi
emulator=("${as_tester[@]}" wine)

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Debug -DBUILD_EDITOR=OFF -DBUILD_TESTING=ON \
  "-DCMAKE_CROSSCOMPILING_EMULATOR=$(IFS=';'; echo "${emulator[*]}")"
cmake --build "$build" -j "$(nproc)"

# A Wine prefix of our own, made anew each run: nothing of an earlier run or
# of the user's own ~/.wine can change the outcome.
WINEPREFIX=$(mktemp -d /tmp/dl-wine.XXXXXX)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
cleanup() {
  "${as_tester[@]}" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
# One server for the whole run, rather than one started for every test.
"${as_tester[@]}" wineserver -p
"${as_tester[@]}" wineboot -i >/dev/null 2>&1

(cd "$build" && ctest --output-on-failure --verbose)
