#!/usr/bin/env bash
# Checks the Windows installer as a user would meet it on a Windows with
# nothing else installed, in a fresh Wine prefix (which runs as an
# administrator) under Xvfb:
#  - `setup.exe /S` installs, into C:\Program Files\Dungeon Ledger, exactly
#    the zip's files plus the uninstaller, and associates no file type;
#  - the uninstall entry holds the values Add or remove programs and winget
#    read;
#  - the Start-menu shortcut starts the installed program, which shows its
#    window;
#  - while it runs, over an older install (every installed file changed),
#    `setup.exe /S` and the uninstaller (/S) end with the installer's "in
#    use" exit code and leave every installed file as it was;
#  - an update whose file cannot be written (a file where the new version
#    has a folder) fails and puts every file back as it was;
#  - once the program is closed, `setup.exe /S` succeeds and installs the
#    new files;
#  - the entry's QuietUninstallString removes the program, its folder, the
#    shortcut and the entry.
# Usage: check-windows-installer.sh [SETUP.EXE [ZIP]]
# Needs: wine, xvfb, xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/cleanup-common.sh
source scripts/windows-common.sh
source scripts/xvfb-common.sh

fail() {
  echo "check-windows-installer: $*" >&2
  exit 1
}

setup=${1:-$(ls -t dist/dungeon-ledger-*-windows-x64-setup.exe 2>/dev/null | head -n 1)}
[ -f "$setup" ] || fail "no Windows installer; run make windows first"
zip=${2:-${setup%-setup.exe}.zip}
[ -f "$zip" ] || fail "no $zip beside $setup"
setup=$(realpath "$setup") zip=$(realpath "$zip")
version=$(basename "$setup" | sed -n 's/^dungeon-ledger-\(.*\)-windows-x64-setup\.exe$/\1/p')
title="EDITING DUNGEON MASTER's SRM DATA"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dungeon Ledger'
install_dir='C:\Program Files\Dungeon Ledger'

# The script's one EXIT trap (scripts/cleanup-common.sh) undoes what has been
# started by then, last first: Wine, Xvfb, then this folder.
work=$(mktemp -d /tmp/dl-setup.XXXXXX)
on_exit 'rm -rf "$work"'
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
unpacked=$(dirname "$(find "$work/zip" -name dungeon-ledger.exe | head -n 1)")

start_xvfb "$work"
start_wine
unset WINEPATH # only what the installer brings
wine_run() { "${WINE_AS_USER[@]}" wine "$@"; }
unix_path() { "${WINE_AS_USER[@]}" winepath -u "$1" 2>/dev/null; }
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local tenths=$(($1 * 10)) i
  shift
  for ((i = 0; i < tenths; i += 5)); do
    "$@" && return 0
    sleep 0.5
  done
  return 1
}

exit_in_use=$(sed -n 's/^!define EXIT_IN_USE \([0-9]*\)$/\1/p' packaging/windows/installer.nsi)
name=$(basename "$setup")
wine_run "$setup" /S || fail "$name /S failed with status $?"
installed=$(unix_path "$install_dir")
[ -f "$installed/dungeon-ledger.exe" ] || fail "nothing was installed in $install_dir"

# The installer carries the zip's files, byte for byte, and adds only its
# uninstaller.
check_new_files() {
  diff <(cd "$unpacked" && find . -type f | LC_ALL=C sort) \
    <(cd "$installed" && find . -type f ! -path ./uninstall.exe | LC_ALL=C sort) >"$work/files.diff" ||
    fail "$1: the installed files differ from the zip's (< zip, > installed):
$(cat "$work/files.diff")"
  [ -f "$installed/uninstall.exe" ] || fail "$1: no uninstall.exe in $install_dir"
  while read -r file; do
    cmp -s "$unpacked/$file" "$installed/$file" || fail "$1: $file differs from the zip's"
  done < <(cd "$unpacked" && find . -type f)
}
check_new_files "installed"
if wine_run reg query 'HKCR\.srm' >/dev/null 2>&1; then
  fail "the installer associated the .srm file type"
fi

# The uninstall entry, value by value.
wine_run reg query "$key" 2>/dev/null | tr -d '\r' >"$work/entry" || fail "no uninstall entry $key"
value() { sed -n "s/^    $1    REG_[A-Z_]*    //p" "$work/entry"; }
expect() {
  [ "$(value "$1")" = "$2" ] || fail "$key: $1 is \"$(value "$1")\", not \"$2\""
}
expect DisplayName "Dungeon Ledger"
expect DisplayVersion "$version"
expect Publisher "The Dungeon Ledger developers"
expect DisplayIcon "$install_dir\\dungeon-ledger.exe,0"
expect InstallLocation "$install_dir"
expect UninstallString "\"$install_dir\\uninstall.exe\""
expect QuietUninstallString "\"$install_dir\\uninstall.exe\" /S"
size_kib=$(find "$unpacked" -type f -printf '%s\n' | awk '{ sum += $1 } END { printf "%d", (sum + 1023) / 1024 }')
[ "$(value EstimatedSize)" = "$(printf '0x%x' "$size_kib")" ] ||
  fail "$key: EstimatedSize is $(value EstimatedSize), not the $size_kib KiB of the files"

