// The wet chain with AVX-512: sixteen samples of a channel per register.
// Built with AVX-512 F, VL and DQ, never FMA (see the comb kernels).
#include "effects/reverb/engine/channel_x16.h"

void runWetChainX16(WetChain& chain) { runWetChain<ChannelX16>(chain); }

void mixTankInputX16(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf)
{
    mixTankInput<ChannelX16>(into, inLeft, inRight, frames, inputHalf);
}
