// The wet signal from the comb sums to the outputs, for one chunk of at most
// wetChunkLength samples: the four
// all-passes per channel, the wet factor, the gate gain, the high-pass FIR,
// the one-pole low-pass, the balance, the dry mix, the peaks and the output
// step. One loop over the chunk, so that the low-pass recurrence runs in the
// shadow of the all-pass work of the samples after it.
#pragma once

#include "effects/reverb/engine/chunk_length.h"

#include <cstdint>

struct WetChain {
    // This chunk.
    int frames = 0;
    const float* sumLeft = nullptr;
    const float* sumRight = nullptr;
    const float* gateGain = nullptr;  // null while the gate is off
    // The all-pass lines (left sections 1-4, then right) and where this chunk
    // starts in them; the storage allows wetChunkLength floats in front of
    // every line and linePad after it (tile_rows.h).
    float* line[8] = {};
    std::int32_t length[8] = {};
    std::int32_t index[8] = {};
    const float* inLeft = nullptr;
    const float* inRight = nullptr;
    float* outLeft = nullptr;
    float* outRight = nullptr;

    // Settings of the block.
    float feedback[8] = {};
    float wet = 0.0f;
    float highPass = 0.0f;
    float a0 = 0.0f;
    float b1 = 0.0f;
    float dryHalf = 0.0f;
    float gainLeft = 0.0f;
    float gainRight = 0.0f;
    bool muted = false;
    bool adding = false;

    // Running state, carried from chunk to chunk.
    float history[6] = {};  // left x[n-1], x[n-2], x[n-3], then right
    float lowPass[2] = {};
    float peakLeft = 0.0f;
    float peakRight = 0.0f;
};

using WetChainKernel = void (*)(WetChain& chain);

void runWetChainX4(WetChain& chain);  // SSE2
void runWetChainX8(WetChain& chain);  // AVX2
void runWetChainX16(WetChain& chain);  // AVX-512

// What the pre-delay line stores, (left + right) * input gain / 2, with the
// input tamed; one version per instruction set.
using TankMixKernel = void (*)(float* into, const float* inLeft, const float* inRight, int frames,
                               float inputHalf);
void mixTankInputX4(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf);
void mixTankInputX8(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf);
void mixTankInputX16(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf);
