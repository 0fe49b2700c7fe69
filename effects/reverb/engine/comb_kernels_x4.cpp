// The comb kernels on four SSE2 lanes.
#include "effects/reverb/engine/simd_x4.h"

#include "effects/reverb/engine/comb_kernel_body.h"

void dampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    dampedCombs<X4>(lanes, input, sumLeft, sumRight, frames);
}

void undampedCombsX4(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    undampedCombs<X4>(lanes, input, sumLeft, sumRight, frames);
}