# An older install, as far as the files go: every file but the uninstaller
# gets bytes added, which Windows ignores at the end of a program or DLL.
while read -r file; do
  printf 'an older version\r\n' >>"$installed/$file"
done < <(cd "$unpacked" && find . -type f)
# Every installed file and folder, with the SHA-256 of each file.
snapshot() {
  (cd "$installed" && find . | LC_ALL=C sort | while read -r path; do
    if [ -f "$path" ]; then echo "$path $(sha256sum <"$path" | cut -d' ' -f1)"; else echo "$path"; fi
  done)
}
# Runs the command, which must end with the status given and leave every
# installed file as it was.
changes_nothing() {
  local status=$1 what=$2 before after actual=0
  shift 2
  before=$(snapshot)
  wine_run "$@" || actual=$?
  [ "$actual" = "$status" ] || fail "$what ended with status $actual, not $status"
  after=$(snapshot)
  [ "$before" = "$after" ] || fail "$what changed the installed files (< before, > after):
$(diff <(echo "$before") <(echo "$after") | head -n 20)"
}

# The shortcut, in every user's Start menu, starts the installed program.
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Dungeon Ledger.lnk'
[ -f "$(unix_path "$shortcut")" ] || fail "no Start-menu shortcut $shortcut"
wine_run start "$shortcut" || fail "the shortcut $shortcut does not start"
find_window() { window=$(xdotool search --name "^$title" 2>/dev/null | head -n 1) && [ -n "$window" ]; }
wait_for 60 find_window || fail "the window \"$title\" did not appear within 60 s"
pid=$(xdotool getwindowpid "$window")
# Wine pads the command line it shows there with spaces.
started=$(tr '\0' ' ' </proc/"$pid"/cmdline | sed 's/ *$//')
[ "$started" = "$install_dir\\dungeon-ledger.exe" ] ||
  fail "the shortcut started \"$started\", not the installed program"
echo "$(basename "$setup"): installed; the Start-menu shortcut starts $install_dir\\dungeon-ledger.exe, which shows its window"

# While it runs, neither an update nor the uninstaller touches a file. The
# uninstaller runs in place (_?=), so that its status is its own and not
# that of the copy it otherwise starts; _?= takes the folder unquoted, as
# only a batch file passes it.
changes_nothing "$exit_in_use" "$name /S while the program runs" "$setup" /S
printf '@"%s\\uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$install_dir" "$install_dir" >"$work/uninstall.bat"
changes_nothing "$exit_in_use" "uninstall.exe /S while the program runs" \
  cmd /c "$("${WINE_AS_USER[@]}" winepath -w "$work/uninstall.bat" 2>/dev/null)"
wine_run reg query "$key" >/dev/null 2>&1 || fail "the uninstaller that changed nothing removed the entry $key"
echo "$name, uninstall.exe: while the program runs, they end with status $exit_in_use and change no file"

xdotool windowfocus --sync "$window"
xdotool key Escape # closes the editor
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "the editor did not close on Escape"

# An update that cannot write a file (here, as a file is where the new
# version has a folder) puts back what it moved aside.
mv "$installed/styles" "$work/styles"
echo "not a folder" >"$installed/styles"
changes_nothing 2 "$name /S that cannot write styles\\" "$setup" /S
rm "$installed/styles"
mv "$work/styles" "$installed/styles"
echo "$name: an update that cannot write a file puts every file back as it was"

wine_run "$setup" /S || fail "$name /S after the program closed failed with status $?"
check_new_files "updated after the program closed"
echo "$name: after the program closed, the update writes every new file"

# Uninstalling as winget does, with the entry's QuietUninstallString. The
# uninstaller copies itself away and returns at once; the copy does the work.
quiet=$(value QuietUninstallString)
uninstaller=${quiet%\" *}
wine_run "${uninstaller#\"}" ${quiet##*\" } || fail "$quiet failed with status $?"
left() {
  [ ! -e "$installed" ] || echo "$install_dir: $(cd "$installed" && find . -mindepth 1 | head -n 5 | tr '\n' ' ')"
  [ ! -e "$(unix_path "$shortcut")" ] || echo "the shortcut $shortcut"
  ! wine_run reg query "$key" >/dev/null 2>&1 || echo "the entry $key"
}
all_gone() { [ -z "$(left)" ]; }
wait_for 60 all_gone || fail "60 s after $quiet, these are still there: $(left)"
echo "$(basename "$setup"): $quiet removed the program, the shortcut and the uninstall entry"
