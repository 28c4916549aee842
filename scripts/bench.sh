#!/usr/bin/env bash
# Runs the benchmarks of a build folder. Each window-start benchmark runs in
# a process of its own, so that its peak resident memory is its own.
set -euo pipefail
build=${1:-build-bench}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$build/bench/bench_savedata"
"$build/bench/bench_editor" --benchmark_filter=LayoutAndPaint
"$build/bench/bench_editor" --benchmark_filter=EditorStart
"$build/bench/bench_editor" --benchmark_filter=BareDialogStart
