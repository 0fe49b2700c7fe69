// A short drum-like test signal: a kick on every beat, a snare on the off
// beats and a closed hi-hat on every eighth, with deterministic noise so the
// same bytes come out on every machine. Good for hearing a reverb's tail.
#pragma once

#include <cstdint>
#include <vector>

// Interleaved stereo frames at the given rate, 120 beats a minute.
std::vector<float> drumPattern(double seconds, std::uint32_t sampleRate);
