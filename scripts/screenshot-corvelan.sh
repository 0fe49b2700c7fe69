#!/usr/bin/env bash
# Takes docs/corvelan-panel.png: the Corvelan panel as the win64 DLL draws
# it under Wine, its four inputs spread at different gains. Needs a display:
#   scripts/with-display.sh scripts/screenshot-corvelan.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/win64}
echo "== building Corvelan and corvelan_screenshot in $build"
[ -f "$build/CMakeCache.txt" ] || cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target Corvelan corvelan_screenshot >/dev/null

echo "== taking docs/corvelan-panel.png"
mkdir -p docs
WINE_PREFIX_DIR="$PWD/$build/wineprefix" tools/wine-run.sh \
  "$build/tests/panner_editor/corvelan_screenshot.exe" \
  "$build/effects/panner/Corvelan.dll" docs/corvelan-panel.png
