#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer + UBSan) and
# runs fuzz_load and fuzz_store side by side, each for SECONDS (default 60)
# on a copy of the seed corpus. Fails when either finds an input that
# crashes or breaks an invariant; the log shows the input. Install what it
# needs with:
#   ./scripts/install-deps.sh clang libclang-rt-14-dev
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DENABLE_FUZZING=ON -DBUILD_EDITOR=OFF -DBUILD_TESTING=OFF
cmake --build "$build" -j "$(nproc)"

work=$(mktemp -d /tmp/dl-fuzz.XXXXXX)
status=0
# Kept when a harness failed: it holds the input that broke it.
trap 'if [ "$status" -eq 0 ]; then rm -rf "$work"; fi' EXIT
harnesses=(load store)
pids=()
for harness in "${harnesses[@]}"; do
  # A copy: what the fuzzer adds to its corpus stays out of the repository.
  cp -r "fuzz/corpus/$harness" "$work/corpus-$harness"
  "$build/fuzz/fuzz_$harness" -max_total_time="$seconds" -max_len=40000 -print_final_stats=1 \
    -artifact_prefix="$work/$harness-" "$work/corpus-$harness" >"$work/$harness.log" 2>&1 &
  pids+=($!)
done

for i in "${!harnesses[@]}"; do
  harness=${harnesses[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz_$harness: no failure in ${seconds} s"
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
      "$work/$harness.log" | sed 's/^/  /'
  else
    echo "fuzz_$harness: FAILED"
    tail -n 60 "$work/$harness.log"
    echo "fuzz_$harness: log and failing input kept in $work"
    status=1
  fi
done
exit $status
