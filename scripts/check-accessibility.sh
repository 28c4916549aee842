#!/usr/bin/env bash
# Starts the real editor under Xvfb with a session bus and the accessibility
# bus, gives it a copy of the demo save on its command line, and reads its
# level map through AT-SPI as a table a screen reader may walk
# (check-accessibility.py). What Orca itself speaks is checked by
# scripts/check-orca.sh.
# Usage: scripts/check-accessibility.sh [BUILD_DIR]  (default: build)
# Needs: ./scripts/install-deps.sh xvfb at-spi2-core python3-pyatspi dbus
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ "${1:-}" = --on-bus ]; then
  # Second half, inside dbus-run-session: the accessibility bus, then the
  # editor, then the reader.
  source scripts/xvfb-common.sh
  build=$2 save=$3
  start_accessibility_bus
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
    "$build/editor/dungeon-ledger" "$save" &
  on_exit "stop_job $!"
  timeout 120 /usr/bin/python3 scripts/check-accessibility.py
  exit
fi

source scripts/xvfb-common.sh
work=$(mktemp -d /tmp/dl-a11y.XXXXXX)
on_exit "rm -rf '$work'"
cp samples/demo.srm "$work/demo.srm"
start_xvfb "$work"
dbus-run-session -- "$0" --on-bus "$build" "$work/demo.srm"
