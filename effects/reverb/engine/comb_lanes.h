// The running combs of one chunk, laid out for SIMD lanes, and the kernels
// that step them. A group is `width` lanes: the left combs of width/2
// consecutive pairs, then the right combs of the same pairs. Lanes past the
// last running pair read silence and write to a sink; they are never summed.
#pragma once

struct CombLanes {
    static constexpr int maxLanes = 24;
    static constexpr int maxGroups = 5;

    int width = 4;
    int groupCount = 0;
    int pairsInGroup[maxGroups] = {};
    // Each lane's samples of this chunk, contiguous: read, then overwritten.
    const float* source[maxLanes] = {};
    float* target[maxLanes] = {};
    float filterStore[maxLanes] = {};
    float weight1[maxLanes] = {};
    float weight2[maxLanes] = {};
    float feedback[maxLanes] = {};
};

// Steps every lane over `frames` samples of `input` and writes, per sample,
// the sum of the left and of the right comb outputs in pair order.
using CombKernel = void (*)(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);

// Four lanes, SSE2: every x86 target.
void dampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
void undampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
// Eight lanes, AVX2: only called once the processor is known to have it.
void dampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
void undampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames);
