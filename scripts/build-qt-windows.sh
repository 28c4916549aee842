#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (mingw-w64) from Debian's own qt6-base source
# package, the same version as the host Qt whose moc, rcc and uic the cross
# build uses. The installed result is cached outside the work tree, keyed by
# the Qt version, the compiler and the configure flags, so only the first run
# on a machine pays the 30 to 45 minutes it takes on two cores.
#
# Prints the prefix of the installed Qt on its last line of standard output;
# everything else goes to standard error. The prefix also holds, under
# licenses/, the licence texts of Qt and of the libraries bundled into it,
# for shipping beside the DLLs. Needs (install-deps.sh): qt6-base-dev,
# g++-mingw-w64-x86-64-posix, ninja-build, curl, xz-utils.
set -euo pipefail

triplet=x86_64-w64-mingw32
cache_root=${DL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/dungeon-ledger}
jobs=${JOBS:-$(nproc)}

log() { echo "build-qt-windows: $*" >&2; }
fail() { log "$*"; exit 1; }

# The source version of the installed host Qt, e.g. 6.4.2+dfsg-10.
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
  fail "qt6-base-dev is not installed; run scripts/install-deps.sh first"
upstream_version=${source_version%-*}
qt_version=${upstream_version%%+*}

flags=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_SYSTEM_NAME=Windows
  -DCMAKE_SYSTEM_PROCESSOR=x86_64
  "-DCMAKE_C_COMPILER=$triplet-gcc-posix"
  "-DCMAKE_CXX_COMPILER=$triplet-g++-posix"
  "-DCMAKE_RC_COMPILER=$triplet-windres"
  "-DCMAKE_FIND_ROOT_PATH=/usr/$triplet"
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_jpeg=OFF
  # Debian's tarball drops the wintab.h header the tablet code needs.
  -DFEATURE_tabletevent=OFF
  # The Windows platform plugin does not build without OpenGL.
  -DINPUT_opengl=desktop
)

compiler_version=$("$triplet-g++-posix" --version | head -n 1) ||
  fail "$triplet-g++-posix is missing; install g++-mingw-w64-x86-64-posix"
key=$(printf '%s\n' "$source_version" "$compiler_version" "${flags[@]}" | sha256sum | cut -c1-12)
prefix=$cache_root/qt-$qt_version-windows-x64-$key

# The source package lies beside the binary packages, under the mirror apt
# itself is configured with.
deb_uri=$(apt-get download --print-uris qt6-base-dev 2>/dev/null | head -n 1 | cut -d"'" -f2)
[ -n "$deb_uri" ] || fail "apt-get cannot tell where qt6-base-dev comes from"
pool=${deb_uri%/*}
dsc=qt6-base_$source_version.dsc
tarball=qt6-base_$upstream_version.orig.tar.xz

# Downloads the source tarball into the current folder and checks it against
# the checksum in the .dsc.
download_source() {
  log "downloading $dsc and $tarball from $pool"
  curl -fsSL --retry 3 -o "$dsc" "$pool/$dsc"
  curl -fsSL --retry 3 -o "$tarball" "$pool/$tarball"
  local expected
  expected=$(awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && $3 == file {print $1}' \
    file="$tarball" "$dsc")
  [ -n "$expected" ] || fail "$dsc lists no SHA-256 for $tarball"
  echo "$expected  $tarball" | sha256sum -c --quiet - ||
    fail "$tarball does not match the checksum in $dsc"
}

# Copies Qt's own licence texts and those of every bundled library from the
# unpacked source $1 into $2.
copy_licences() {
  local from=$1 to=$2 dir
  mkdir -p "$to/3rdparty"
  cp "$from"/LICENSES/*.txt "$to/"
  for dir in "$from"/src/3rdparty/*/; do
    local name
    name=$(basename "$dir")
    find "$dir" -maxdepth 1 -type f \( -iname 'licen[cs]e*' -o -iname 'copying*' -o -iname '*-license.txt' \
      -o -name qt_attribution.json \) -exec install -D -m 644 -t "$to/3rdparty/$name" {} +
  done
}

# One build per key at a time: a second run waits, then finds it done.
mkdir -p "$cache_root"
exec 9>"$cache_root/qt-$key.lock"
flock 9

work=$cache_root/qt-build-$key
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
cd "$work"

if [ -f "$prefix/.complete" ]; then
  if [ ! -d "$prefix/licenses" ]; then
    log "adding the licence texts to the cached Qt in $prefix"
    download_source
    tar -xJf "$tarball" --wildcards '*/LICENSES/*' '*/src/3rdparty/*'
    copy_licences "$(find . -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$prefix/licenses"
  fi
  log "using the cached Qt $qt_version for Windows in $prefix"
  echo "$prefix"
  exit 0
fi

download_source
log "unpacking"
tar -xJf "$tarball"
src=$(find . -mindepth 1 -maxdepth 1 -type d | head -n 1)
rm -f "$tarball"

log "configuring Qt $qt_version for $triplet"
rm -rf "$prefix"
cmake -S "$src" -B build "-DCMAKE_INSTALL_PREFIX=$prefix" "${flags[@]}" >&2

log "building with $jobs jobs (this takes a while the first time)"
cmake --build build --parallel "$jobs" >&2
cmake --install build >&2
copy_licences "$src" "$prefix/licenses"
touch "$prefix/.complete"
log "installed in $prefix"
echo "$prefix"
