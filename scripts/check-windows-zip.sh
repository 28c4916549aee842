#!/usr/bin/env bash
# Checks that the Windows zip runs on a Windows with nothing else installed:
# unpacks it into an empty folder, checks that its texts have Windows line
# ends, and in a fresh Wine prefix with no extra DLL search path, under Xvfb:
# runs `dungeon-ledger.exe --version` and `--help` from cmd, where they
# print into the console, and once without a console, where the version
# shows in a message box; then starts the program and waits for its window.
# Usage: check-windows-zip.sh [ZIP] [--screenshot FILE [--load SAVE.srm]]
# Needs: wine, xvfb, xdotool, imagemagick (for --screenshot).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/cleanup-common.sh
source scripts/windows-common.sh
source scripts/xvfb-common.sh

zip="" shot="" save=""
while [ $# -gt 0 ]; do
  case $1 in
    --screenshot) shot=$(realpath -m "$2"); shift 2 ;;
    --load) save=$(realpath "$2"); shift 2 ;;
    *) zip=$1; shift ;;
  esac
done
[ -n "$zip" ] || zip=$(ls -t dist/dungeon-ledger-*-windows-x64.zip 2>/dev/null | head -n 1)
[ -f "$zip" ] || { echo "no Windows zip; run make windows first" >&2; exit 1; }
zip=$(realpath "$zip")
title="EDITING DUNGEON MASTER's SRM DATA"

# The script's one EXIT trap (scripts/cleanup-common.sh) undoes what has been
# started by then, last first: Wine, Xvfb, then this folder.
unpacked=$(mktemp -d /tmp/dl-zip.XXXXXX)
on_exit 'rm -rf "$unpacked"'
(cd "$unpacked" && cmake -E tar xf "$zip")
exe=$(find "$unpacked" -name dungeon-ledger.exe | head -n 1)
[ -n "$exe" ] || { echo "$zip holds no dungeon-ledger.exe" >&2; exit 1; }
# Notepad before Windows 10 1809 runs lines ended by a bare LF together.
folder=$(dirname "$exe")
while read -r text; do
  if grep -qv $'\r$' "$text"; then
    echo "${text#"$folder"/} in $zip has lines without a CR LF end" >&2
    exit 1
  fi
done < <(find "$folder/README.txt" "$folder/LICENSE.txt" "$folder/licenses" -type f)

start_xvfb "$unpacked"

start_wine
unset WINEPATH # only what the zip brings
# Wine brings none of Windows' own interface fonts and falls back to a serif
# face, in which the window stays readable but looks unlike Windows. Windows
# has Segoe UI; for the screenshot, DejaVu Sans stands in for it.
cat >"$unpacked/fonts.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="DejaVu Sans"
"MS Shell Dlg 2"="DejaVu Sans"
"Segoe UI"="DejaVu Sans"
"Tahoma"="DejaVu Sans"
REG
(cd "$unpacked" && "${WINE_AS_USER[@]}" wine regedit fonts.reg)

# --version and --help from a console print there, and start no window.
fail() {
  echo "check-windows-zip: $*" >&2
  exit 1
}
version=$(basename "$zip" | sed -n 's/^dungeon-ledger-\(.*\)-windows-x64\.zip$/\1/p')
in_cmd() { (cd "$folder" && timeout 60 "${WINE_AS_USER[@]}" wine cmd /c dungeon-ledger.exe "$@" </dev/null | tr -d '\r'); }
printed=$(in_cmd --version) || fail "cmd /c dungeon-ledger.exe --version failed"
[ "$printed" = "dungeon-ledger $version" ] ||
  fail "cmd /c dungeon-ledger.exe --version printed \"$printed\", not \"dungeon-ledger $version\""
printed=$(in_cmd --help) || fail "cmd /c dungeon-ledger.exe --help failed"
grep -q '^Usage: dungeon-ledger' <<<"$printed" && grep -q -- '--version' <<<"$printed" ||
  fail "cmd /c dungeon-ledger.exe --help printed no usage: \"$printed\""
echo "$(basename "$zip"): --version and --help print into the console of cmd /c"

# Started without a console (wine start, as Explorer starts a program), the
# version shows in a message box; OK closes it and ends the program.
(cd "$folder" && "${WINE_AS_USER[@]}" wine start /wait dungeon-ledger.exe --version >/dev/null 2>&1) &
boxed=$!
box=""
for _ in $(seq 120); do
  box=$(xdotool search --name '^Dungeon Ledger$' 2>/dev/null | head -n 1) && [ -n "$box" ] && break
  sleep 0.5
done
[ -n "$box" ] || fail "without a console, --version showed no message box \"Dungeon Ledger\" within 60 s"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 40); do
  kill -0 "$boxed" 2>/dev/null || break
  sleep 0.5
done
! kill -0 "$boxed" 2>/dev/null || fail "the program did not end when its version box was closed"
echo "$(basename "$zip"): without a console, --version shows in a message box"

(cd "$(dirname "$exe")" && "${WINE_AS_USER[@]}" wine ./dungeon-ledger.exe >"$unpacked/run.log" 2>&1) &
window=""
for _ in $(seq 120); do
  window=$(xdotool search --name "^${title}" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "the window \"$title\" did not appear within 60 s" >&2
  cat "$unpacked/run.log" >&2
  exit 1
fi
echo "$(basename "$zip"): dungeon-ledger.exe shows its window under Wine with only the zip's own files"
if [ -n "$shot" ]; then
  if [ -n "$save" ]; then # typed into the path field, which has the focus; then Tab, Tab to Load
    xdotool windowfocus --sync "$window"
    xdotool type --delay 20 "Z:${save//\//\\}"
    xdotool key Tab Tab space
  fi
  sleep 2 # let it paint
  import -window "$window" "$shot"
  echo "wrote $shot"
fi
