#!/usr/bin/env bash
# Renders docs/editor.png: the real editor window, offscreen on a 1920x1080
# desktop, with the demo save loaded; docs/editor-14pt.png shows it at a
# 14-point desktop font (it scrolls there), docs/editor-laptop.png on a
# 1366x768 laptop. docs/warning.png and docs/warning-ja.png show the
# message a bad field brings up, in English and in Japanese.
# Builds in RELEASE_DIR (default build-release), the release build of
# `make run`, which `make screenshot` passes on.
set -euo pipefail
cd "$(dirname "$0")/.."
release=${RELEASE_DIR:-build-release}
cmake -S . -B "$release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$release" -j "$(nproc)" --target editor-screenshot
mkdir -p docs
screens=tests/editor/window/screens
shot() { # SCREEN ARGS...
  local screen=$1
  shift
  LANG=${SHOT_LANG:-C.UTF-8} LC_ALL= LANGUAGE= \
    QT_QPA_PLATFORM="offscreen:configfile=$screens/$screen.json" "$release/tools/editor-screenshot" "$@"
}
shot desktop samples/demo.srm docs/editor.png docs/warning.png
shot desktop --point-size 14 samples/demo.srm docs/editor-14pt.png
shot laptop samples/demo.srm docs/editor-laptop.png
window_ja=$(mktemp --suffix=.png)
SHOT_LANG=ja_JP.UTF-8 shot desktop samples/demo.srm "$window_ja" docs/warning-ja.png
rm -f "$window_ja"
echo "wrote docs/editor.png, docs/editor-14pt.png, docs/editor-laptop.png, docs/warning.png and docs/warning-ja.png"
