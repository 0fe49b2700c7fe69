// The one line that tells what a render made: frames and seconds (the tail
// among them), channels and rate, the peak, time taken and realtime factor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct RenderFacts {
    std::size_t frames;
    std::size_t tailFrames;
    int channels;
    std::uint32_t sampleRate;
    float peak;
    double secondsTaken;
};

// "-6.02 dBFS", "-inf dBFS" for silence.
std::string peakText(float peak);

// "91287 frames, 2.070 s (tail 1.070 s), 2 channels at 44100 Hz, peak
// -3.21 dBFS, took 0.045 s, 46.0x realtime"
std::string summaryText(const RenderFacts& facts);
