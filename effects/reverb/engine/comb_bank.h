// The comb stage of the engine: for one block, the running pairs are laid
// into SIMD lanes; each chunk then steps them all at once. A chunk is at most
// `maxChunk` samples, shorter than every delay line, so nothing a chunk
// writes is read again within it.
#pragma once

#include "effects/reverb/engine/comb_filter.h"
#include "effects/reverb/engine/comb_lanes.h"

class CombBank {
public:
    static constexpr int maxChunk = 224;  // a multiple of 8 below the shortest line (225)

    enum class Kernel { Sse2, Avx2 };
    static bool supported(Kernel kernel);

    CombBank();
    // Returns false (and keeps the current kernel) when the CPU lacks it.
    bool selectKernel(Kernel kernel);
    Kernel kernel() const { return current; }

    // Feedback and damping weights are taken from the combs here, once per
    // block. With `undamped` the low-pass of every comb is skipped.
    void beginBlock(CombFilter* left, CombFilter* right, int pairs, bool undamped);
    void processChunk(const float* input, float* sumLeft, float* sumRight, int frames);
    // Hands the filter stores back to the combs.
    void endBlock();

private:
    void placeLanes(int pairs);

    Kernel current = Kernel::Sse2;
    CombKernel dampedKernel = dampedCombsX4;
    CombKernel undampedKernel = undampedCombsX4;
    CombKernel running = dampedCombsX4;
    int pairCount = 0;
    CombFilter* laneComb[CombLanes::maxLanes] = {};
    bool staged[CombLanes::maxLanes] = {};
    CombLanes lanes;
    // A line that wraps inside a chunk is copied here and back, so every
    // lane sees its chunk as one contiguous run.
    float staging[CombLanes::maxLanes][maxChunk];
    float silence[maxChunk] = {};
    float sink[maxChunk];
};
