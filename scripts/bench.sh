#!/usr/bin/env bash
# Runs the benchmarks of a build folder. Each window-start benchmark runs in
# a process of its own, so that its peak resident memory is its own. Every
# benchmark runs five times and is reported by its mean, median, spread and
# coefficient of variation: on a busy machine single runs stray by half, and
# the medians are what docs/performance.md compares. The save file ones run
# interleaved at random, so that a busy spell does not land on one of them.
# Usage: bench.sh [BUILD] [RUNNER...]; RUNNER runs a Windows build's
# programs (scripts/bench-windows.sh passes wine).
set -euo pipefail
build=${1:-build-bench}
runner=("${@:2}")
# A desktop screen as most users have: on the offscreen platform's own
# 800 x 600 the editor window does not fit, and scrolls and narrows its
# notice column, which the bare dialog never does.
screen=$(cd "$(dirname "$0")/.." && pwd)/tests/editor/window/screens/desktop.json
export QT_QPA_PLATFORM="offscreen:configfile=$screen"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
program() {
  if [ -f "$build/bench/$1.exe" ]; then echo "$build/bench/$1.exe"; else echo "$build/bench/$1"; fi
}
repeat=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
"${runner[@]}" "$(program bench_savedata)" "${repeat[@]}" --benchmark_enable_random_interleaving=true
"${runner[@]}" "$(program bench_editor)" "${repeat[@]}" --benchmark_filter=LayoutAndPaint
"${runner[@]}" "$(program bench_editor)" "${repeat[@]}" --benchmark_filter=EditorStart
"${runner[@]}" "$(program bench_editor)" "${repeat[@]}" --benchmark_filter=BareDialogStart
