#!/usr/bin/env bash
# Runs the tests of each build; win32 only checks its files (32-bit
# programs cannot run here). native-asan runs every native test under
# AddressSanitizer and UndefinedBehaviorSanitizer, native-tsan the thread
# stress tests under ThreadSanitizer; any report fails. Stops at the first
# target that fails.
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in win32 win64 native native-asan native-tsan; do
  echo "== testing $preset"
  ctest --preset "$preset" --timeout 600
done
