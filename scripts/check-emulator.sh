#!/usr/bin/env bash
# The real editor beside a real emulator: RetroArch (Debian's 1.14) with the
# bsnes-mercury core runs test cartridges of our own
# (tools/make_test_cartridge.py) on copies of the demo save, each in a
# folder and HOME of its own, while check-emulator.py drives the editor's
# window through AT-SPI and asserts on the save's bytes and the window.
# One line per scenario, then "N passed, M failed"; fails when any failed.
# Linux only: the Windows run under Wine does not take it.
# Usage: scripts/check-emulator.sh [BUILD_DIR]  (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ "${1:-}" = --on-bus ]; then
  # Second half, inside dbus-run-session: the accessibility bus, then the
  # driver, which starts the editor and RetroArch itself, once a scenario.
  source scripts/xvfb-common.sh
  build=$2 work=$3
  start_accessibility_bus
  timeout 300 /usr/bin/python3 scripts/check-emulator.py "$build" "$work"
  exit
fi

./scripts/install-deps.sh retroarch libretro-bsnes-mercury-performance libretro-core-info \
  xvfb at-spi2-core python3-pyatspi dbus
[ -x "$build/editor/dungeon-ledger" ] || { echo "no $build/editor/dungeon-ledger: run make test first" >&2; exit 1; }

source scripts/xvfb-common.sh
work=$(mktemp -d /tmp/dl-emulator.XXXXXX)
on_exit "rm -rf '$work'"
start_xvfb "$work"
dbus-run-session -- "$0" --on-bus "$build" "$work"
