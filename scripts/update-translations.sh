#!/usr/bin/env bash
# Refreshes the translation sources, resources/translations/*.ts, from the
# texts in the code (editor/ and resources/): a new text comes in marked
# unfinished, to translate (in Qt Linguist or by hand, then drop the
# unfinished mark); a text gone from the code goes from the file. No line
# numbers are kept, so a refresh changes the files only where texts changed.
# Usage: scripts/update-translations.sh [FOLDER]  (with a folder, refreshed
# copies go there and the repository stays as it is; the translations test
# does this). Needs lupdate (Debian: qt6-l10n-tools).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-resources/translations}

lupdate=$(PATH=/usr/lib/qt6/bin:$PATH command -v lupdate) || {
  echo "lupdate not found; install qt6-l10n-tools (make deps)" >&2
  exit 1
}
for ts in resources/translations/*.ts; do
  target=$out/$(basename "$ts")
  [ "$target" -ef "$ts" ] || cp "$ts" "$target"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -source-language en -I . editor resources -ts "$target"
done
