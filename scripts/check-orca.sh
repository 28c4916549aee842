#!/usr/bin/env bash
# Runs the real screen reader Orca beside the real editor, started on a
# copy of the demo save, drives the editor by keyboard with xdotool, and
# checks what Orca speaks (check-orca.py reads the "SPEECH OUTPUT" lines of
# Orca's debug file). Everything runs in a private X server, session bus and
# accessibility bus, with HOME and the XDG folders in a temporary folder, so
# the caller's own settings are neither read nor touched.
# Usage: scripts/check-orca.sh [BUILD_DIR]  (default: build)
# Needs: ./scripts/install-deps.sh xvfb at-spi2-core dbus orca openbox xdotool
#        speech-dispatcher-espeak-ng
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ "${1:-}" = --on-bus ]; then
  # Second half, inside dbus-run-session: the accessibility bus, a window
  # manager, Orca, then the editor and the driver.
  source scripts/xvfb-common.sh
  build=$2 work=$3
  start_accessibility_bus
  openbox >"$work/openbox.log" 2>&1 &
  on_exit "stop_job $!"
  orca -u "$work/orca" --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
  # Orca's own shutdown on TERM can hang: it is ended outright.
  on_exit "kill -KILL $! 2>/dev/null; wait $! 2>/dev/null"
  # The editor starts once Orca listens, as it would on a user's desktop.
  for _ in $(seq 150); do
    grep -qa "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null && break
    sleep 0.2
  done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
    "$build/editor/dungeon-ledger" "$work/demo.srm" >"$work/editor.log" 2>&1 &
  on_exit "stop_job $!"
  timeout 170 python3 scripts/check-orca.py "$work" $!
  exit
fi

source scripts/xvfb-common.sh
work=$(mktemp -d /tmp/dl-orca.XXXXXX)
on_exit "rm -rf '$work'"
cp samples/demo.srm "$work/demo.srm"

# Speech goes nowhere: speech-dispatcher would hang looking for a sound
# server (and Orca's start-up watchdog then ends Orca), so it writes to ALSA,
# whose default device throws the sound away.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
  XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/orca"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
CONF
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
# Orca writes its debug file through a block buffer; its settings folder's
# customizations reopen it line by line, so the driver reads each line as
# soon as it is spoken.
cat >"$work/orca/orca-customizations.py" <<'PY'
from orca import debug
if debug.debugFile:
    debug.debugFile = open(debug.debugFile.name, "a", buffering=1)
PY

start_xvfb "$work"
status=0
dbus-run-session -- "$0" --on-bus "$build" "$work" || status=$?
if [ "$status" -ne 0 ]; then
  # Orca's whole record stays for a look at what it received and dropped.
  cp "$work/orca.log" "$build/check-orca.log" 2>/dev/null && echo "Orca's debug file: $build/check-orca.log"
  echo "== what Orca spoke"
  grep -a "SPEECH OUTPUT" "$work/orca.log" | sed 's/.*SPEECH OUTPUT: //' | tail -60 || true
  echo "== the editor's output"
  tail -20 "$work/editor.log" || true
fi
exit "$status"
