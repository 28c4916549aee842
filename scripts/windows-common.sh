# Shared by the Windows scripts (sourced, not run): the Qt for Windows that
# build-qt-windows.sh keeps in its cache, configuring a cross build against
# it, and a Wine prefix of our own with the DLLs the programs need on its
# search path.
source scripts/cleanup-common.sh

# The folders of the compiler's shared runtime, which Qt and our programs
# both use, each once. The DLLs are those the zip packs.
windows_runtime_dirs() {
  local dll path dir
  local -A seen=()
  while read -r dll; do
    case $dll in '' | '#'*) continue ;; esac
    path=$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")
    # Without such a file the compiler prints the bare name back.
    if [ "$path" = "$dll" ]; then
      echo "the compiler's runtime $dll was not found" >&2
      continue
    fi
    dir=$(dirname "$(realpath "$path")")
    [ -n "${seen[$dir]:-}" ] || echo "$dir"
    seen[$dir]=1
  done <packaging/windows/runtime-dlls.txt
}

# The one Windows build folder: a release build with the tests, so that the
# zip and the test run share their compiling.
WINDOWS_BUILD=${WINDOWS_BUILD_DIR:-build-win}

# Wine run by root ignores the read-only attribute (it maps it to Unix
# permissions, which root passes), and Windows never does: as root, Wine
# runs without the capabilities that pass permissions.
WINE_AS_USER=()
if [ "$(id -u)" -eq 0 ]; then
  caps=-dac_override,-dac_read_search,-fowner
  WINE_AS_USER=(setpriv "--inh-caps=$caps" "--bounding-set=$caps" --)
fi

# Sets QT_WINDOWS to the Qt prefix (building Qt the first time), then
# configures and builds the project in $WINDOWS_BUILD; tests run through Wine.
# Arguments are added to the configure step; without them the benchmarks
# are left out (scripts/bench-windows.sh turns them on).
build_windows() {
  QT_WINDOWS=$(./scripts/build-qt-windows.sh | tail -n 1)
  local emulator=("${WINE_AS_USER[@]}" wine)
  cmake -S . -B "$WINDOWS_BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(IFS=';'; echo "${emulator[*]}")" \
    -DBUILD_BENCHMARKS=OFF "$@"
  cmake --build "$WINDOWS_BUILD" -j "$(nproc)"
}

# A Wine prefix made anew for this run, so nothing of an earlier run or of
# the user's own ~/.wine can change the outcome, with one server for the
# whole run and Qt's and the runtime's DLLs on WINEPATH. The server and the
# prefix go when the calling script exits. The server keeps the desktop of
# the first program for the whole run: set DISPLAY first if windows are to
# be seen.
start_wine() {
  WINEPREFIX=$(mktemp -d /tmp/dl-wine.XXXXXX)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  on_exit stop_wine
  "${WINE_AS_USER[@]}" wineserver -p
  "${WINE_AS_USER[@]}" wineboot -i >/dev/null 2>&1
  local dirs=() dir
  [ -n "${QT_WINDOWS:-}" ] && dirs+=("$QT_WINDOWS/bin")
  while read -r dir; do dirs+=("$dir"); done < <(windows_runtime_dirs)
  WINEPATH=$(printf 'Z:%s;' "${dirs[@]}" | tr / '\\')
  export WINEPATH
}

# Ends the prefix's server, and with it whatever still runs in the prefix,
# and deletes the prefix.
stop_wine() {
  "${WINE_AS_USER[@]}" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
