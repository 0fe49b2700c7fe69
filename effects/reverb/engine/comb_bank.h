// The comb stage of the engine: the running pairs are laid into SIMD lanes
// (anew only when the pair count or the kernel changes); each chunk then
// steps them all at once. A chunk is at most `maxChunk` samples, shorter
// than every comb line, so nothing a chunk writes is read again within it.
// The combs' storage must allow maxChunk floats in front of every line and
// linePad after it (tile_rows.h).
#pragma once

#include "effects/reverb/engine/comb_filter.h"
#include "effects/reverb/engine/comb_lanes.h"
#include "effects/reverb/engine/cpu_features.h"

class CombBank {
public:
    static constexpr int maxChunk = combChunkLength;

    CombBank();
    // Returns false (and keeps the current kernel) when the CPU lacks it.
    bool selectKernel(SimdKernel kernel);
    SimdKernel kernel() const { return current; }

    // Feedback and damping weights are taken from the combs here, once per
    // block. With `undamped` the low-pass of every comb is skipped.
    void beginBlock(CombFilter* left, CombFilter* right, int pairs, bool undamped);
    void processChunk(const float* input, float* sumLeft, float* sumRight, int frames);
    // Hands the filter stores and positions back to the combs.
    void endBlock();

private:
    SimdKernel current = SimdKernel::Sse2;
    CombKernel dampedKernel = dampedCombsX4;
    CombKernel undampedKernel = undampedCombsX4;
    CombKernel running = dampedCombsX4;

    void layOut(CombFilter* left, CombFilter* right, int pairs);
    // What the lanes were last laid out for.
    struct Layout {
        int pairs = -1;
        int width = 0;
        const CombFilter* left = nullptr;
        const CombFilter* right = nullptr;
    } laidOut;
    // The lanes of running combs, so that block and chunk set-up touch
    // only those.
    struct RunningLane {
        int lane;
        CombFilter* comb;
    };
    RunningLane runningLanes[CombLanes::maxLanes] = {};
    int runningCount = 0;
    CombLanes lanes;
    float silence[maxChunk] = {};  // the line of unused lanes: never wraps, never written
};
