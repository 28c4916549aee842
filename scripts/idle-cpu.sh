#!/usr/bin/env bash
# The editor's processor time while it watches a save: a minute with
# nothing happening, then a minute beside a writer that rewrites the save
# every 2 seconds with a new value, as a running emulator does. Prints the
# CPU seconds (user + system) each minute cost, from /proc.
# Usage: scripts/idle-cpu.sh [BUILD_DIR]  (Linux; offscreen, no display needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
source scripts/cleanup-common.sh
work=$(mktemp -d /tmp/dl-idle.XXXXXX)
on_exit "rm -rf '$work'"
cp samples/demo.srm "$work/demo.srm"
QT_QPA_PLATFORM=offscreen "$build/editor/dungeon-ledger" "$work/demo.srm" 2>/dev/null &
editor=$!
on_exit "stop_job $editor"
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$editor/stat"; }
sleep 5 # start-up is not what is measured
start=$(cpu)
sleep 60
idle=$(cpu)
python3 - "$work/demo.srm" <<'PY' &
import sys, time
path = sys.argv[1]
for food in range(2000, 2030):
    image = bytearray(open(path, "rb").read())
    image[1074:1076] = food.to_bytes(2, "little")
    open(path, "wb").write(image)
    time.sleep(2)
PY
writer=$!
sleep 60
busy=$(cpu)
wait "$writer" || true
awk -v t="$ticks" -v a="$start" -v b="$idle" -v c="$busy" 'BEGIN {
  printf "idle minute: %.2f s of CPU (%.2f %%)\n", (b - a) / t, 100 * (b - a) / t / 60
  printf "minute beside a writer every 2 s: %.2f s of CPU (%.2f %%)\n", (c - b) / t, 100 * (c - b) / t / 60
}'
