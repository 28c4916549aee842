#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this
# Debian/Ubuntu machine does not have yet. Extra package names may be passed
# as arguments (CI adds the cross-compiler and Wine this way).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-noto-cjk fonts-dejavu-core
  "$@"
)

# Elsewhere than on Debian or Ubuntu there is no package list to ask: the
# build goes on, and CMake names whatever is missing (Qt 6 Widgets and
# LinguistTools, GoogleTest, a C++20 compiler).
if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "install-deps: not a Debian or Ubuntu system; install Qt 6 (Widgets, Linguist tools), CMake, GoogleTest" \
    "and a C++20 compiler with your package manager; the build says what it misses." >&2
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
