#!/usr/bin/env bash
# Takes docs/miraltea-verb-panel.png: the MiralteaVerb panel as the win64
# DLL draws it under Wine, on "Snare !  (Insert)" (gate on) with a quiet
# tone on its meters. Needs a display:
#   scripts/with-display.sh scripts/screenshot-reverb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/win64}
prefix="$PWD/$build/wineprefix"
echo "== building MiralteaVerb and editor_screenshot in $build"
[ -f "$build/CMakeCache.txt" ] || cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target MiralteaVerb editor_screenshot >/dev/null

echo "== taking docs/miraltea-verb-panel.png"
mkdir -p docs
WINE_PREFIX_DIR="$prefix" tools/wine-run.sh \
  "$build/tests/gui_support/editor_screenshot.exe" \
  "$build/effects/reverb/MiralteaVerb.dll" docs/miraltea-verb-panel.png 1200 13
# Let Wine finish with the display before it goes away.
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
