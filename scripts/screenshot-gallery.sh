#!/usr/bin/env bash
# Takes docs/toolkit-gallery.png: one of each toolkit control (text, menu,
# digits, buttons, animation, filmstrip view, knobs, switches, meter) on the
# test-only gallery panel, as the win64 build draws it under Wine. Needs a
# display:
#   scripts/with-display.sh scripts/screenshot-gallery.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/win64}
echo "== building gallery_screenshot in $build"
[ -f "$build/CMakeCache.txt" ] || cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target gallery_screenshot >/dev/null

echo "== taking docs/toolkit-gallery.png"
mkdir -p docs
WINE_PREFIX_DIR="$PWD/$build/wineprefix" tools/wine-run.sh \
  "$build/tests/toolkit_controls/gallery_screenshot.exe" docs/toolkit-gallery.png
