#include "effects/reverb/engine/comb_bank.h"

#include <algorithm>

CombBank::CombBank()
{
    selectKernel(widestSimdKernel());
}

bool CombBank::selectKernel(SimdKernel kernel)
{
    if (!simdKernelSupported(kernel))
        return false;
    current = kernel;
    switch (kernel) {
    case SimdKernel::Avx512:
        dampedKernel = dampedCombsX16;
        undampedKernel = undampedCombsX16;
        lanes.width = 16;
        break;
    case SimdKernel::Avx2:
        dampedKernel = dampedCombsX8;
        undampedKernel = undampedCombsX8;
        lanes.width = 8;
        break;
    default:
        dampedKernel = dampedCombsX4;
        undampedKernel = undampedCombsX4;
        lanes.width = 4;
        break;
    }
    return true;
}

void CombBank::beginBlock(CombFilter* left, CombFilter* right, int pairs, bool undamped)
{
    pairCount = pairs;
    running = undamped ? undampedKernel : dampedKernel;
    const int width = lanes.width;
    const int half = width / 2;
    lanes.groupCount = (pairs + half - 1) / half;
    for (int g = 0; g < lanes.groupCount; ++g) {
        lanes.pairsInGroup[g] = std::min(half, pairs - g * half);
        for (int k = 0; k < half; ++k) {
            const int pair = g * half + k;
            laneComb[g * width + k] = pair < pairs ? &left[pair] : nullptr;
            laneComb[g * width + half + k] = pair < pairs ? &right[pair] : nullptr;
        }
    }
    lanes.plainWeights = true;
    for (int lane = 0; lane < lanes.groupCount * width; ++lane) {
        const CombFilter* comb = laneComb[lane];
        // Unused lanes step silence with weights that keep them at +0.0.
        lanes.filterStore[lane] = comb ? comb->filterStore : 0.0f;
        lanes.weight1[lane] = comb ? comb->dampingWeight1.get() : 0.0f;
        lanes.weight2[lane] = comb ? comb->dampingWeight2.get() : 1.0f;
        lanes.feedback[lane] = comb ? comb->feedback.get() : 0.0f;
        lanes.line[lane] = comb ? comb->buffer : silence;
        lanes.length[lane] = comb ? comb->length : maxChunk;
        lanes.index[lane] = 0;
        const float w1 = lanes.weight1[lane];
        const float w2 = lanes.weight2[lane];
        if (!(w1 >= 0.0f && w1 <= 1.0f && w2 >= 0.25f && w2 <= 1.0f))
            lanes.plainWeights = false;
    }
}

void CombBank::processChunk(const float* input, float* sumLeft, float* sumRight, int frames)
{
    if (pairCount <= 0) {
        std::fill(sumLeft, sumLeft + frames, 0.0f);
        std::fill(sumRight, sumRight + frames, 0.0f);
        return;
    }
    const int laneCount = lanes.laneCount();
    for (int lane = 0; lane < laneCount; ++lane)
        if (const CombFilter* comb = laneComb[lane])
            lanes.index[lane] = comb->index;

    running(lanes, input, sumLeft, sumRight, frames);

    for (int lane = 0; lane < laneCount; ++lane) {
        if (CombFilter* comb = laneComb[lane]) {
            comb->index += frames;
            if (comb->index >= comb->length)
                comb->index -= comb->length;
        }
    }
}

void CombBank::endBlock()
{
    const int laneCount = lanes.groupCount * lanes.width;
    for (int lane = 0; lane < laneCount; ++lane)
        if (CombFilter* comb = laneComb[lane])
            comb->filterStore = lanes.filterStore[lane];
}
