#!/usr/bin/env bash
# CI: the Linux package, end to end. Checks the icon PNGs against their SVG,
# validates the desktop entry and the metainfo, builds the .deb with
# `make package`, installs it with apt-get, checks that every file is where
# the desktop looks for it, starts the installed program (offscreen, and once
# under Xvfb to compare its window class with the desktop entry), and removes
# the package again. It installs into the system for real: run it as root on
# a throwaway machine, as CI does.
# Needs: desktop-file-utils appstream librsvg2-bin xvfb x11-utils.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/cleanup-common.sh
source scripts/xvfb-common.sh

fail() {
  echo "check-package: $*" >&2
  exit 1
}

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

app_id=$(sed -n 's/^set(APP_ID \([^ )]*\))$/\1/p' CMakeLists.txt)
version=$(sed -n 's/^project(DungeonLedger VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[[ -n "$app_id" && -n "$version" ]] || fail "cannot read APP_ID and the version from CMakeLists.txt"
desktop=packaging/linux/$app_id.desktop
metainfo=packaging/linux/$app_id.metainfo.xml
title="EDITING DUNGEON MASTER's SRM DATA"

# What the checks start is undone at exit, last first, by the one EXIT trap
# of scripts/cleanup-common.sh: the programs and Xvfb, this folder, and, for
# a failed check too, the package.
installed=no
remove_if_installed() {
  if [ "$installed" = yes ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -q dungeon-ledger >/dev/null || true
  fi
}
on_exit remove_if_installed
work=$(mktemp -d)
on_exit 'rm -rf "$work"'

# Prints the value of KEY in a desktop entry.
desktop_value() {
  sed -n "s/^$2=//p" "$1"
}

echo "-- icons"
./scripts/render-icons.sh --check

echo "-- desktop entry and metainfo"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
[ "$(desktop_value "$desktop" Icon)" = "$app_id" ] || fail "Icon= in $desktop is not $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "$metainfo: the id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "$metainfo: the launchable is not $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "$metainfo has no release entry for version $version of CMakeLists.txt"

echo "-- make package"
rm -f build-package/*.deb
make package
debs=(build-package/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb in build-package, found ${#debs[@]}"
deb=$(realpath "${debs[0]}")
dpkg-deb --info "$deb"
case "$(dpkg-deb --field "$deb" Version)" in
  "$version"-*) ;;
  *) fail "the package version is not $version from CMakeLists.txt" ;;
esac
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins "fonts-noto-cjk | fonts-ipafont-gothic"; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
# The staged tree as a software centre sees it: metainfo, launchable, desktop file.
dpkg-deb --extract "$deb" "$work/tree"
appstreamcli validate-tree --no-net "$work/tree"

echo "-- install"
installed=yes
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --reinstall "$deb"
installed_desktop=/usr/share/applications/$app_id.desktop
[ "$(command -v dungeon-ledger)" = /usr/bin/dungeon-ledger ] || fail "dungeon-ledger is not /usr/bin/dungeon-ledger on PATH"
[ -x /usr/bin/dungeon-ledger ] || fail "/usr/bin/dungeon-ledger is not executable"
[ -f "$installed_desktop" ] || fail "$installed_desktop is missing"
desktop-file-validate "$installed_desktop"
[ "$(desktop_value "$installed_desktop" Exec)" = "dungeon-ledger %f" ] || fail "Exec= does not start dungeon-ledger with the file"
[ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "the metainfo is missing"
[ -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "the scalable icon is missing"
for size in 16 24 32 48 64 128 256; do
  png=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$png" ] || fail "$png is missing"
  # Width and height, big-endian, follow the PNG signature and IHDR header.
  read -r w3 w2 w1 w0 h3 h2 h1 h0 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w3 << 24) | (w2 << 16) | (w1 << 8) | w0))
  height=$(((h3 << 24) | (h2 << 16) | (h1 << 8) | h0))
  [[ "$width" -eq "$size" && "$height" -eq "$size" ]] || fail "$png is ${width}x${height}"
done
[ -f /usr/share/doc/dungeon-ledger/copyright ] || fail "the copyright notice is missing"
echo "installed files are in place"

echo "-- start the installed program offscreen"
QT_QPA_PLATFORM=offscreen dungeon-ledger >"$work/offscreen.log" 2>&1 &
pid=$!
on_exit "stop_job $pid"
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
  cat "$work/offscreen.log" >&2
  fail "dungeon-ledger did not keep running offscreen"
fi
stop_job "$pid"
echo "dungeon-ledger ran for 5 s"

echo "-- window class under Xvfb"
start_xvfb "$work" || fail "no display for the window"
QT_QPA_PLATFORM=xcb dungeon-ledger >"$work/xcb.log" 2>&1 &
pid=$!
on_exit "stop_job $pid"
wm_class=
for _ in $(seq 100); do
  wm_class=$(xprop -name "$title" WM_CLASS 2>/dev/null) && break
  sleep 0.1
done
stop_job "$pid"
[ -n "$wm_class" ] || fail "no window \"$title\" appeared: $(cat "$work/xcb.log")"
echo "$wm_class"
# WM_CLASS(STRING) = "instance", "class": the desktop matches the class.
class=$(sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p' <<<"$wm_class")
[ "$class" = "$(desktop_value "$installed_desktop" StartupWMClass)" ] ||
  fail "StartupWMClass= does not match the window class \"$class\""

echo "-- remove"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -q dungeon-ledger
installed=no
[[ ! -e /usr/bin/dungeon-ledger && ! -e "$installed_desktop" ]] || fail "files are left after removal"
echo "package: built, installed, started and removed"
