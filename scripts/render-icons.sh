#!/usr/bin/env bash
# Renders the icon sizes from resources/AppIcon.svg into resources/AppIconN.png
# with rsvg-convert (librsvg2-bin), and packs some of them into
# resources/AppIcon.ico for the Windows program file. They are committed, so
# that builds need no SVG renderer; run this after changing the SVG.
# With --check, renders into a temporary folder instead and fails if the
# committed PNGs differ from a fresh rendering (CI uses this).
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=(16 24 32 48 64 128 256)
out=resources
if [ "${1:-}" = "--check" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi

for size in "${sizes[@]}"; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$out/AppIcon$size.png" resources/AppIcon.svg
done

# Little-endian integers for the .ico headers.
le16() { printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }

# A .ico whose images are the PNGs themselves, as Windows has read them since
# Vista: a 6-byte header, a 16-byte entry per image, then the PNG files.
ico_sizes=(16 24 32 48 256)
{
  le16 0; le16 1; le16 ${#ico_sizes[@]}
  offset=$((6 + 16 * ${#ico_sizes[@]}))
  for size in "${ico_sizes[@]}"; do
    bytes=$(stat -c %s "$out/AppIcon$size.png")
    printf "\\$(printf %03o $((size % 256)))"; printf "\\$(printf %03o $((size % 256)))" # 256 is written as 0
    le16 0; le16 1; le16 32; le32 "$bytes"; le32 "$offset"
    offset=$((offset + bytes))
  done
  for size in "${ico_sizes[@]}"; do cat "$out/AppIcon$size.png"; done
} >"$out/AppIcon.ico"

if [ "$out" != resources ]; then
  for file in "${sizes[@]/#/AppIcon}" AppIcon; do
    extension=png
    [ "$file" = AppIcon ] && extension=ico
    if ! cmp -s "$out/$file.$extension" "resources/$file.$extension"; then
      echo "resources/$file.$extension is not made from resources/AppIcon.svg; run scripts/render-icons.sh" >&2
      exit 1
    fi
  done
  echo "icons: the committed PNGs match resources/AppIcon.svg"
else
  echo "wrote resources/AppIcon{$(IFS=,; echo "${sizes[*]}")}.png and resources/AppIcon.ico"
fi
