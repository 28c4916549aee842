#!/usr/bin/env bash
# Measures how many realistic one-line slips the tests catch. Copies the work
# tree (committed and new files) to a scratch folder, builds it once, then for
# each slip listed in scripts/mutants.txt: applies it, rebuilds, runs ctest,
# and puts the line back. A slip is caught when a test fails.
# Usage: scripts/mutants.sh [REGEX]  (only the slips whose file or
# description contains PATTERN). Prints a line per slip and the total.
set -euo pipefail
cd "$(dirname "$0")/.."
filter=${1:-}
list=$PWD/scripts/mutants.txt
jobs=$(nproc)

scratch=$(mktemp -d /tmp/dl-mutants.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$scratch"
cd "$scratch"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j "$jobs" >/dev/null
run_tests() {
  (cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --timeout 120 >/dev/null 2>&1)
}
run_tests || { echo "the tests fail without any slip; fix that first" >&2; exit 1; }

caught=0 total=0 survivors=()
# Applies one slip, judges it and puts the file back.
try_slip() {
  local file=$1 old=$2 new=$3 what=$4 content verdict
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

# scripts/mutants.txt: a "# description" line, "file: PATH", "-OLD LINE"s,
# "+NEW LINE"s, then a blank line.
what="" file="" old="" new=""
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    "# "*) what=${line#\# } ;;
    "file: "*) file=${line#file: } ;;
    -*) old+=${old:+$'\n'}${line#-} ;;
    +*) new+=${new:+$'\n'}${line#+} ;;
    "")
      [ -n "$file" ] && try_slip "$file" "$old" "$new" "$what"
      what="" file="" old="" new=""
      ;;
  esac
done <"$list"
[ -n "$file" ] && try_slip "$file" "$old" "$new" "$what"

echo
echo "caught $caught of $total slips"
for survivor in "${survivors[@]}"; do
  echo "  survived: $survivor"
done
