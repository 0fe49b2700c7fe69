#!/usr/bin/env bash
# A short demo of the main job: a test signal through our plug-ins with
# plughost, printing what each plug-in tells a host.
set -euo pipefail
cd "$(dirname "$0")/.."

host=build/native/tools/plughost/plughost
out=demo
mkdir -p "$out"

echo "== making a 2 s test signal: $out/test-signal.wav"
sox -q -n -r 44100 -c 2 -b 16 "$out/test-signal.wav" synth 2 sine 220 sine 330 fade 0.01 2 0.1 gain -6

for plugin in ZOVaGain ZOVaMono; do
  echo "== plughost info dist/linux64/$plugin.so"
  "$host" info "dist/linux64/$plugin.so"
done

echo "== left channel at half gain through ZOVaGain: $out/gain.wav"
"$host" process dist/linux64/ZOVaGain.so "$out/test-signal.wav" "$out/gain.wav" --param 0=0.5
echo "== folded to mono through ZOVaMono: $out/mono.wav"
"$host" process dist/linux64/ZOVaMono.so "$out/test-signal.wav" "$out/mono.wav"
