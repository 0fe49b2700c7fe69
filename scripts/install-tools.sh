#!/usr/bin/env bash
# Installs, with apt, the tools our builds and tests need, when any is missing.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  doctest-dev libstb-dev
  wine wine64 xvfb xauth fonts-liberation
  imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
