#include "effects/reverb/engine/comb_bank.h"

#include "effects/reverb/engine/cpu_features.h"

#include <algorithm>

bool CombBank::supported(Kernel kernel)
{
    return kernel == Kernel::Sse2 || cpuHasAvx2();
}

CombBank::CombBank()
{
    selectKernel(Kernel::Avx2);
}

bool CombBank::selectKernel(Kernel kernel)
{
    if (!supported(kernel))
        return false;
    current = kernel;
    const bool wide = kernel == Kernel::Avx2;
    dampedKernel = wide ? dampedCombsX8 : dampedCombsX4;
    undampedKernel = wide ? undampedCombsX8 : undampedCombsX4;
    lanes.width = wide ? 8 : 4;
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
    for (int lane = 0; lane < lanes.groupCount * width; ++lane) {
        const CombFilter* comb = laneComb[lane];
        lanes.filterStore[lane] = comb ? comb->filterStore : 0.0f;
        lanes.weight1[lane] = comb ? comb->dampingWeight1.get() : 0.0f;
        lanes.weight2[lane] = comb ? comb->dampingWeight2.get() : 0.0f;
        lanes.feedback[lane] = comb ? comb->feedback.get() : 0.0f;
        lanes.source[lane] = silence;
        lanes.target[lane] = sink;
    }
}

void CombBank::processChunk(const float* input, float* sumLeft, float* sumRight, int frames)
{
    if (pairCount <= 0) {
        std::fill(sumLeft, sumLeft + frames, 0.0f);
        std::fill(sumRight, sumRight + frames, 0.0f);
        return;
    }
    const int laneCount = lanes.groupCount * lanes.width;
    for (int lane = 0; lane < laneCount; ++lane) {
        CombFilter* comb = laneComb[lane];
        if (!comb)
            continue;
        const int untilWrap = comb->length - comb->index;
        staged[lane] = untilWrap < frames;
        float* run = comb->buffer + comb->index;
        if (staged[lane]) {
            run = staging[lane];
            std::copy(comb->buffer + comb->index, comb->buffer + comb->length, run);
            std::copy(comb->buffer, comb->buffer + (frames - untilWrap), run + untilWrap);
        }
        lanes.source[lane] = run;
        lanes.target[lane] = run;
    }

    running(lanes, input, sumLeft, sumRight, frames);

    for (int lane = 0; lane < laneCount; ++lane) {
        CombFilter* comb = laneComb[lane];
        if (!comb)
            continue;
        const int untilWrap = comb->length - comb->index;
        if (staged[lane]) {
            std::copy(staging[lane], staging[lane] + untilWrap, comb->buffer + comb->index);
            std::copy(staging[lane] + untilWrap, staging[lane] + frames, comb->buffer);
        }
        comb->index += frames;
        if (comb->index >= comb->length)
            comb->index -= comb->length;
    }
}

void CombBank::endBlock()
{
    const int laneCount = lanes.groupCount * lanes.width;
    for (int lane = 0; lane < laneCount; ++lane)
        if (CombFilter* comb = laneComb[lane])
            comb->filterStore = lanes.filterStore[lane];
}
