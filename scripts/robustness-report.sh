#!/usr/bin/env bash
# Writes docs/robustness.md from the figures the robustness programs left in
# the sanitizer builds, and runs the denormal benchmark of the native build.
set -euo pipefail
cd "$(dirname "$0")/.."

asan=build/native-asan/robustness
tsan=build/native-tsan/robustness
bench=build/native/bench/robustness/reverb_denormal_bench
out=docs/robustness.md

rows() { cat "$@" 2>/dev/null || echo "| (not run) |"; }

"$bench" --report build/native/reverb_denormal.md >/dev/null

{
  echo "# Robustness"
  echo
  echo "What is tested so that a plug-in never crashes its host nor corrupts its audio, with the"
  echo "figures of the last run of \`./test.sh\` (this file is written by scripts/robustness-report.sh"
  echo "from what the tests themselves print; do not edit it by hand)."
  echo
  echo "## Sanitizers"
  echo
  echo "- \`native-asan\`: every native test built and run with AddressSanitizer and"
  echo "  UndefinedBehaviorSanitizer, halting on the first report (the vtable check is off: the"
  echo "  Linux panner refers to a panel class it does not link)."
  echo "- \`native-tsan\`: the thread stress tests under ThreadSanitizer."
  echo
  echo "## Dispatcher fuzzing (tests/fuzz, under ASan and UBSan)"
  echo
  echo "Seeded random calls: every opcode from -8 to 128 with edge indices and values (0, -1, 1,"
  echo "large, INT32_MIN/MAX, the program and parameter counts and one past them), edge options"
  echo "(NaN, infinities, denormals, huge), the pointer null, a small zeroed buffer, or a large"
  echo "buffer whose texts must end within the interface's lengths; host-owned structures as the"
  echo "interface lays them out; chunks saved, truncated, mutated and random loaded back; closing"
  echo "and reopening; parameter calls with odd values; process calls of random lengths with"
  echo "channels exactly as long as the call says. More calls: \`dispatcher_fuzz PLUGIN NAME --calls N\`."
  echo
  echo "| plug-in | calls | of them process calls | effects opened | seed | result |"
  echo "| --- | --- | --- | --- | --- | --- |"
  rows "$asan"/fuzz_*.md
  echo
  echo "## Odd parameter values (tests/misuse)"
  echo
  echo "Each parameter set, on a fresh effect fed a finite signal, to NaN, -NaN, +-infinity, +-FLT_MAX,"
  echo "+-1e30, 1000, -1, -0.5, +-denormal, FLT_MIN, +-0, just above 1, 1 and 2; then set back."
  echo "The output must be finite except where the value is a plain linear factor (gain and mono"
  echo "gains, panner input gains, and panner positions below 0, which weigh output 1 by 10 x"
  echo "position); after the value is set back it must be finite in every case."
  echo
  echo "| plug-in | parameters | cases | cases with non-finite output (linear factors only) |"
  echo "| --- | --- | --- | --- |"
  rows "$asan"/odd_values_*.md
  echo
  echo "## Odd audio into the reverb (tests/misuse)"
  echo
  echo "NaN, NaN now and then, infinities, denormals, smallest normals, full-scale square and"
  echo "full-scale constant input, and a square at 1e30, for half a second, followed by silence or"
  echo "by music, on three programs: finite input never gives a non-finite sample, and from one second after the"
  echo "bad input stops every output sample is finite and zero or normal."
  echo
  echo "| cases | passed |"
  echo "| --- | --- |"
  rows "$asan"/reverb_odd_audio.md
  echo
  echo "Denormal input against normal input (bench/robustness, native build, best of 7 runs of 40 s of audio):"
  echo
  echo "| normal input (s) | denormal input (s) | ratio | goal 1.5x |"
  echo "| --- | --- | --- | --- |"
  rows build/native/reverb_denormal.md
  echo
  echo "## Threads (tests/stress, under TSan)"
  echo
  echo "One thread processes blocks of 256 frames while the main thread sets parameters, selects"
  echo "programs and reads parameter texts and program names, until the blocks are done."
  echo
  echo "| plug-in | blocks | host calls meanwhile | output |"
  echo "| --- | --- | --- | --- |"
  rows "$tsan"/stress_*.md
  echo
  echo "## Editors (tests/reverb_editor, tests/panner_editor, under Wine)"
  echo
  echo "200 openings and closings with flat GDI object and window counts, two panels at once, the"
  echo "host window destroyed first, the effect closed with its panel open."
  echo
  echo "## Files (tests/integration/scenarios)"
  echo
  echo "plughost refuses, with one clear line, exit code 1 and no output or temporary file left:"
  echo "a missing file, a text file, a zero-length file, a truncated header, truncated data, an"
  echo "oversized 'fmt ' chunk, 65535 channels, 8-bit PCM, an ADPCM format tag (bad_wavs); an"
  echo "output path through a file and a full disk, a 16 KiB tmpfs where mounting is allowed"
  echo "(bad_outputs)."
} > "$out"
echo "== wrote $out"
