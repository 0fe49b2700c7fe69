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

static bool plainWeights(float w1, float w2)
{
    return (w1 >= 0.0f) & (w1 <= 1.0f) & (w2 >= 0.25f) & (w2 <= 1.0f);
}

void CombBank::beginBlock(CombFilter* left, CombFilter* right, int pairs, bool undamped)
{
    running = undamped ? undampedKernel : dampedKernel;
    if (pairs != laidOut.pairs || lanes.width != laidOut.width || left != laidOut.left || right != laidOut.right)
        layOut(left, right, pairs);
    bool plain = true;
    for (int i = 0; i < runningCount; ++i) {
        const int lane = runningLanes[i].lane;
        const CombFilter* comb = runningLanes[i].comb;
        lanes.filterStore[lane] = comb->filterStore;
        lanes.index[lane] = comb->index;
        lanes.weight1[lane] = comb->dampingWeight1.get();
        lanes.weight2[lane] = comb->dampingWeight2.get();
        lanes.feedback[lane] = comb->feedback.get();
        plain = plain & plainWeights(lanes.weight1[lane], lanes.weight2[lane]);
    }
    lanes.plainWeights = plain;
}

// Which comb each lane steps. Kept from block to block while the pair count
// and the kernel stay: unused lanes keep their silence, and each block only
// takes the running combs' weights, filter stores and positions.
void CombBank::layOut(CombFilter* left, CombFilter* right, int pairs)
{
    laidOut = {pairs, lanes.width, left, right};
    const int width = lanes.width;
    const int half = width / 2;
    lanes.groupCount = (pairs + half - 1) / half;
    runningCount = 0;
    for (int g = 0; g < lanes.groupCount; ++g) {
        lanes.pairsInGroup[g] = std::min(half, pairs - g * half);
        for (int k = 0; k < width; ++k) {
            const int lane = g * width + k;
            const int pair = g * half + k % half;
            CombFilter* comb = pair < pairs ? (k < half ? &left[pair] : &right[pair]) : nullptr;
            if (comb)
                runningLanes[runningCount++] = {lane, comb};
            // Unused lanes step silence with weights that keep them at +0.0.
            lanes.filterStore[lane] = 0.0f;
            lanes.weight1[lane] = 0.0f;
            lanes.weight2[lane] = 1.0f;
            lanes.feedback[lane] = 0.0f;
            lanes.line[lane] = comb ? comb->buffer : silence;
            lanes.length[lane] = comb ? comb->length : maxChunk;
            lanes.index[lane] = 0;
        }
    }
}

void CombBank::processChunk(const float* input, float* sumLeft, float* sumRight, int frames)
{
    if (runningCount == 0) {
        std::fill(sumLeft, sumLeft + frames, 0.0f);
        std::fill(sumRight, sumRight + frames, 0.0f);
        return;
    }
    running(lanes, input, sumLeft, sumRight, frames);

    // The lanes hold the running combs' positions until the block ends.
    for (int i = 0; i < runningCount; ++i) {
        const int lane = runningLanes[i].lane;
        const int index = lanes.index[lane] + frames;
        lanes.index[lane] = index >= lanes.length[lane] ? index - lanes.length[lane] : index;
    }
}

void CombBank::endBlock()
{
    for (int i = 0; i < runningCount; ++i) {
        CombFilter* comb = runningLanes[i].comb;
        comb->filterStore = lanes.filterStore[runningLanes[i].lane];
        comb->index = lanes.index[runningLanes[i].lane];
    }
}
