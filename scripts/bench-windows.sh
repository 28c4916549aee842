#!/usr/bin/env bash
# `make bench-windows`: the benchmarks of `make bench` built for Windows (in
# the Windows build folder, against the Qt for Windows of `make windows`)
# and run under Wine, in a fresh prefix, by scripts/bench.sh as on Linux.
# Timings, not tests; docs/performance.md has the figures beside Linux's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

./scripts/install-deps.sh libbenchmark-dev # the version to build for Windows
benchmark_source=$(./scripts/fetch-debian-source.sh libbenchmark-dev | tail -n 1)
build_windows -DBUILD_BENCHMARKS=ON "-DBENCHMARK_SOURCE_DIR=$benchmark_source"

export DISPLAY= # Qt draws offscreen
start_wine
./scripts/bench.sh "$WINDOWS_BUILD" "${WINE_AS_USER[@]}" wine
