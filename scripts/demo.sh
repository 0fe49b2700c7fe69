#!/usr/bin/env bash
# A short demo of the main job: a drum-like test signal through our plug-ins
# with plughost, printing what each plug-in tells a host. Results in demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

host=build/native/tools/plughost/plughost
plugins=dist/linux64
out=demo
mkdir -p "$out"

echo "== a 3 s drum-like test signal: $out/drums.wav"
build/native/tools/test_signal/make_test_signal "$out/drums.wav" 3

for plugin in ZOVaGain ZOVaMono MiralteaVerb Corvelan; do
  echo "== plughost info $plugins/$plugin.so"
  "$host" info "$plugins/$plugin.so"
done

echo "== the drums in the cathedral (MiralteaVerb, program 5 \"Catedral\"): $out/drums-catedral.wav"
"$host" process "$plugins/MiralteaVerb.so" "$out/drums.wav" "$out/drums-catedral.wav" --program 5
echo "== left channel at half gain (ZOVaGain): $out/drums-gain.wav"
"$host" process "$plugins/ZOVaGain.so" "$out/drums.wav" "$out/drums-gain.wav" --param 0=0.5
echo "== folded to mono (ZOVaMono): $out/drums-mono.wav"
"$host" process "$plugins/ZOVaMono.so" "$out/drums.wav" "$out/drums-mono.wav"
