#!/usr/bin/env bash
# Fetches and unpacks the upstream source of an installed Debian package, in
# the version installed, from the mirror apt itself is configured with, and
# keeps it in the cache beside the Qt for Windows. The tarball is checked
# against the SHA-256 in the source package's .dsc. For libraries that the
# Windows build compiles itself because Debian ships them only for Linux.
# Usage: fetch-debian-source.sh BINARY-PACKAGE
# Prints the unpacked source folder on its last line of standard output.
set -euo pipefail
source "$(dirname "$0")/cleanup-common.sh"

package=${1:?usage: fetch-debian-source.sh BINARY-PACKAGE}
cache_root=${DL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/dungeon-ledger}

log() { echo "fetch-debian-source: $*" >&2; }
fail() {
  log "$*"
  exit 1
}

source_name=$(dpkg-query -W -f='${source:Package}' "$package" 2>/dev/null) ||
  fail "$package is not installed; run scripts/install-deps.sh first"
source_version=$(dpkg-query -W -f='${source:Version}' "$package")
version=${source_version#*:} # file names carry no epoch
upstream=${version%-*}
target=$cache_root/src/$source_name-$upstream

mkdir -p "$cache_root/src"
# One fetch at a time: a second run waits, then finds it done.
exec 9>"$target.lock"
flock 9
if [ -f "$target/.complete" ]; then
  echo "$target"
  exit 0
fi

# The source package lies beside the binary packages in the pool.
deb_uri=$(apt-get download --print-uris "$package" 2>/dev/null | head -n 1 | cut -d"'" -f2)
[ -n "$deb_uri" ] || fail "apt-get cannot tell where $package comes from"
pool=${deb_uri%/*}
dsc=${source_name}_$version.dsc

work=$(mktemp -d "$cache_root/src/fetch.XXXXXX")
on_exit 'rm -rf "$work"'
log "downloading $dsc from $pool"
curl -fsSL --retry 3 -o "$work/$dsc" "$pool/$dsc"
tarball=$(awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && $3 ~ /\.orig\.tar\./ {print $3}' "$work/$dsc")
[ -n "$tarball" ] || fail "$dsc names no upstream tarball"
expected=$(awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && $3 == file {print $1}' file="$tarball" "$work/$dsc")
log "downloading $tarball"
curl -fsSL --retry 3 -o "$work/$tarball" "$pool/$tarball"
(cd "$work" && echo "$expected  $tarball" | sha256sum -c --quiet -) ||
  fail "$tarball does not match the checksum in $dsc"

mkdir "$work/unpacked"
tar -xf "$work/$tarball" -C "$work/unpacked"
top=$(find "$work/unpacked" -mindepth 1 -maxdepth 1)
[ "$(wc -l <<<"$top")" -eq 1 ] && [ -d "$top" ] || fail "$tarball holds more than one top folder"
rm -rf "$target"
mv "$top" "$target"
touch "$target/.complete"
log "unpacked $source_name $upstream into $target"
echo "$target"
