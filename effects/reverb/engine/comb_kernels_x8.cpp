// The comb kernels on eight AVX2 lanes. Built with -mavx2 (never -mfma: a
// fused multiply-add would round differently from the comb step).
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/comb_kernel_body.h"

void dampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    dampedCombs<X8>(lanes, input, sumLeft, sumRight, frames);
}

void undampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    undampedCombs<X8>(lanes, input, sumLeft, sumRight, frames);
}
