// The running combs of one chunk, laid out for SIMD lanes, and the kernels
// that step them. A group is `width` lanes: the left combs of width/2
// consecutive pairs, then the right combs of the same pairs. Lanes past the
// last running pair read a line of silence; they are never summed and never
// written.
#pragma once

#include "effects/reverb/engine/chunk_length.h"

#include <cstdint>

struct CombLanes {
    static constexpr int maxLanes = 32;
    static constexpr int maxGroups = 5;

    int width = 4;
    int groupCount = 0;
    int pairsInGroup[maxGroups] = {};
    // Damping weights in [0, 1], the second at least 1/4 (see the AVX2
    // kernel): every setting the engine makes.
    bool plainWeights = false;
    // Each lane's delay line and where this chunk starts in it.
    float* line[maxLanes] = {};
    std::int32_t length[maxLanes] = {};
    std::int32_t index[maxLanes] = {};
    float filterStore[maxLanes] = {};
    float weight1[maxLanes] = {};
    float weight2[maxLanes] = {};
    float feedback[maxLanes] = {};

    int laneCount() const { return groupCount * width; }
    // Whether the lane belongs to a running pair.
    bool running(int lane) const { return lane % (width / 2) < pairsInGroup[lane / width]; }
};

// Steps every lane over `frames` samples of `input` and writes, per sample,
// the sum of the left and of the right comb outputs in pair order. The lines
// must allow combChunkLength floats in front and linePad after (tile_rows.h).
using CombKernel = void (*)(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);

// Four lanes, SSE2: every x86 target.
void dampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
void undampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
// Eight lanes, AVX2: only called once the processor is known to have it.
void dampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
void undampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
// Sixteen lanes, AVX-512: the same condition.
void dampedCombsX16(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
void undampedCombsX16(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
