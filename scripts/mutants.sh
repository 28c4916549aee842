#!/usr/bin/env bash
# Measures how many realistic one-line slips the tests catch. Copies the work
# tree (committed and new files) to a scratch folder, builds it once, then for
# each slip listed in scripts/mutants.txt: applies it, rebuilds, runs ctest,
# and puts the line back. A slip is caught when a test fails.
# Usage: scripts/mutants.sh [--windows] [REGEX]  (only the slips whose file or
# description matches REGEX, bash's =~). Prints a line per slip and the total.
# Slips marked "only: windows" are in code that only the Windows build
# compiles: --windows runs those, in the Windows build of `make windows`
# (scripts/windows-common.sh) with its tests under Wine; without it, the
# others, in a Linux debug build.
set -euo pipefail
cd "$(dirname "$0")/.."
platform=linux
if [ "${1:-}" = --windows ]; then
  platform=windows
  shift
fi
filter=${1:-}
list=$PWD/scripts/mutants.txt
jobs=$(nproc)
source scripts/cleanup-common.sh

scratch=$(mktemp -d "${TMPDIR:-/tmp}/dl-mutants.XXXXXX")
on_exit 'rm -rf "$scratch"'
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$scratch"
cd "$scratch"
if [ "$platform" = windows ]; then
  WINDOWS_BUILD_DIR=build
  source scripts/windows-common.sh
  build_windows >/dev/null
  mkdir -p build/locale # the Japanese run of tests/savedata, as scripts/test-windows.sh makes it
  localedef -i ja_JP -f UTF-8 build/locale/ja_JP.UTF-8 || [ -d build/locale/ja_JP.UTF-8 ]
  export DISPLAY=
  start_wine
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build build -j "$jobs" >/dev/null
fi
# Ends at the first failing test: a caught slip needs no more of them.
run_tests() {
  (cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --timeout 120 --stop-on-failure >/dev/null 2>&1)
}
run_tests || { echo "the tests fail without any slip; fix that first" >&2; exit 1; }

caught=0 total=0 survivors=()
# Applies one slip, judges it and puts the file back.
try_slip() {
  local file=$1 old=$2 new=$3 what=$4 only=$5 content verdict
  [ "${only:-linux}" = "$platform" ] || return 0
  [ -z "$filter" ] || [[ "$file $what" =~ $filter ]] || return 0
  content=$(<"$file")
  if [[ "$content" != *"$old"* ]]; then
    echo "STALE     $file: the line to change is not there: $old"
    return 0
  fi
  cp "$file" "$file.orig"
  printf '%s\n' "${content/"$old"/"$new"}" >"$file"
  if ! cmake --build build -j "$jobs" >/dev/null 2>&1; then
    verdict="NO BUILD "
  elif run_tests; then
    verdict="SURVIVED "
    survivors+=("$file: $what")
    total=$((total + 1))
  else
    verdict="caught   "
    caught=$((caught + 1))
    total=$((total + 1))
  fi
  mv "$file.orig" "$file"
  touch "$file"
  echo "$verdict $file: $what"
}

# scripts/mutants.txt: a "# description" line, "file: PATH", for code of
# one platform's build only "only: windows", "-OLD LINE"s, "+NEW LINE"s,
# then a blank line.
what="" file="" only="" old="" new=""
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    "# "*) what=${line#\# } ;;
    "file: "*) file=${line#file: } ;;
    "only: "*) only=${line#only: } ;;
    -*) old+=${old:+$'\n'}${line#-} ;;
    +*) new+=${new:+$'\n'}${line#+} ;;
    "")
      [ -n "$file" ] && try_slip "$file" "$old" "$new" "$what" "$only"
      what="" file="" only="" old="" new=""
      ;;
  esac
done <"$list"
[ -n "$file" ] && try_slip "$file" "$old" "$new" "$what" "$only"

echo
echo "caught $caught of $total slips"
for survivor in "${survivors[@]}"; do
  echo "  survived: $survivor"
done
