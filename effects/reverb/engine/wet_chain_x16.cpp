// The wet chain with AVX-512: sixteen samples of a channel per register.
// Built with AVX-512 F, VL and DQ, never FMA (see the comb kernels).
#include "effects/reverb/engine/channel_x16.h"

void runWetChainX16(WetChain& chain) { runWetChain<ChannelX16>(chain); }

void mixTankInputX16(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf)
{
    using C = ChannelX16;
    const C::V half = C::splat(inputHalf);
    int i = 0;
    for (; i + C::width <= frames; i += C::width)
        C::store(into + i, C::mul(C::add(C::tameInput(C::load(inLeft + i)), C::tameInput(C::load(inRight + i))), half));
    for (; i < frames; ++i)
        into[i] = (tameSample(inLeft[i]) + tameSample(inRight[i])) * inputHalf;
}
