#!/usr/bin/env bash
# Renders docs/editor.png: the real editor window, offscreen, with the demo
# save loaded; docs/editor-14pt.png shows it at a 14-point desktop font.
# Builds in RELEASE_DIR (default build-release), the release build of
# `make run`, which `make screenshot` passes on.
set -euo pipefail
cd "$(dirname "$0")/.."
release=${RELEASE_DIR:-build-release}
cmake -S . -B "$release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$release" -j "$(nproc)" --target editor-screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen "$release/tools/editor-screenshot" samples/demo.srm docs/editor.png docs/warning.png
QT_QPA_PLATFORM=offscreen "$release/tools/editor-screenshot" --point-size 14 samples/demo.srm docs/editor-14pt.png
echo "wrote docs/editor.png, docs/editor-14pt.png and docs/warning.png"
