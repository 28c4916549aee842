#!/usr/bin/env bash
# Renders the icon sizes from resources/AppIcon.svg into resources/AppIconN.png
# with rsvg-convert (librsvg2-bin). The PNGs are committed, so that builds need
# no SVG renderer; run this after changing the SVG.
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

if [ "$out" != resources ]; then
  for size in "${sizes[@]}"; do
    if ! cmp -s "$out/AppIcon$size.png" "resources/AppIcon$size.png"; then
      echo "resources/AppIcon$size.png is not the rendering of resources/AppIcon.svg; run scripts/render-icons.sh" >&2
      exit 1
    fi
  done
  echo "icons: the committed PNGs match resources/AppIcon.svg"
else
  echo "wrote resources/AppIcon{$(IFS=,; echo "${sizes[*]}")}.png"
fi
