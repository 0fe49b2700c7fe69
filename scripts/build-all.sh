#!/usr/bin/env bash
# Configures and builds the targets: native, win32, win64, and the native
# sanitizer builds (native-asan: everything but the benchmarks; native-tsan:
# only the thread stress tests and the plug-ins they load).
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in native win32 win64 native-asan native-tsan; do
  echo "== building $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
